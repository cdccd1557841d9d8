#pragma once

#include <string>
#include <vector>

namespace tovalo::cli {

// Exit statuses of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // the conversion, the reading or the writing failed
inline constexpr int kExitBadUsage = 2; // unknown option, missing value, bad option value

// Each subcommand takes the arguments after its name and returns the exit status.
int runConvert(const std::vector<std::string> &args);
int runCount(const std::vector<std::string> &args);
int runPhone(const std::vector<std::string> &args);

// Prints "tovalo-cli: message" on standard error and returns the status.
int fail(const std::string &message, int status);

// Prints the usage to standard error and returns the bad-usage status.
int badUsage(const std::string &message);

extern const char *const kUsage;

} // namespace tovalo::cli
