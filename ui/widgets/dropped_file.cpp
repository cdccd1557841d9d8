#include "ui/widgets/dropped_file.h"

#include <QMimeData>
#include <QUrl>

namespace tovalo::ui {

std::optional<QString> droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls())
        return std::nullopt;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return std::nullopt;
}

} // namespace tovalo::ui
