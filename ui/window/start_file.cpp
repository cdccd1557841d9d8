#include "ui/window/start_file.h"

#include <QFileInfo>
#include <QUrl>

namespace tovalo::ui {
namespace {

QString absolutePath(const QString &argument) {
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

std::optional<QString> fileToOpenAtStart(const QStringList &arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--"))
            return i + 1 < arguments.size() ? std::optional(absolutePath(arguments[i + 1]))
                                            : std::nullopt;
        if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            return absolutePath(argument);
    }
    return std::nullopt;
}

} // namespace tovalo::ui
