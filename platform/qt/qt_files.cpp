#include "platform/qt/qt_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tovalo::platform {

QString QtFiles::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

QString QtFiles::userConfigFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool QtFiles::isWritableFolder(const QString &folder) const {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool QtFiles::exists(const QString &path) const {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool QtFiles::existsIncludingHidden(const QString &path) const {
    return QFileInfo(path).isFile();
}

std::optional<qint64> QtFiles::fileSize(const QString &path) const {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

std::optional<QByteArray> QtFiles::readBytes(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool QtFiles::writeBytesAtomically(const QString &path, const QByteArray &bytes, QString &error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create the folder ") + folder;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool QtFiles::setNormalAttributes(const QString &path) {
    QFile file(path);
    return file.setPermissions(file.permissions() | QFileDevice::ReadOwner |
                               QFileDevice::WriteOwner | QFileDevice::ReadUser |
                               QFileDevice::WriteUser);
}

} // namespace tovalo::platform
