#include "text_io.h"

#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "platform/text/line_breaks.h"
#include "platform/text/unicode.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tovalo::cli {

namespace {

// Reads the whole stream; false when a read error occurs.
bool readAll(std::FILE *in, std::string &bytes) {
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        bytes.append(buffer, n);
    return !std::ferror(in);
}

} // namespace

std::optional<std::u16string> readInputText(const std::optional<std::string> &file,
                                            std::string &error) {
    std::string bytes;
    if (!file || *file == "-") {
        if (!readAll(stdin, bytes)) {
            error = std::string("cannot read standard input: ") + std::strerror(errno);
            return std::nullopt;
        }
    } else {
        std::FILE *in = std::fopen(file->c_str(), "rb");
        if (!in) {
            error = "cannot read " + *file + ": " + std::strerror(errno);
            return std::nullopt;
        }
        const bool ok = readAll(in, bytes);
        const int readErrno = errno;
        std::fclose(in);
        if (!ok) {
            error = "cannot read " + *file + ": " + std::strerror(readErrno);
            return std::nullopt;
        }
    }
    return text::withCrLf(text::decodeText(bytes));
}

std::u16string argumentText(const std::string &bytes) {
    return text::decodeText(bytes);
}

bool writeOutputText(const std::u16string &text, OutputForm form) {
    const std::u16string lines = form.crlf ? text : tovalo::text::withLf(text);
    const std::string bytes =
        form.sjis ? tovalo::text::toCp932(lines) : tovalo::text::toUtf8(lines);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

} // namespace tovalo::cli
