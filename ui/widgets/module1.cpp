#include "ui/widgets/module1.h"

#include "platform/qt/files.h"
#include "platform/qt/shell.h"
#include "platform/qt/window_order.h"

namespace tovalo::ui {

bool SetTopMost(platform::WindowOrder &order, QWidget &form, bool onTop) {
    return order.setTopMost(form, onTop);
}

bool OpenDocument(platform::Shell &shell, const platform::Files &files, const QString &path) {
    if (!files.existsIncludingHidden(path))
        return false;
    return shell.openDocument(path);
}

} // namespace tovalo::ui
