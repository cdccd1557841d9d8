#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tovalo::ui {

// The file the program was asked to open, from its command line (the program's own name
// first, Qt's options already taken out): the first argument that is not an option, or
// the one after "--", as an absolute path. A file: address counts as its path.
std::optional<QString> fileToOpenAtStart(const QStringList &arguments);

} // namespace tovalo::ui
