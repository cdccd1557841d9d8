#include "update/up_check.h"

#include "platform/program/program_file.h"
#include "platform/text/unicode.h"
#include "tovalo_version.h"

#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace tovalo::update {
namespace {

using platform::KeyHandle;
using platform::RegistryRoot;
using platform::RegStatus;

constexpr std::string_view kCheckerKey = "Software\\Upcheck";

UpCheckError failure(UpCheckCode code) {
    return UpCheckError::of(code);
}

// Reads a build number the checker left. A value that is missing or longer than four
// bytes counts as 0, whatever its type; nothing when the store itself fails.
std::optional<std::int32_t> readBuildNumber(platform::Registry &registry, KeyHandle key,
                                            std::string_view name) {
    std::array<std::uint8_t, 4> bytes{};
    platform::ValueType type{};
    std::size_t size = 0;
    switch (registry.queryValue(key, name, bytes, type, size)) {
    case RegStatus::Ok:
        return static_cast<std::int32_t>(platform::numberFromBytes(bytes));
    case RegStatus::NotFound:
    case RegStatus::MoreData:
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace

ProgramIdentity ProgramIdentity::running() {
    return {text::fromUtf8(version::productName), version::major, version::minor, version::revision,
            [] { return text::fromUtf8(platform::runningProgramFile()); }};
}

UpCheck::UpCheck(platform::Registry &registry, ProgramIdentity program)
    : registry_(registry), program_(std::move(program)) {}

void UpCheck::FilePath(bool value) {
    filePath_ = value && program_.filePath ? program_.filePath() : std::u16string();
}

UpCheckResult<bool> UpCheck::InstalledUpCheck() {
    KeyHandle key = 0;
    switch (registry_.openKey(RegistryRoot::CurrentUser, kCheckerKey, key)) {
    case RegStatus::Ok:
        break;
    case RegStatus::NotFound:
        return false;
    default:
        return failure(UpCheckCode::RegistryFailure);
    }
    if (registry_.closeKey(key) != RegStatus::Ok)
        return failure(UpCheckCode::RegistryFailure);
    return true;
}

UpCheckResult<bool> UpCheck::CheckNewVer() {
    if (mailAddress_.empty())
        return failure(UpCheckCode::NoMailAddress);
    const std::u16string &name = distinctName_.empty() ? program_.productName : distinctName_;
    if (name.empty())
        return failure(UpCheckCode::NoProgramName);
    std::int32_t running = build_;
    if (running <= 0) {
        auto computed = versionBuild();
        if (!computed.ok())
            return computed.error();
        running = computed.value();
    }

    KeyHandle key = 0;
    std::string programKey = developerKey() + '\\' + text::toUtf8(name);
    if (registry_.openKey(RegistryRoot::CurrentUser, programKey, key) != RegStatus::Ok)
        return failure(UpCheckCode::RegistryFailure);
    platform::ScopedKey open(registry_, key);
    auto latest = readBuildNumber(registry_, key, "LatestBuild");
    auto next = readBuildNumber(registry_, key, "NextBuild");
    if (!latest || !next)
        return failure(UpCheckCode::RegistryFailure);
    // NextBuild, when set, marks the build from which the notice applies: a running build
    // at or above it hears of nothing newer.
    bool newer = *latest > running && (*next > running || *next == 0);
    if (open.close() != RegStatus::Ok)
        return failure(UpCheckCode::RegistryFailure);
    return newer;
}

UpCheckResult<> UpCheck::checkReadyToWrite() {
    auto installed = InstalledUpCheck();
    if (!installed.ok())
        return installed.error();
    if (!installed.value())
        return failure(UpCheckCode::NotInstalled);
    if (mailAddress_.empty())
        return failure(UpCheckCode::NoMailAddress);
    return {};
}

UpCheckResult<> UpCheck::InfoURL(std::u16string_view url, std::uint8_t slot) {
    if (slot <= 1) {
        infoURL_ = url;
        return {};
    }
    if (auto ready = checkReadyToWrite(); !ready.ok())
        return ready.error();
    if (url.empty())
        return failure(UpCheckCode::NoInfoURL);

    KeyHandle key = 0;
    if (registry_.createKey(RegistryRoot::CurrentUser, developerKey(), key) != RegStatus::Ok)
        return failure(UpCheckCode::RegistryFailure);
    platform::ScopedKey open(registry_, key);
    if (!writeString(key, "InfoURL" + std::to_string(slot), url) || open.close() != RegStatus::Ok)
        return failure(UpCheckCode::RegistryFailure);
    return {};
}

UpCheckResult<> UpCheck::WriteData() {
    if (auto ready = checkReadyToWrite(); !ready.ok())
        return ready.error();
    if (author_.empty())
        return failure(UpCheckCode::NoAuthor);
    if (infoURL_.empty())
        return failure(UpCheckCode::NoInfoURL);
    if (distinctName_.empty()) {
        if (program_.productName.empty())
            return failure(UpCheckCode::NoProgramName);
        distinctName_ = program_.productName;
    }
    if (iconIndex_ < 0)
        return failure(UpCheckCode::NegativeIconIndex);
    if (build_ <= 0) {
        auto computed = versionBuild();
        if (!computed.ok())
            return computed.error();
        build_ = computed.value();
    }

    if (!writeDeveloperKey() || !writeProgramKey())
        return failure(UpCheckCode::RegistryFailure);
    return {};
}

bool UpCheck::writeDeveloperKey() {
    KeyHandle key = 0;
    if (registry_.createKey(RegistryRoot::CurrentUser, developerKey(), key) != RegStatus::Ok)
        return false;
    platform::ScopedKey open(registry_, key);
    return writeString(key, "Author", author_) && writeString(key, "InfoURL", infoURL_) &&
           (displayHost_.empty() || writeString(key, "DisplayHost", displayHost_)) &&
           open.close() == RegStatus::Ok;
}

bool UpCheck::writeProgramKey() {
    KeyHandle key = 0;
    std::string programKey = developerKey() + '\\' + text::toUtf8(distinctName_);
    if (registry_.createKey(RegistryRoot::CurrentUser, programKey, key) != RegStatus::Ok)
        return false;
    platform::ScopedKey open(registry_, key);
    return writeString(key, "DistinctName", distinctName_) && writeNumber(key, "Build", build_) &&
           (iconIndex_ <= 0 || writeNumber(key, "IconIndex", iconIndex_)) &&
           (filePath_.empty() || writeString(key, "FilePath", filePath_)) &&
           (displayName_.empty() || writeString(key, "DisplayName", displayName_)) &&
           open.close() == RegStatus::Ok;
}

bool UpCheck::writeString(KeyHandle key, std::string_view name, std::u16string_view text) {
    return registry_.setString(key, name, text::toUtf8(text)) == RegStatus::Ok;
}

bool UpCheck::writeNumber(KeyHandle key, std::string_view name, std::int32_t number) {
    return registry_.setNumber(key, name, static_cast<std::uint32_t>(number)) == RegStatus::Ok;
}

// major × 10000 + minor × 100 + revision in 16-bit signed arithmetic, the width in which
// the version numbers are held: every number, product and partial sum must fit.
UpCheckResult<std::int32_t> UpCheck::versionBuild() const {
    auto fits = [](std::int64_t n) {
        return n >= std::numeric_limits<std::int16_t>::min() &&
               n <= std::numeric_limits<std::int16_t>::max();
    };
    const std::pair<std::int64_t, std::int64_t> terms[] = {
        {program_.major, 10000}, {program_.minor, 100}, {program_.revision, 1}};
    std::int64_t build = 0;
    for (auto [number, scale] : terms) {
        if (!fits(number) || !fits(number * scale) || !fits(build + number * scale))
            return UpCheckError::overflow();
        build += number * scale;
    }
    return static_cast<std::int32_t>(build);
}

std::string UpCheck::developerKey() const {
    return std::string(kCheckerKey) + '\\' + text::toUtf8(mailAddress_);
}

} // namespace tovalo::update
