#pragma once

#include "platform/qt/files.h"

#include <QMap>
#include <QSet>

namespace tovalo::platform {

// Files held in memory, for tests. A file whose name begins with a dot is hidden.
class FakeFiles : public Files {
public:
    QString programFolderPath = QStringLiteral("/opt/tovalo");
    QString configFolderPath = QStringLiteral("/home/user/.config");
    QSet<QString> readOnlyFolders;
    QMap<QString, QByteArray> contents;
    QSet<QString> unreadable; // files that exist but cannot be read
    QSet<QString> readOnly;   // files that exist but cannot be replaced
    bool failWrites = false;  // every write fails and leaves the old content
    QSet<QString> normalized; // files whose attributes were set to normal
    QSet<QString> madeFolders;
    int writeCount = 0;
    // Files in Qt's INI format, apart from `contents`; those in `unreadable` read as
    // damaged. Writes fail as those of `contents` do.
    QMap<QString, IniEntries> iniContents;

    QString programFolder() const override { return programFolderPath; }
    QString userConfigFolder() const override { return configFolderPath; }
    bool isWritableFolder(const QString &folder) const override;
    bool exists(const QString &path) const override;
    bool existsIncludingHidden(const QString &path) const override;
    std::optional<qint64> fileSize(const QString &path) const override;
    std::optional<QByteArray> readBytes(const QString &path) const override;
    bool writeBytesAtomically(const QString &path, const QByteArray &bytes,
                              QString &error) override;
    bool makeFolder(const QString &folder, QString &error) override;
    bool renameReplacing(const QString &from, const QString &to, QString &error) override;
    bool setNormalAttributes(const QString &path) override;
    std::optional<IniEntries> readIni(const QString &path) const override;
    bool writeIni(const QString &path, const IniEntries &entries, QString &error) override;

private:
    QString writeProblem(const QString &path) const;
};

} // namespace tovalo::platform
