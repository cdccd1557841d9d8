#include "platform/program/program_file.h"

#include <filesystem>
#include <system_error>

namespace tovalo::platform {

std::string runningProgramFile() {
    std::error_code error;
    std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : file.string();
}

} // namespace tovalo::platform
