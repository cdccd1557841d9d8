#include "platform/qt/qt_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

namespace tovalo::platform {
namespace {

// A file whose permission bits let nobody write it is read-only, as the read-only
// attribute is on Windows: it is refused even where the user could override the bits
// (as root).
bool isReadOnly(const QFileInfo &file) {
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !file.isWritable() || !(file.permissions() & anyWrite);
}

// Why the file may not be replaced, or nothing when it may.
QString refusalToReplace(const QString &path) {
    // QFileInfo looks through a symbolic link at the file it points to, and so do
    // QSaveFile and QSettings, which replace that file and keep its permission bits.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return QStringLiteral("not an ordinary file");
    if (target.exists() && isReadOnly(target))
        return QStringLiteral("the file is read-only");
    return {};
}

} // namespace

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
    error = refusalToReplace(path);
    if (!error.isEmpty())
        return false;
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        error = QStringLiteral("the folder does not exist");
        return false;
    }
    // commit() replaces the file even when the last buffered write failed, so the bytes
    // go straight to the temporary file, where a short write is the failure itself and
    // errno says why. Without a commit the temporary file is removed and the old file
    // stays as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        error = errno != 0 ? qt_error_string(errno) : file.errorString();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool QtFiles::makeFolder(const QString &folder, QString &error) {
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create the folder ") + folder;
        return false;
    }
    return true;
}

bool QtFiles::renameReplacing(const QString &from, const QString &to, QString &error) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        error = qt_error_string(errno);
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

// Values are read as texts; one that Qt reads as anything else (a list, where a value
// holds an unquoted comma, or a stored type) is left out, as damaged.
std::optional<IniEntries> QtFiles::readIni(const QString &path) const {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return std::nullopt;
    IniEntries entries;
    for (const QString &key : file.allKeys()) {
        const QVariant value = file.value(key);
        if (value.typeId() == QMetaType::QString)
            entries[key.toStdString()] = value.toString().toStdU16String();
    }
    return entries;
}

bool QtFiles::writeIni(const QString &path, const IniEntries &entries, QString &error) {
    error = refusalToReplace(path);
    if (!error.isEmpty() || !makeFolder(QFileInfo(path).absolutePath(), error))
        return false;
    QSettings file(path, QSettings::IniFormat);
    // What the file held before, readable or not, gives way to exactly these entries.
    file.clear();
    for (const auto &[key, value] : entries)
        file.setValue(QString::fromStdString(key), QString::fromStdU16String(value));
    file.sync();
    if (file.status() != QSettings::NoError) {
        error = file.status() == QSettings::AccessError ? QStringLiteral("cannot write the file")
                                                        : QStringLiteral("format error");
        return false;
    }
    return true;
}

} // namespace tovalo::platform
