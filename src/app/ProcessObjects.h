#pragma once

namespace qv {

// The objects that live as long as the process and belong to no single screen.

// Installs the platform's error boxes, then creates the process-wide objects in their fixed
// order. Runs before main; calling it again changes nothing.
void CreateProcessObjects();

}  // namespace qv
