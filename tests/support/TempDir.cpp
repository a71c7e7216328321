#include "TempDir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>


namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "qvtest-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder = pattern;
    previous = fs::current_path().string();
    fs::current_path(folder);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
    fs::remove_all(folder, ignored);
}

void TempDir::Write(const std::string& relative, const std::string& content) const {
    fs::path file = fs::path(folder) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
}

std::string TempDir::Read(const std::string& relative) const {
    std::ifstream in(fs::path(folder) / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempDir::Exists(const std::string& relative) const {
    return fs::exists(fs::path(folder) / relative);
}
