#include "ui/window/window_commands.h"

#include "ui/widgets/pane.h"
#include "ui/window/menu_keys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

namespace tovalo::ui {

WindowCommands::WindowCommands(WindowControls controls, Form1Services services)
    : QObject(&controls.window), controls_(controls), services_(services),
      menus_(buildMenuBar(*controls.window.menuBar())) {
    connectMenus();
    new MenuKeys(controls_.window);
    // The copy and mail buttons act when a mouse button goes down on them, any button,
    // and not when they are pressed from the keyboard.
    controls_.BtnCopy.installEventFilter(this);
    controls_.BtnMail.installEventFilter(this);
    connect(&controls_.BtnPaste, &QPushButton::clicked, this, &WindowCommands::BtnPaste);
}

void WindowCommands::connectMenus() {
    const auto on = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    on(menus_.MnuOpen, &WindowCommands::MnuOpen);
    on(menus_.MnuSave, &WindowCommands::MnuSave);
    on(menus_.MnuClose, [this] { controls_.window.close(); });
    on(menus_.MnuAll, [this] { selectAll(controls_.TxtOri); });
    on(menus_.MnuPaste, &WindowCommands::MnuPaste);
    on(menus_.MnuCopy, [this] { copySelection(controls_.TxtOri); });
    on(menus_.MnuCut, &WindowCommands::MnuCut);
    on(menus_.MnuAll2, [this] { selectAll(controls_.TxtTate); });
    on(menus_.MnuCopy2, [this] { copySelection(controls_.TxtTate); });
    on(menus_.MnuCopyAll, &WindowCommands::MnuCopyAll);
    on(menus_.MnuTagCopy, &WindowCommands::MnuTagCopy);
    on(menus_.MnuManual, &WindowCommands::MnuManual);
    on(menus_.MnuHome, &WindowCommands::MnuHome);
    on(menus_.MnuVer, &WindowCommands::MnuVer);
    // The headings "-もとの文章-" and "-縦書き-" only label their groups.
}

bool WindowCommands::eventFilter(QObject *watched, QEvent *event) {
    // A quick second press arrives as a double click; it is a press all the same.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const Qt::KeyboardModifiers held = static_cast<QMouseEvent *>(event)->modifiers() &
                                       (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool onlyShift = held == Qt::ShiftModifier;
    if (watched == &controls_.BtnCopy)
        BtnCopyPressed(onlyShift);
    else if (watched == &controls_.BtnMail)
        BtnMailPressed(onlyShift);
    return false;
}

} // namespace tovalo::ui
