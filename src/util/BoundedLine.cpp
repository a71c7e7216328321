#include "util/BoundedLine.h"

#include <limits>

namespace qv {

namespace {

using Traits = std::istream::traits_type;

// Consumes a line end at the buffer's read position if there is one ("\n" or "\r\n").
// A lone carriage return is not a line end and is left unread.
bool TakeLineEnd(std::streambuf& buf) {
    const int c = buf.sgetc();
    if (c == '\n') {
        buf.sbumpc();
        return true;
    }
    if (c != '\r') return false;
    buf.sbumpc();
    if (buf.sgetc() == '\n') {
        buf.sbumpc();
        return true;
    }
    // Not followed by a line feed: the carriage return is text after all.
    buf.sungetc();
    return false;
}

}  // namespace

bool ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxChars) {
    line.clear();
    std::streambuf* buf = in.rdbuf();
    if (!in.good() || buf == nullptr) {
        in.setstate(std::ios::failbit);
        return false;
    }
    bool extracted = false;
    for (;;) {
        if (Traits::eq_int_type(buf->sgetc(), Traits::eof())) {
            in.setstate(extracted ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
            break;
        }
        if (TakeLineEnd(*buf)) break;
        if (line.size() == maxChars) {
            in.setstate(std::ios::failbit);
            break;
        }
        line.push_back(Traits::to_char_type(buf->sbumpc()));
        extracted = true;
    }
    return !in.fail();
}

bool ReadCutLine(std::istream& in, std::string& line, std::size_t maxChars, bool* cut) {
    const bool whole = ReadBoundedLine(in, line, maxChars);
    if (cut) *cut = false;
    if (whole || in.eof() || in.bad() || line.size() < maxChars) return whole;
    // Failed with the line full: a line too long, whose rest is skipped.
    in.clear();
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (cut) *cut = true;
    return true;
}

}  // namespace qv
