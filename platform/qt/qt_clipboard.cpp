#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tovalo::platform {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const QString &text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

} // namespace tovalo::platform
