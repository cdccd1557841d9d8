#include "text_io.h"

#include "engine/char_rules.h"
#include "engine/layout.h"
#include "platform/encoding/detect.h"
#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "platform/text/encode.h"
#include "platform/text/line_breaks.h"
#include "platform/text/unicode.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tovalo::cli {

namespace {

// Every character of a text the engine can convert gives at least one code unit of its
// result, so a source of more code units (not counting the blanks at its end, which the
// conversion trims) cannot convert. Each code unit takes at most three bytes in the
// encodings read (UTF-8; UTF-16 and Shift_JIS take two), after a byte-order mark of at
// most three. Longer input could convert only if its end were mostly blanks; it is
// refused all the same, so that memory stays bounded.
constexpr std::size_t kMaxInputBytes = 3 * static_cast<std::size_t>(engine::kMaxResultUnits) + 3;

const char *const kTooLarge = "the input is too large";

enum class ReadEnd { Whole, Failed, TooLarge };

// Reads the whole stream, but never more than the largest input that can convert, so
// that an endless stream such as /dev/zero ends at once.
ReadEnd readAll(std::FILE *in, std::string &bytes) {
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (n > kMaxInputBytes - bytes.size())
            return ReadEnd::TooLarge;
        bytes.append(buffer, n);
    }
    return std::ferror(in) ? ReadEnd::Failed : ReadEnd::Whole;
}

// Reads the file, or standard input when `file` names none; on failure sets error.
std::optional<std::string> readInputBytes(const std::optional<std::string> &file,
                                          std::string &error) {
    const bool standardInput = !file || *file == "-";
    std::FILE *in = standardInput ? stdin : std::fopen(file->c_str(), "rb");
    const std::string name = standardInput ? "standard input" : *file;
    if (!in) {
        error = "cannot read " + name + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    const ReadEnd end = readAll(in, bytes);
    const int readErrno = errno;
    if (!standardInput)
        std::fclose(in);
    if (end == ReadEnd::TooLarge)
        error = kTooLarge;
    else if (end == ReadEnd::Failed)
        error = "cannot read " + name + ": " + std::strerror(readErrno);
    else
        return bytes;
    return std::nullopt;
}

// The character at `at` as "X (U+XXXX)", or only its code for a lone surrogate.
std::string describeCharacter(std::u16string_view text, std::size_t at) {
    std::size_t end = at;
    const char32_t code = text::nextCodePoint(text, end);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    if (code >= 0xD800 && code <= 0xDFFF)
        return hex;
    return text::toUtf8(text.substr(at, end - at)) + " (" + hex + ")";
}

} // namespace

std::optional<std::u16string> readInputText(const std::optional<std::string> &file,
                                            std::string &error) {
    std::optional<std::string> bytes = readInputBytes(file, error);
    if (!bytes)
        return std::nullopt;
    std::optional<std::u16string> read = text::decodeTextFile(*bytes);
    bytes.reset();
    if (!read) {
        error = (!file || *file == "-" ? std::string("standard input") : *file) +
                " is not text (it holds NUL bytes or bytes that stand for no character)";
        return std::nullopt;
    }
    std::u16string decoded = std::move(*read);
    if (engine::TrimText(decoded).size() > static_cast<std::size_t>(engine::kMaxResultUnits)) {
        error = kTooLarge;
        return std::nullopt;
    }
    return text::withCrLf(decoded);
}

std::u16string argumentText(const std::string &bytes) {
    return text::decodeText(bytes);
}

bool writeOutputText(const std::u16string &text, OutputForm form, std::string &error) {
    const std::u16string lines = form.crlf ? text : tovalo::text::withLf(text);
    if (form.sjis) {
        if (const std::optional<std::size_t> at = text::firstUnencodable(lines)) {
            const auto line = std::count(lines.begin(), lines.begin() + *at, u'\n') + 1;
            error = "Shift_JIS cannot represent the character " + describeCharacter(lines, *at) +
                    " on line " + std::to_string(line) + " of the result";
            return false;
        }
    }
    const std::string bytes =
        form.sjis ? tovalo::text::toCp932(lines) : tovalo::text::toUtf8(lines);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        error = std::string("cannot write the result: ") + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace tovalo::cli
