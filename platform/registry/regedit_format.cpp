#include "platform/registry/regedit_format.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace tovalo::platform {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kEol = "\r\n";

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        lines.push_back(trimRight(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// Reads a quoted text that starts at s[pos]; only \\ and \" are escapes. On success
// pos is just past the closing quotation mark.
std::optional<std::string> readQuoted(std::string_view s, std::size_t &pos) {
    if (pos >= s.size() || s[pos] != '"')
        return std::nullopt;
    std::string text;
    for (++pos; pos < s.size();) {
        char c = s[pos++];
        if (c == '"')
            return text;
        if (c == '\\') {
            if (pos == s.size() || (s[pos] != '\\' && s[pos] != '"'))
                return std::nullopt;
            c = s[pos++];
        }
        text += c;
    }
    return std::nullopt;
}

template <typename Number> bool readHex(std::string_view digits, Number &out) {
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), out, 16);
    return error == std::errc() && end == digits.data() + digits.size();
}

// Reads a comma-separated list of two-digit hex bytes; the list may be empty.
std::optional<std::string> readHexBytes(std::string_view list) {
    std::string bytes;
    while (!list.empty()) {
        std::size_t comma = list.find(',');
        std::string_view digits = list.substr(0, comma);
        unsigned char byte = 0;
        if (digits.size() != 2 || !readHex(digits, byte))
            return std::nullopt;
        bytes += static_cast<char>(byte);
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
        if (list.empty())
            return std::nullopt;
    }
    return bytes;
}

std::optional<StoredValue> readData(std::string_view data) {
    if (data.starts_with('"')) {
        std::size_t pos = 0;
        auto text = readQuoted(data, pos);
        if (!text || pos != data.size())
            return std::nullopt;
        return StoredValue{ValueType::String, *text + '\0'};
    }
    if (data.starts_with("dword:")) {
        std::string_view digits = data.substr(6);
        std::uint32_t number = 0;
        if (digits.size() > 8 || !readHex(digits, number))
            return std::nullopt;
        return StoredValue{ValueType::Number, numberBytes(number)};
    }
    std::uint32_t type = static_cast<std::uint32_t>(ValueType::Binary);
    if (data.starts_with("hex(")) {
        std::size_t close = data.find(')');
        if (close == std::string_view::npos || !readHex(data.substr(4, close - 4), type))
            return std::nullopt;
        data.remove_prefix(close + 1);
    } else if (data.starts_with("hex")) {
        data.remove_prefix(3);
    } else {
        return std::nullopt;
    }
    if (!data.starts_with(':'))
        return std::nullopt;
    auto bytes = readHexBytes(data.substr(1));
    if (!bytes)
        return std::nullopt;
    return StoredValue{static_cast<ValueType>(type), std::move(*bytes)};
}

// The key path of a section name such as HKEY_CURRENT_USER\Software\Upcheck.
std::optional<std::string> sectionPath(std::string_view section, RegistryRoot root) {
    std::string_view name = rootName(root);
    if (!equalNoCase(section.substr(0, name.size()), name))
        return std::nullopt;
    section.remove_prefix(name.size());
    if (section.empty())
        return std::string();
    std::string_view path = section.substr(1);
    if (section.front() != '\\' || path.empty() || !isValidKeyPath(path))
        return std::nullopt;
    return std::string(path);
}

bool isBlankOrComment(std::string_view line) {
    line = trimLeft(line);
    return line.empty() || line.front() == ';';
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

std::string hexNumber(std::uint32_t number, int width) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%0*x", width, static_cast<unsigned>(number));
    return digits;
}

std::string hexBytes(std::string_view bytes) {
    std::string out;
    for (unsigned char byte : bytes) {
        if (!out.empty())
            out += ',';
        out += hexNumber(byte, 2);
    }
    return out;
}

std::string formatData(const StoredValue &value) {
    const std::string &bytes = value.bytes;
    if (value.type == ValueType::String && bytes.ends_with('\0') &&
        bytes.find_first_of(std::string_view("\r\n\0", 3)) == bytes.size() - 1)
        return quoted(std::string_view(bytes).substr(0, bytes.size() - 1));
    if (value.type == ValueType::Number && bytes.size() == 4)
        return "dword:" + hexNumber(numberFromBytes(bytes), 8);
    if (value.type == ValueType::Binary)
        return "hex:" + hexBytes(bytes);
    return "hex(" + hexNumber(static_cast<std::uint32_t>(value.type), 1) + "):" + hexBytes(bytes);
}

} // namespace

std::string_view rootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

std::optional<Hive> parseRegedit(std::string_view text, RegistryRoot root) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines = splitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && trimLeft(lines[i]).empty())
        ++i;
    Hive hive;
    if (i == lines.size())
        return hive;
    if (lines[i++] != kHeader)
        return std::nullopt;

    std::optional<std::string> section;
    for (; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (isBlankOrComment(line))
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return std::nullopt;
            section = sectionPath(line.substr(1, line.size() - 2), root);
            if (!section)
                return std::nullopt;
            hive.addKey(*section);
            continue;
        }
        if (!section)
            return std::nullopt;
        std::size_t pos = 1;
        std::optional<std::string> name = std::string();
        if (line.front() != '@') {
            pos = 0;
            name = readQuoted(line, pos);
        }
        if (!name || pos >= line.size() || line[pos] != '=')
            return std::nullopt;
        // Long hex lists go on over several lines, each but the last ending in a backslash.
        std::string data(line.substr(pos + 1));
        while (data.starts_with("hex") && data.ends_with('\\') && i + 1 < lines.size()) {
            data.pop_back();
            data += trimLeft(lines[++i]);
        }
        auto value = readData(data);
        if (!value)
            return std::nullopt;
        hive.set(*section, *name, std::move(*value));
    }
    return hive;
}

std::string formatRegedit(const Hive &hive, RegistryRoot root) {
    std::string out(kHeader);
    out += kEol;
    for (const auto &[path, values] : hive.keys()) {
        if (path.empty() && values.empty())
            continue;
        out += kEol;
        out += '[';
        out += rootName(root);
        if (!path.empty())
            out += '\\' + path;
        out += ']';
        out += kEol;
        for (const auto &[name, value] : values) {
            out += name.empty() ? "@" : quoted(name);
            out += '=' + formatData(value);
            out += kEol;
        }
    }
    return out;
}

} // namespace tovalo::platform
