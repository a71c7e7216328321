#pragma once
// Finds the TrueType file of the user-interface font. The game asks for Arial; on Linux
// fontconfig normally answers with its metric twin, Liberation Sans.
#include <string>

namespace qv {

// The file fontconfig picks for "Arial", or kFallbackUiFontPath when it finds nothing.
// Looked up once and remembered.
std::string UiFontPath();

inline constexpr const char* kFallbackUiFontPath =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

}  // namespace qv
