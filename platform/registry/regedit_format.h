#pragma once

#include "platform/registry/hive.h"

#include <optional>
#include <string>
#include <string_view>

namespace tovalo::platform {

// The name of a root as it heads the sections of its file, e.g. "HKEY_CURRENT_USER".
std::string_view rootName(RegistryRoot root);

// Reads the text of a store file in the REGEDIT4 format. Text with nothing but white
// space is an empty store. Nothing when the text is not a well-formed file of this root:
// the caller must then leave the file alone.
std::optional<Hive> parseRegedit(std::string_view text, RegistryRoot root);

// Writes the keys in the REGEDIT4 format with CR LF line ends. Strings are written as
// quoted text unless they hold a line break or NUL; such strings and values of other
// types are written as hex bytes, so that every value reads back exactly.
std::string formatRegedit(const Hive &hive, RegistryRoot root);

} // namespace tovalo::platform
