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
    bool setNormalAttributes(const QString &path) override;
};

} // namespace tovalo::platform
