#pragma once

// Errors: every call that can fail returns an UpCheckResult; check ok() before value().
// On failure error() holds the number (0x80040000 plus the code, or 6 for an overflow)
// and the message. UpCheck shows nothing itself and throws nothing; a caller that only
// needs to know that registration failed can treat every error alike.

#include "platform/registry/registry.h"
#include "update/up_check_error.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tovalo::update {

// What the program knows about itself.
struct ProgramIdentity {
    std::u16string productName;
    int major = 0;
    int minor = 0;
    int revision = 0;
    // The path of the program file, asked for when FilePath is set to true.
    std::function<std::u16string()> filePath;

    // This build's name and version, and the real path of the running executable.
    static ProgramIdentity running();
};

// Registers the program with the update checker "更新風鐸", an outside program that shares
// the keys below Software\Upcheck in the current user's registry, and learns from it
// whether a newer build is known. The setters store their value without checks; no key
// stays open between calls.
class UpCheck {
public:
    explicit UpCheck(platform::Registry &registry,
                     ProgramIdentity program = ProgramIdentity::running());

    // true records the program file's path now; false records no path.
    void FilePath(bool value);
    // Whether the checker is installed (its key exists).
    UpCheckResult<bool> InstalledUpCheck();
    // Whether the checker knows of a build newer than the running one.
    UpCheckResult<bool> CheckNewVer();

    void MailAddress(std::u16string_view value) { mailAddress_ = value; }
    void DisplayHost(std::u16string_view value) { displayHost_ = value; }
    void Author(std::u16string_view value) { author_ = value; }
    void DisplayName(std::u16string_view value) { displayName_ = value; }
    // The program's unique name; the product name stands in while it is empty.
    void DistinctName(std::u16string_view value) { distinctName_ = value; }
    // The running build; 0 or below means computed from the version.
    void Build(std::int32_t value) { build_ = value; }
    void IconIndex(std::int32_t value) { iconIndex_ = value; }

    // Slot 0 or 1 sets the address of the update-information file for WriteData;
    // 2 to 255 writes a further address as InfoURL<slot> at once.
    UpCheckResult<> InfoURL(std::u16string_view url, std::uint8_t slot);
    // Writes the developer's and the program's description for the checker.
    UpCheckResult<> WriteData();

private:
    // The checks every write starts with: the checker is installed and a mail
    // address is set.
    UpCheckResult<> checkReadyToWrite();
    bool writeString(platform::KeyHandle key, std::string_view name, std::u16string_view text);
    bool writeNumber(platform::KeyHandle key, std::string_view name, std::int32_t number);
    bool writeDeveloperKey();
    bool writeProgramKey();
    UpCheckResult<std::int32_t> versionBuild() const;
    std::string developerKey() const;

    platform::Registry &registry_;
    ProgramIdentity program_;
    std::u16string filePath_;
    std::u16string mailAddress_;
    std::u16string displayHost_;
    std::u16string author_;
    std::u16string displayName_;
    std::u16string distinctName_;
    std::u16string infoURL_;
    std::int32_t build_ = 0;
    std::int32_t iconIndex_ = 0;
};

} // namespace tovalo::update
