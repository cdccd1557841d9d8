#include "platform/qt/files.h"

#include <QDir>

namespace tovalo::platform {

QString Files::dataFile(const QString &name) const {
    const QString beside = programFolder() + QLatin1Char('/') + name;
    if (exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(programFolder() + QStringLiteral("/../share/tovalo/") + name);
    return exists(installed) ? installed : beside;
}

} // namespace tovalo::platform
