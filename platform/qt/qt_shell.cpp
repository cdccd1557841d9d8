#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace tovalo::platform {

bool QtShell::startProgram(const QString &path) {
    const QFileInfo program(path);
    if (!program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), {});
}

bool QtShell::openDocument(const QString &path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::openUrl(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}

} // namespace tovalo::platform
