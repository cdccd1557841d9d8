#include "platform/program/program_file.h"

#include <filesystem>
#include <system_error>

namespace tovalo::platform {

std::string runningProgramFile() {
    std::error_code error;
    std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : file.string();
}

std::u16string windowsProgramFile(std::u16string_view folder, std::u16string_view baseName) {
    std::u16string file(folder);
    if (folder.size() != 3)
        file += u'\\';
    return file.append(baseName).append(u".EXE");
}

} // namespace tovalo::platform
