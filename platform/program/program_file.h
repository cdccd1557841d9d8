#pragma once

#include <string>

namespace tovalo::platform {

// The real path of the running executable (on Linux /proc/self/exe resolved), as the
// system's bytes; empty when the system cannot tell.
std::string runningProgramFile();

} // namespace tovalo::platform
