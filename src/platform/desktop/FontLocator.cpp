#include "platform/FontLocator.h"

#include <fontconfig/fontconfig.h>

namespace qv {

namespace {

std::string AskFontconfig(const char* query) {
    // A configuration of our own, destroyed after the one question: the library's implicit
    // default configuration would stay allocated for the rest of the run.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return {};
    std::string file;
    if (FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(query))) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
            FcChar8* path = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
                file = reinterpret_cast<const char*>(path);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return file;
}

}  // namespace

std::string UiFontPath() {
    // Loading the font configuration is slow, so ask once per run.
    static const std::string path = [] {
        std::string found = AskFontconfig("Arial:fontformat=TrueType");
        return found.empty() ? std::string(kFallbackUiFontPath) : found;
    }();
    return path;
}

}  // namespace qv
