#include "platform/qt/fake_files.h"

namespace tovalo::platform {
namespace {

bool isHidden(const QString &path) {
    return path.section(QLatin1Char('/'), -1).startsWith(QLatin1Char('.'));
}

QString folderOf(const QString &path) {
    return path.section(QLatin1Char('/'), 0, -2);
}

} // namespace

bool FakeFiles::isWritableFolder(const QString &folder) const {
    return !readOnlyFolders.contains(folder);
}

bool FakeFiles::exists(const QString &path) const {
    return contents.contains(path) && !isHidden(path);
}

bool FakeFiles::existsIncludingHidden(const QString &path) const {
    return contents.contains(path);
}

std::optional<qint64> FakeFiles::fileSize(const QString &path) const {
    if (!contents.contains(path))
        return std::nullopt;
    return contents.value(path).size();
}

std::optional<QByteArray> FakeFiles::readBytes(const QString &path) const {
    if (!contents.contains(path) || unreadable.contains(path))
        return std::nullopt;
    return contents.value(path);
}

// Why a write to the file fails, or nothing when it succeeds.
QString FakeFiles::writeProblem(const QString &path) const {
    if (failWrites || readOnlyFolders.contains(folderOf(path)))
        return QStringLiteral("Permission denied");
    if (readOnly.contains(path))
        return QStringLiteral("the file is read-only");
    return {};
}

bool FakeFiles::writeBytesAtomically(const QString &path, const QByteArray &bytes, QString &error) {
    ++writeCount;
    error = writeProblem(path);
    if (!error.isEmpty())
        return false;
    contents[path] = bytes;
    return true;
}

bool FakeFiles::makeFolder(const QString &folder, QString &error) {
    if (readOnlyFolders.contains(folderOf(folder))) {
        error = QStringLiteral("Permission denied");
        return false;
    }
    madeFolders.insert(folder);
    return true;
}

bool FakeFiles::renameReplacing(const QString &from, const QString &to, QString &error) {
    if (!contents.contains(from) || readOnlyFolders.contains(folderOf(to))) {
        error = QStringLiteral("Permission denied");
        return false;
    }
    contents[to] = contents.take(from);
    readOnly.remove(to);
    if (readOnly.remove(from))
        readOnly.insert(to);
    return true;
}

bool FakeFiles::setNormalAttributes(const QString &path) {
    if (!contents.contains(path))
        return false;
    normalized.insert(path);
    return true;
}

std::optional<IniEntries> FakeFiles::readIni(const QString &path) const {
    if (!iniContents.contains(path) || unreadable.contains(path))
        return std::nullopt;
    return iniContents.value(path);
}

bool FakeFiles::writeIni(const QString &path, const IniEntries &entries, QString &error) {
    error = writeProblem(path);
    if (!error.isEmpty())
        return false;
    iniContents[path] = entries;
    unreadable.remove(path);
    return true;
}

} // namespace tovalo::platform
