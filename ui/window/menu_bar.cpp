#include "ui/window/menu_bar.h"

#include "ui/window/window_texts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tovalo::ui {
namespace {

QAction *entry(QWidget *menu, const char *name, const char *caption, QKeySequence shortcut = {}) {
    auto *action = new QAction(texts::tr(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

QMenu *menu(QMenuBar &bar, const char *name, const char *caption) {
    auto *menu = new QMenu(texts::tr(caption), &bar);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleDescription(menu->objectName());
    bar.addMenu(menu);
    return menu;
}

} // namespace

MenuBar buildMenuBar(QMenuBar &bar) {
    MenuBar m{};
    QMenu *files = menu(bar, "MnuFiles", texts::kMenuFiles);
    m.MnuOpen = entry(files, "MnuOpen", texts::kOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    m.MnuSave = entry(files, "MnuSave", texts::kSave, QKeySequence(Qt::CTRL | Qt::Key_S));
    m.MnuClose = entry(files, "MnuClose", texts::kClose, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = menu(bar, "MnuEdit", texts::kMenuEdit);
    m.Mnu1 = entry(edit, "Mnu1", texts::kSourceHeading);
    m.MnuAll = entry(edit, "MnuAll", texts::kSelectAll);
    m.MnuPaste = entry(edit, "MnuPaste", texts::kPaste);
    m.MnuCopy = entry(edit, "MnuCopy", texts::kCopy);
    m.MnuCut = entry(edit, "MnuCut", texts::kCut);
    // A separator line shows no caption.
    m.Mnu2 = entry(edit, "Mnu2", "");
    m.Mnu2->setSeparator(true);
    m.Mnu3 = entry(edit, "Mnu3", texts::kVerticalHeading);
    m.MnuAll2 = entry(edit, "MnuAll2", texts::kSelectAll);
    m.MnuCopy2 = entry(edit, "MnuCopy2", texts::kCopy);
    m.MnuCopyAll = entry(edit, "MnuCopyAll", texts::kCopyAll);
    m.MnuTagCopy = entry(edit, "MnuTagCopy", texts::kTagCopy);

    m.MnuOption = entry(&bar, "MnuOption", texts::kOption);

    QMenu *help = menu(bar, "MnuHelp", texts::kMenuHelp);
    m.MnuManual = entry(help, "MnuManual", texts::kManual, QKeySequence(Qt::Key_F1));
    m.MnuHome = entry(help, "MnuHome", texts::kHome);
    m.MnuVer = entry(help, "MnuVer", texts::kVersion);
    return m;
}

} // namespace tovalo::ui
