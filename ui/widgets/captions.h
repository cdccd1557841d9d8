#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the user reads is written in Japanese in a table of its window, marked for
// Qt's translation tools with the table's context:
//     constexpr char kAuto[] = QT_TRANSLATE_NOOP("MainWindow", "自動更新");
// and shown through the table's `tr`, which gives the installed translation or, where
// none is installed, the Japanese text itself:
//     texts::tr(texts::kAuto)
// Texts that are data rather than captions (file names, the product's name) stay UTF-16
// constants and are shown through `qs`.
namespace tovalo::ui {

// A text kept as a UTF-16 constant, as a QString.
inline QString qs(const char16_t *text) {
    return QString::fromUtf16(text);
}

// The caption `text` of the table `context` in the user's language.
inline QString translated(const char *context, const char *text) {
    return QCoreApplication::translate(context, text);
}

} // namespace tovalo::ui
