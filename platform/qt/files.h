#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <string>

namespace tovalo::platform {

// The entries of a file in Qt's INI format: "group/key" to its text.
using IniEntries = std::map<std::string, std::u16string>;

// The file system as the program uses it: its own folder, whole-file reads and
// writes, and the checks around them. Paths use '/' separators.
class Files {
public:
    virtual ~Files() = default;

    // The folder that holds the running program.
    virtual QString programFolder() const = 0;
    // A file the program ships with (the manual, the help page): beside the program,
    // or, for an installed program whose folder does not hold it, in the shared data
    // folder <prefix>/share/tovalo beside its bin folder.
    QString dataFile(const QString &name) const;
    // The user's configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
    virtual QString userConfigFolder() const = 0;
    // True when files can be created in the folder.
    virtual bool isWritableFolder(const QString &folder) const = 0;

    // True for an ordinary file: not a folder, not hidden (a dot file).
    virtual bool exists(const QString &path) const = 0;
    // True for a file, hidden or not.
    virtual bool existsIncludingHidden(const QString &path) const = 0;

    // The size in bytes of an ordinary file, hidden or not; nothing for a folder, a
    // device, a pipe or a name that names nothing.
    virtual std::optional<qint64> fileSize(const QString &path) const = 0;
    // The whole content; nothing when the file cannot be opened or read.
    virtual std::optional<QByteArray> readBytes(const QString &path) const = 0;
    // Replaces the file through a temporary file in the same folder, so that the old
    // content stays whole unless the new one was written completely, to the last byte.
    // A symbolic link stays and its target is replaced; the replaced file keeps its
    // permission bits. Refuses a read-only file, anything that is not an ordinary file
    // (a folder, a device, a pipe) and a name in a folder that does not exist. On
    // failure, says why in `error`.
    virtual bool writeBytesAtomically(const QString &path, const QByteArray &bytes,
                                      QString &error) = 0;
    // Creates the folder and the folders above it that are missing. On failure, says why
    // in `error`.
    virtual bool makeFolder(const QString &folder, QString &error) = 0;
    // Renames a file, replacing any file of the new name. On failure, says why in `error`.
    virtual bool renameReplacing(const QString &from, const QString &to, QString &error) = 0;
    // Lets the owner read and write the file.
    virtual bool setNormalAttributes(const QString &path) = 0;

    // The entries of a file in Qt's INI format; nothing when it is missing, cannot be
    // read or is not in that format.
    virtual std::optional<IniEntries> readIni(const QString &path) const = 0;
    // Replaces the file by one that holds exactly these entries, creating its folder when
    // missing. On failure, says why in `error`.
    virtual bool writeIni(const QString &path, const IniEntries &entries, QString &error) = 0;
};

} // namespace tovalo::platform
