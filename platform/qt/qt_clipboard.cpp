#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tovalo::platform {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

// The program's texts break lines with CR LF; other programs on the desktop expect the
// platform's own line ends, which outside Windows are a lone LF, as the panes' own copy
// (Ctrl+C) puts them.
void QtClipboard::setText(const QString &text) {
#ifdef Q_OS_WIN
    QGuiApplication::clipboard()->setText(text);
#else
    QString withLineFeeds = text;
    withLineFeeds.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QGuiApplication::clipboard()->setText(withLineFeeds);
#endif
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

} // namespace tovalo::platform
