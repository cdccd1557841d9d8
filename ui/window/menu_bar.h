#pragma once

class QAction;
class QMenuBar;

namespace tovalo::ui {

// The entries of the main window's menu bar, in the order they appear.
struct MenuBar {
    // "ファイル"
    QAction *MnuOpen;
    QAction *MnuSave;
    QAction *MnuClose;
    // "編集": a heading and four entries for the source pane, then the same for the
    // vertical pane.
    QAction *Mnu1;
    QAction *MnuAll;
    QAction *MnuPaste;
    QAction *MnuCopy;
    QAction *MnuCut;
    QAction *Mnu2;
    QAction *Mnu3;
    QAction *MnuAll2;
    QAction *MnuCopy2;
    QAction *MnuCopyAll;
    QAction *MnuTagCopy;
    // "設定": the menu bar entry itself is the command.
    QAction *MnuOption;
    // "ヘルプ"
    QAction *MnuManual;
    QAction *MnuHome;
    QAction *MnuVer;
};

// Fills an empty menu bar with the menus and their entries, captions and shortcuts.
// Nothing is connected yet.
MenuBar buildMenuBar(QMenuBar &bar);

} // namespace tovalo::ui
