#pragma once

namespace qv {

// The objects that live as long as the process and belong to no single screen.

// Installs the platform's error boxes, then creates the process-wide objects in their fixed
// order. main calls it once the options are read (the library reads the game folder as it is
// created, and --help must work anywhere); calling it again changes nothing.
void CreateProcessObjects();

}  // namespace qv
