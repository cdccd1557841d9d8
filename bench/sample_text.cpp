#include "sample_text.h"

#include <random>

namespace tovalo::bench {

std::u16string sampleText(std::size_t characters) {
    const std::u16string kana =
        u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよ"
        u"らりるれろわをんアイウエオカキクケコー縦書変換文章日本語";
    const std::u16string ascii = u"abcxyz0123456789";
    std::mt19937 random(42);
    std::u16string text;
    text.reserve(characters + characters / 10);
    std::size_t lineLeft = 20 + random() % 41;
    while (text.size() < characters) {
        const unsigned roll = random() % 100;
        if (lineLeft == 0) {
            text += u"\r\n";
            lineLeft = 20 + random() % 41;
            continue;
        }
        if (roll < 6)
            text += u'、';
        else if (roll < 10)
            text += u'。';
        else if (roll < 16)
            text += ascii[random() % ascii.size()];
        else
            text += kana[random() % kana.size()];
        --lineLeft;
    }
    return text;
}

} // namespace tovalo::bench
