#include "screens/ShapeShake.h"

#include <cmath>

namespace qv {

namespace {

// Short enough never to be in the way; three swings that die away.
constexpr uint32_t kShakeMs = 260;
constexpr double kAmplitude = 5.0;
constexpr double kSwings = 3.0;
constexpr double kPi = 3.14159265358979323846;

}  // namespace

void ShapeShake::Start(ShapeKind shape, uint32_t now) {
    shaken = shape;
    startedAt = now;
}

int ShapeShake::Offset(uint32_t now) {
    if (!shaken) return 0;
    // Unsigned difference: right across the tick counter wrapping.
    const uint32_t elapsed = now - startedAt;
    if (elapsed >= kShakeMs) {
        shaken.reset();
        return 0;
    }
    const double t = static_cast<double>(elapsed) / kShakeMs;
    const double swing = std::sin(2.0 * kPi * kSwings * t);
    return static_cast<int>(std::lround(kAmplitude * (1.0 - t) * swing));
}

}  // namespace qv
