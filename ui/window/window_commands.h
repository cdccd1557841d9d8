#pragma once

#include <optional>

#include "ui/window/form1.h"
#include "ui/window/menu_bar.h"

#include <QObject>
#include <QString>

class QPushButton;

namespace tovalo::ui {

// The main window's controls that the menu commands and the three picture buttons
// at the top left work on.
struct WindowControls {
    QMainWindow &window;
    Pane &TxtOri;
    Pane &TxtTate;
    QPushButton &BtnPaste;
    QPushButton &BtnCopy;
    QPushButton &BtnMail;
    engine::Settings &settings;
};

// The main window's menu bar and the commands behind it and behind the buttons
// `BtnPaste`, `BtnCopy` and `BtnMail`: files, clipboard, mail program and help.
class WindowCommands : public QObject {
    Q_OBJECT
public:
    WindowCommands(WindowControls controls, Form1Services services);

    const MenuBar &menus() const { return menus_; }

    // Opens the text file at `path` into the source pane, as "開く" does once a name was
    // chosen, and shows its name in the window's title.
    void openFile(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectMenus();

    // Files.
    // Asks for a file name through the open or save dialog and keeps it as the
    // dialog's file name; nothing when the user cancels or gives no name.
    std::optional<QString> chooseFileName(bool forSaving, const char *filter);
    void MnuOpen();
    void MnuSave();
    // "name — Tovalo" after the file was opened or saved.
    void showFileInTitle(const QString &path);
    // A warning box with the program's title.
    void warn(const QString &text);

    // The clipboard and the selections of the panes.
    void selectAll(Pane &pane);
    void copySelection(Pane &pane);
    void MnuPaste();
    void MnuCut();
    void MnuCopyAll();
    void MnuTagCopy();
    void BtnPaste();
    void BtnCopyPressed(bool onlyShift);

    // The mail program.
    void BtnMailPressed(bool onlyShift);

    // Help.
    void MnuManual();
    void MnuHome();
    void MnuVer();

    WindowControls controls_;
    Form1Services services_;
    MenuBar menus_;
    // The name last chosen in the open or save dialog, which both propose.
    QString lastFileName_;
};

} // namespace tovalo::ui
