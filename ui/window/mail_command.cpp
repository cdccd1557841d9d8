// The mail button: starts the user's mail program, asking for it first when none is
// known, the known one is gone, or the user holds Shift.
#include "ui/window/window_commands.h"

#include "engine/settings.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "platform/qt/shell.h"
#include "ui/window/window_texts.h"

#include <QMainWindow>

namespace tovalo::ui {

// The chosen file is remembered whatever it is; only a program is started. The choice
// never becomes the name that the open and save dialogs propose.
void WindowCommands::BtnMailPressed(bool onlyShift) {
    std::u16string &mailSoft = controls_.settings.mailProgram;
    const auto known = [&] {
        return !mailSoft.empty() &&
               services_.files.existsIncludingHidden(QString::fromStdU16String(mailSoft));
    };
    if (!known() || onlyShift) {
        const std::optional<QString> chosen = services_.dialogs.openFileName(
            &controls_.window, {texts::tr(texts::kMailTitle), QString::fromStdU16String(mailSoft),
                                texts::tr(texts::kMailFilter)});
        if (!chosen)
            return;
        mailSoft = chosen->toStdU16String();
    }
    if (known())
        services_.shell.startProgram(QString::fromStdU16String(mailSoft));
}

} // namespace tovalo::ui
