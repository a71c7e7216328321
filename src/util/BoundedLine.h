#pragma once
// Line reads into fixed-size buffers: the text files' line length limits are part of their
// formats, and a line over the limit must fail the stream rather than be read in pieces.
#include <cstddef>
#include <istream>
#include <string>

namespace qv {

// Reads one line of at most maxChars characters into line. A line feed, or a carriage return
// and line feed, ends the line and is dropped. Sets failbit when nothing could be extracted
// (end of file, or the stream was not good) and when the line is longer than maxChars; the
// first maxChars characters are then in line and the rest stays unread. Returns !in.fail().
bool ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxChars);

// The same for files whose long lines are cut rather than fatal: a longer line leaves its first
// maxChars characters in line, the rest of it is skipped, and `cut` (when given) says so. Fails
// only when nothing could be read.
bool ReadCutLine(std::istream& in, std::string& line, std::size_t maxChars, bool* cut = nullptr);

}  // namespace qv
