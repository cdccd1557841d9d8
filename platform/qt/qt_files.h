#pragma once

#include "platform/qt/files.h"

namespace tovalo::platform {

// The real file system, through Qt.
class QtFiles : public Files {
public:
    QString programFolder() const override;
    QString userConfigFolder() const override;
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
};

// The real file system, with the program's folder chosen by the caller: for tools and
// benchmarks that run the window as if the program lived in another folder.
class QtFilesInFolder : public QtFiles {
public:
    explicit QtFilesInFolder(QString folder) : folder_(std::move(folder)) {}
    QString programFolder() const override { return folder_; }

private:
    QString folder_;
};

} // namespace tovalo::platform
