// Writes the character tables of the text services as C++ source, at build time:
// the grapheme-break classes, Extended_Pictographic and the East Asian Width from the
// Unicode character database, and code page 932 in both directions from the build
// machine's iconv. The program itself then needs neither at run time.
//
//   make_text_tables UNICODE_DATA_FOLDER OUTPUT.cpp

#include "platform/text/char_props.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tovalo::text;

namespace {

constexpr char32_t kCodePoints = 0x110000;

std::string trim(const std::string &s) {
    const auto b = s.find_first_not_of(" \t");
    const auto e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// Calls take(first, last, value) for every "XXXX[..YYYY] ; value" line of a data file.
template <class Take> bool readRanges(const std::string &path, Take take) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "make_text_tables: cannot read " << path << '\n';
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        line = trim(line.substr(0, line.find('#')));
        const auto semicolon = line.find(';');
        if (line.empty() || semicolon == std::string::npos)
            continue;
        const std::string range = trim(line.substr(0, semicolon));
        const std::string value = trim(line.substr(semicolon + 1));
        const auto dots = range.find("..");
        const auto first = static_cast<char32_t>(std::stoul(range.substr(0, dots), nullptr, 16));
        const auto last =
            dots == std::string::npos
                ? first
                : static_cast<char32_t>(std::stoul(range.substr(dots + 2), nullptr, 16));
        take(first, last, value);
    }
    return true;
}

GraphemeClass classNamed(const std::string &name) {
    static const std::map<std::string, GraphemeClass> names = {
        {"CR", GraphemeClass::CR},
        {"LF", GraphemeClass::LF},
        {"Control", GraphemeClass::Control},
        {"Extend", GraphemeClass::Extend},
        {"ZWJ", GraphemeClass::ZWJ},
        {"Regional_Indicator", GraphemeClass::RegionalIndicator},
        {"Prepend", GraphemeClass::Prepend},
        {"SpacingMark", GraphemeClass::SpacingMark},
        {"L", GraphemeClass::L},
        {"V", GraphemeClass::V},
        {"T", GraphemeClass::T},
        {"LV", GraphemeClass::LV},
        {"LVT", GraphemeClass::LVT},
    };
    const auto found = names.find(name);
    return found == names.end() ? GraphemeClass::Other : found->second;
}

// One character through iconv; the number of output bytes, or -1.
int convert(iconv_t cd, const char *in, std::size_t inLen, unsigned char *out, std::size_t cap) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    auto *inPtr = const_cast<char *>(in);
    auto *outPtr = reinterpret_cast<char *>(out);
    std::size_t outLeft = cap;
    if (iconv(cd, &inPtr, &inLen, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLen != 0)
        return -1;
    return static_cast<int>(cap - outLeft);
}

struct CodePage {
    std::vector<std::pair<unsigned, unsigned>> encode; // character, code (< 0x100: one byte)
    std::vector<std::pair<unsigned, unsigned>> decode; // code, character
};

bool readCodePage(CodePage &cp) {
    iconv_t toCp = iconv_open("CP932", "UTF-16LE");
    iconv_t fromCp = iconv_open("UTF-16LE", "CP932");
    if (toCp == reinterpret_cast<iconv_t>(-1) || fromCp == reinterpret_cast<iconv_t>(-1)) {
        std::cerr << "make_text_tables: iconv does not know CP932\n";
        return false;
    }
    unsigned char out[8];
    for (unsigned ch = 0; ch < 0x10000; ++ch) {
        if (ch >= 0xD800 && ch < 0xE000)
            continue;
        const char in[2] = {static_cast<char>(ch & 0xFF), static_cast<char>(ch >> 8)};
        const int n = convert(toCp, in, 2, out, sizeof out);
        if (n == 1)
            cp.encode.emplace_back(ch, out[0]);
        else if (n == 2)
            cp.encode.emplace_back(ch, out[0] << 8 | out[1]);
    }
    auto decodeOne = [&](const char *bytes, std::size_t len, unsigned code) {
        if (convert(fromCp, bytes, len, out, sizeof out) == 2) {
            cp.decode.emplace_back(code, out[0] | out[1] << 8);
            return true;
        }
        return false;
    };
    for (unsigned b = 0; b < 0x100; ++b) {
        const char one[1] = {static_cast<char>(b)};
        if (decodeOne(one, 1, b))
            continue;
        for (unsigned trail = 0x40; trail < 0x100; ++trail) {
            const char two[2] = {static_cast<char>(b), static_cast<char>(trail)};
            decodeOne(two, 2, b << 8 | trail);
        }
    }
    iconv_close(toCp);
    iconv_close(fromCp);
    return true;
}

void writePairs(std::ostream &out, const char *name,
                const std::vector<std::pair<unsigned, unsigned>> &pairs) {
    out << "extern const std::uint16_t " << name << "[][2];\n";
    out << "const std::uint16_t " << name << "[][2] = {";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        out << (i % 6 ? " " : "\n    ") << "{0x" << std::hex << pairs[i].first << ", 0x"
            << pairs[i].second << std::dec << "},";
    out << "\n};\n";
    out << "extern const std::size_t " << name << "Size;\n";
    out << "const std::size_t " << name << "Size = " << pairs.size() << ";\n\n";
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: make_text_tables UNICODE_DATA_FOLDER OUTPUT.cpp\n";
        return 2;
    }
    const std::string ucd = argv[1];
    std::vector<std::uint8_t> props(kCodePoints, 0);

    // Unassigned code points of the ideograph blocks and planes 2 and 3 are wide.
    for (auto [first, last] : {std::pair<char32_t, char32_t>{0x3400, 0x4DBF},
                               {0x4E00, 0x9FFF},
                               {0xF900, 0xFAFF},
                               {0x20000, 0x2FFFD},
                               {0x30000, 0x3FFFD}})
        for (char32_t c = first; c <= last; ++c)
            props[c] |= kWide;
    const bool read = readRanges(ucd + "/EastAsianWidth.txt",
                                 [&](char32_t first, char32_t last, const std::string &value) {
                                     for (char32_t c = first; c <= last; ++c)
                                         props[c] = (value == "W" || value == "F")
                                                        ? (props[c] | kWide)
                                                        : (props[c] & ~kWide);
                                 }) &&
                      readRanges(ucd + "/auxiliary/GraphemeBreakProperty.txt",
                                 [&](char32_t first, char32_t last, const std::string &value) {
                                     for (char32_t c = first; c <= last; ++c)
                                         props[c] = (props[c] & ~kClassMask) |
                                                    static_cast<std::uint8_t>(classNamed(value));
                                 }) &&
                      readRanges(ucd + "/emoji/emoji-data.txt",
                                 [&](char32_t first, char32_t last, const std::string &value) {
                                     if (value == "Extended_Pictographic")
                                         for (char32_t c = first; c <= last; ++c)
                                             props[c] |= kExtendedPictographic;
                                 });
    CodePage cp;
    if (!read || !readCodePage(cp))
        return 1;
    for (auto [ch, code] : cp.encode)
        props[ch] |= kInCodePage | (code < 0x100 ? kOneByte : 0);

    // Two stages: blocks of kBlockSize properties, shared by every range that has the same.
    std::vector<std::array<std::uint8_t, kBlockSize>> blocks;
    std::map<std::array<std::uint8_t, kBlockSize>, std::size_t> blockIndex;
    std::vector<std::size_t> index;
    for (char32_t start = 0; start < kCodePoints; start += kBlockSize) {
        std::array<std::uint8_t, kBlockSize> block;
        std::copy(props.begin() + start, props.begin() + start + kBlockSize, block.begin());
        auto [found, added] = blockIndex.emplace(block, blocks.size());
        if (added)
            blocks.push_back(block);
        index.push_back(found->second);
    }

    // Written beside the output and renamed, so that a failed run leaves no half table.
    const std::string partial = std::string(argv[2]) + ".partial";
    std::ofstream out(partial);
    out << "// Generated by make_text_tables from the Unicode character database and iconv.\n"
           "// Do not edit.\n"
           "#include <cstddef>\n#include <cstdint>\n\nnamespace tovalo::text::tables {\n\n";
    out << "extern const std::uint16_t kPropertyIndex[" << index.size() << "];\n";
    out << "const std::uint16_t kPropertyIndex[" << index.size() << "] = {";
    for (std::size_t i = 0; i < index.size(); ++i)
        out << (i % 16 ? " " : "\n    ") << index[i] << ',';
    out << "\n};\n\n";
    out << "extern const std::uint8_t kPropertyBlocks[][" << kBlockSize << "];\n";
    out << "const std::uint8_t kPropertyBlocks[][" << kBlockSize << "] = {\n";
    for (const auto &block : blocks) {
        out << "    {";
        for (std::size_t i = 0; i < block.size(); ++i)
            out << (i % 32 ? "" : "\n        ") << int(block[i]) << ',';
        out << "},\n";
    }
    out << "};\n\n";
    // Bit sets over the BMP for the two questions asked of every character: is it plain
    // (an ordinary character, a line break or a control character, none of which joins
    // a neighbour; never a surrogate), and is it half-width.
    auto writeBits = [&](const char *name, auto test) {
        out << "extern const std::uint64_t " << name << "[1024];\n";
        out << "const std::uint64_t " << name << "[1024] = {";
        for (unsigned word = 0; word < 1024; ++word) {
            std::uint64_t bits = 0;
            for (unsigned b = 0; b < 64; ++b)
                if (test(word * 64 + b))
                    bits |= std::uint64_t{1} << b;
            out << (word % 4 ? " " : "\n    ") << "0x" << std::hex << bits << std::dec << "u,";
        }
        out << "\n};\n\n";
    };
    writeBits("kPlainBits", [&](unsigned ch) {
        const auto c = graphemeClass(props[ch]);
        return (ch < 0xD800 || ch >= 0xE000) &&
               (c == GraphemeClass::Other || c == GraphemeClass::CR || c == GraphemeClass::LF ||
                c == GraphemeClass::Control);
    });
    writeBits("kHalfWidthBits", [&](unsigned ch) { return isHalfWidth(props[ch]); });
    writePairs(out, "kCp932Encode", cp.encode);
    writePairs(out, "kCp932Decode", cp.decode);
    out << "} // namespace tovalo::text::tables\n";
    out.close();
    if (!out || std::rename(partial.c_str(), argv[2]) != 0) {
        std::cerr << "make_text_tables: cannot write " << argv[2] << '\n';
        return 1;
    }
    std::cerr << "make_text_tables: " << blocks.size() << " property blocks, " << cp.encode.size()
              << " encodable characters, " << cp.decode.size() << " codes\n";
    return 0;
}
