#include "ui/widgets/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tovalo::ui {
namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

// Registers the fallbacks once; Qt tries them in order when a family is missing.
void installSubstitutes() {
    static const bool installed = [] {
        const QString monospace = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        QFont::insertSubstitutions(
            kGothic, QStringList{QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                                 QStringLiteral("Noto Sans Mono CJK JP"), monospace});
        QFont::insertSubstitutions(
            kPGothic, QStringList{QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                  QStringLiteral("Noto Sans CJK JP"), general});
        return true;
    }();
    (void)installed;
}

} // namespace

QFont paneFont() {
    installSubstitutes();
    QFont font(kGothic, 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Kerning would move the cells of a row out of their columns; a grid of single
    // characters needs no shaping either, and skipping it keeps long rows fast.
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont controlFont() {
    installSubstitutes();
    return QFont(kPGothic, 9);
}

} // namespace tovalo::ui
