#pragma once
// A fresh temporary directory that becomes the working directory for the object's lifetime,
// since the game reads and writes everything relative to it. Removed afterwards.
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return folder; }
    // Writes a file below the directory, creating folders on the way.
    void Write(const std::string& relative, const std::string& content) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    std::string folder;
    std::string previous;
};
