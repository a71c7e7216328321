#include "content/ProgressRecord.h"

namespace qv {

ProgressBytes EncodeProgressRecord(int set, int level, LevelStatus status) {
    ProgressBytes bytes;
    bytes.a = static_cast<uint8_t>((static_cast<int>(status) & 3) | ((level & 3) << 2));
    bytes.b = static_cast<uint8_t>(((level >> 2) & 7) | ((set & 31) << 3));
    return bytes;
}

ProgressRecord DecodeProgressRecord(ProgressBytes bytes) {
    ProgressRecord record;
    record.set = bytes.b >> 3;
    record.level = (bytes.b & 7) * 4 + ((bytes.a >> 2) & 3);
    const int status = bytes.a & 3;
    record.status = status == 3 ? LevelStatus::Solved : static_cast<LevelStatus>(status);
    return record;
}

LevelStatus FurtherStatus(LevelStatus a, LevelStatus b) {
    auto rank = [](LevelStatus status) {
        return status == LevelStatus::Solved ? 2 : status == LevelStatus::Open ? 1 : 0;
    };
    return rank(a) >= rank(b) ? a : b;
}

}  // namespace qv
