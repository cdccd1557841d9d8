#include "settings/settings_file.h"

#include "engine/numbers.h"
#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "platform/text/encode.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace tovalo::settings {
namespace {

constexpr char16_t kQuote = u'"';
constexpr std::u16string_view kTrue = u"#TRUE#";
constexpr std::u16string_view kFalse = u"#FALSE#";

std::u16string quoted(std::u16string_view text) {
    std::u16string out(1, kQuote);
    for (char16_t c : text) {
        if (c == kQuote)
            out += kQuote;
        out += c;
    }
    out += kQuote;
    return out;
}

std::u16string integer(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string boolean(bool value) {
    return std::u16string(value ? kTrue : kFalse);
}

void appendRecord(std::u16string &out, std::initializer_list<std::u16string> fields) {
    bool first = true;
    for (const std::u16string &field : fields) {
        if (!first)
            out += u',';
        out += field;
        first = false;
    }
    out += u"\r\n";
}

// The file is code page 932, or UTF-8 behind a byte-order mark when that code page lacks
// a character. Without the mark the bytes are code page 932 even when they happen to be
// well-formed UTF-8 as well, as those of "ﾃｱ" are.
std::u16string fileText(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") ? text::decodeText(bytes) : text::fromCp932(bytes);
}

bool isLineEnd(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Takes the fields of the file one after another, without regard to physical lines.
class FieldReader {
public:
    explicit FieldReader(std::u16string_view text) : text_(text) {}

    bool text(std::u16string &into) {
        std::optional<std::u16string> field = next();
        if (field)
            into = std::move(*field);
        return field.has_value();
    }

    bool integer(std::int16_t &into) {
        std::optional<std::u16string> field = next();
        if (!field)
            return false;
        const engine::Reading<std::int16_t> number = engine::readLineCount(*field);
        if (number.ok())
            into = number.value;
        return number.ok();
    }

    bool boolean(bool &into) {
        std::optional<std::u16string> field = next();
        if (!field)
            return false;
        const std::u16string_view word = withoutTrailingSpaces(*field);
        if (word != kTrue && word != kFalse)
            return false;
        into = word == kTrue;
        return true;
    }

private:
    // The next field's characters; nothing when the file ends before the field does.
    std::optional<std::u16string> next() {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || isLineEnd(text_[pos_])))
            ++pos_;
        if (pos_ == text_.size())
            return std::nullopt;
        return text_[pos_] == kQuote ? quotedField() : plainField();
    }

    // A text between quotation marks, line breaks included; two marks in a row stand
    // for one mark inside the text.
    std::optional<std::u16string> quotedField() {
        std::u16string field;
        ++pos_;
        for (;;) {
            const std::size_t close = text_.find(kQuote, pos_);
            if (close == std::u16string_view::npos)
                return std::nullopt;
            field.append(text_.substr(pos_, close - pos_));
            pos_ = close + 1;
            if (pos_ < text_.size() && text_[pos_] == kQuote) {
                field += kQuote;
                ++pos_;
                continue;
            }
            break;
        }
        skipPastSeparator();
        return field;
    }

    std::optional<std::u16string> plainField() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
        std::u16string field(text_.substr(start, pos_ - start));
        skipPastSeparator();
        return field;
    }

    // Moves just past the next comma or line end (a CR LF pair counts as one).
    void skipPastSeparator() {
        while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
        if (pos_ == text_.size())
            return;
        const char16_t separator = text_[pos_++];
        if (separator == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
    }

    static std::u16string_view withoutTrailingSpaces(std::u16string_view s) {
        while (!s.empty() && s.back() == u' ')
            s.remove_suffix(1);
        return s;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::string writeSettingsFile(const SettingsRecords &r) {
    const engine::Settings &s = r.settings;
    std::u16string out;
    appendRecord(out, {integer(s.separatorKind), integer(s.startText), quoted(s.pageRule)});
    appendRecord(out, {boolean(s.barForLongVowel), boolean(s.fullWidth), boolean(s.shaping)});
    appendRecord(out, {quoted(r.height), quoted(r.lines), integer(r.fixedLines ? 1 : 0)});
    appendRecord(out, {quoted(s.mailProgram)});
    appendRecord(out, {quoted(r.source)});
    appendRecord(out, {quoted(r.vertical)});
    return text::encodeForFile(out);
}

int readSettingsFile(std::string_view bytes, SettingsRecords &r) {
    const std::u16string text = fileText(bytes);
    FieldReader in(text);
    engine::Settings &s = r.settings;
    if (!(in.integer(s.separatorKind) && in.integer(s.startText) && in.text(s.pageRule)))
        return 0;
    if (!(in.boolean(s.barForLongVowel) && in.boolean(s.fullWidth) && in.boolean(s.shaping)))
        return 1;
    std::u16string fixedLinesState;
    if (!(in.text(r.height) && in.text(r.lines) && in.text(fixedLinesState)))
        return 2;
    r.fixedLines = fixedLinesState == u"1";
    if (!in.text(s.mailProgram))
        return 3;
    if (!in.text(r.source))
        return 4;
    if (!in.text(r.vertical))
        return 5;
    return kSettingsRecordCount;
}

} // namespace tovalo::settings
