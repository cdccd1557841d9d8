#pragma once

#include <string>
#include <string_view>

namespace tovalo::platform {

// The real path of the running executable (on Linux /proc/self/exe resolved), as the
// system's bytes; empty when the system cannot tell.
std::string runningProgramFile();

// How a Windows build names its program file: the folder joined with the program's name
// without its extension followed by ".EXE". A folder of exactly three characters is a
// drive root such as C:\, which already ends in a backslash.
std::u16string windowsProgramFile(std::u16string_view folder, std::u16string_view baseName);

} // namespace tovalo::platform
