#pragma once
// The short sideways shake of a shape whose move was refused, so a refusal shows with the sound
// off too. It never holds up input: the play screen only asks for the offset when it draws.
#include <cstdint>
#include <optional>

#include "puzzle/Types.h"

namespace qv {

class ShapeShake {
public:
    // Time between frames while a shake runs.
    static constexpr uint32_t kFrameMs = 30;

    void Start(ShapeKind shape, uint32_t now);
    void Stop() { shaken.reset(); }
    // The shape being shaken, if a shake runs.
    std::optional<ShapeKind> Shape() const { return shaken; }
    // The sideways offset at `now`, dying away; 0 and the shake over once its time is up.
    int Offset(uint32_t now);

private:
    std::optional<ShapeKind> shaken;
    uint32_t startedAt = 0;
};

}  // namespace qv
