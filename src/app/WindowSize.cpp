#include "app/WindowSize.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "util/RegularFile.h"
#include "util/ReplaceFile.h"

namespace qv {

namespace {

// Room left around the window for the desktop's panels and the window's own frame.
constexpr double kComfortableShare = 0.9;
constexpr int kLargestSide = 16384;
constexpr std::size_t kMostFileBytes = 64;

bool Known(PixelSize size) { return size.width > 0 && size.height > 0; }

}  // namespace

PixelSize FirstWindowSize(PixelSize screen, PixelSize logical) {
    if (!Known(screen) || !Known(logical)) return logical;
    const double fits = std::min(kComfortableShare * screen.width / logical.width,
                                 kComfortableShare * screen.height / logical.height);
    const double scale = std::max(1.0, fits);
    return PixelSize{static_cast<int>(std::lround(logical.width * scale)),
                     static_cast<int>(std::lround(logical.height * scale))};
}

std::optional<PixelSize> ReadKeptWindowSize(const std::string& path) {
    std::istringstream in;
    if (!ReadRegularFile(path, kMostFileBytes, in)) return std::nullopt;
    PixelSize size;
    if (!(in >> size.width >> size.height)) return std::nullopt;
    const auto sensible = [](int side) { return side >= 1 && side <= kLargestSide; };
    if (!sensible(size.width) || !sensible(size.height)) return std::nullopt;
    return size;
}

bool KeepWindowSize(const std::string& path, PixelSize size) {
    return ReplaceFile(path, std::to_string(size.width) + " " + std::to_string(size.height) + "\n");
}

PixelSize ChooseWindowSize(const std::string& path, PixelSize screen, PixelSize logical) {
    const std::optional<PixelSize> kept = ReadKeptWindowSize(path);
    // A window kept from a larger screen than this one would not fit on it.
    if (kept && (!Known(screen) || (kept->width <= screen.width && kept->height <= screen.height)))
        return *kept;
    return FirstWindowSize(screen, logical);
}

}  // namespace qv
