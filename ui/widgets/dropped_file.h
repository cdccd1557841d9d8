#pragma once

#include <QString>

#include <optional>

class QMimeData;

namespace tovalo::ui {

// The local file that dragged data names, the first one when it names several; nothing
// when it names none (plain text, a web address).
std::optional<QString> droppedFile(const QMimeData *data);

} // namespace tovalo::ui
