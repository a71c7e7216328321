#include "ContentFiles.h"

#include <sstream>

using namespace qv;

std::string LevelFileText(const std::string& name) {
    return "1 1 7 0 0 0 0 0 0 0 0 0 0 0 0\n" + name + "\n";
}

void WriteSets(const TempDir& dir, const std::vector<int>& levelCounts) {
    std::string beta;
    for (std::size_t s = 0; s < levelCounts.size(); ++s) {
        const std::string set = std::to_string(s + 1);
        const std::string listFile = "set" + set + ".txt";
        beta += "set" + set + "\n" + listFile + "\n";
        std::string list;
        for (int l = 0; l < levelCounts[s]; ++l) {
            const std::string level = "s" + set + "-" + std::to_string(l);
            dir.Write(level + ".level", LevelFileText(level));
            list += level + ".level\n";
        }
        dir.Write(listFile, list);
    }
    dir.Write("Beta.txt", beta);
}

void WriteProgress(const TempDir& dir, const std::vector<uint8_t>& recordBytes) {
    std::string content = {char(64), char(128), char(0)};
    content.append(recordBytes.begin(), recordBytes.end());
    dir.Write("progress.save", content);
}

std::vector<uint8_t> ReadBytes(const TempDir& dir, const std::string& relative) {
    const std::string content = dir.Read(relative);
    return std::vector<uint8_t>(content.begin(), content.end());
}

std::vector<ProgressRecord> ReadRecords(const TempDir& dir) {
    const std::vector<uint8_t> bytes = ReadBytes(dir, "progress.save");
    std::vector<ProgressRecord> records;
    for (std::size_t i = 3; i + 1 < bytes.size(); i += 2) {
        records.push_back(DecodeProgressRecord({bytes[i], bytes[i + 1]}));
    }
    return records;
}

std::unique_ptr<TestLibrary> MakeLibrary() { return std::make_unique<TestLibrary>(); }

void SetStatus(LevelLibrary& library, int set, int level, LevelStatus status) {
    const ProgressBytes record = EncodeProgressRecord(set, level, status);
    std::istringstream in(std::string(kProgressSettingsBytes, '\0') +
                          static_cast<char>(record.a) + static_cast<char>(record.b));
    library.ReadProgressRecords(in);
}
