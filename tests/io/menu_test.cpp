// The menu bar of the main window: its menus, entries, captions and shortcuts.
#include "menu_action.h"
#include "tests/app/window_harness.h"

#include "app/pane.h"

#include <QMenu>
#include <QMenuBar>

using namespace tovalo::app;
using namespace tovalo::app::test;
using namespace tovalo::io::test;

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void menusFollowEachOtherInOrder() {
        WindowHarness h;
        Form1 &form = h.open();
        QStringList names;
        QStringList captions;
        for (QAction *action : form.menuBar()->actions()) {
            names.append(action->menu() ? action->menu()->objectName() : action->objectName());
            captions.append(action->text());
        }
        QCOMPARE(names, (QStringList{"MnuFiles", "MnuEdit", "MnuOption", "MnuHelp"}));
        QCOMPARE(captions, (QStringList{"ファイル", "編集", "設定", "ヘルプ"}));
        QVERIFY(!menuAction(form, "MnuOption")->menu());
        QCOMPARE(form.MnuOption(), menuAction(form, "MnuOption"));
    }

    void everyEntryHasItsPlaceCaptionAndShortcut_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("shortcuts");
        QTest::newRow("ファイル") << "MnuFiles" << QStringList{"MnuOpen", "MnuSave", "MnuClose"}
                                  << QStringList{"開く", "保存", "閉じる"}
                                  << QStringList{"Ctrl+O", "Ctrl+S", ""};
        QTest::newRow("編集") << "MnuEdit"
                              << QStringList{"Mnu1",     "MnuAll",     "MnuPaste",  "MnuCopy",
                                             "MnuCut",   "Mnu2",       "Mnu3",      "MnuAll2",
                                             "MnuCopy2", "MnuCopyAll", "MnuTagCopy"}
                              << QStringList{"-もとの文章-", "すべて選択",    "貼り付け",
                                             "コピー",       "切り取り",      "",
                                             "-縦書き-",     "すべて選択",    "コピー",
                                             "すべてコピー", "タグ付きコピー"}
                              << QStringList(11, QString());
        QTest::newRow("ヘルプ") << "MnuHelp" << QStringList{"MnuManual", "MnuHome", "MnuVer"}
                                << QStringList{"説明書", "ホームページ", "バージョン情報"}
                                << QStringList{"F1", "", ""};
    }
    void everyEntryHasItsPlaceCaptionAndShortcut() {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shortcuts);
        WindowHarness h;
        Form1 &form = h.open();
        auto *shown = form.findChild<QMenu *>(menu);
        QVERIFY(shown);
        QCOMPARE(shown->accessibleName(), menu);
        QStringList names, texts, keys;
        for (QAction *action : shown->actions()) {
            names.append(action->objectName());
            texts.append(action->isSeparator() ? QString() : action->text());
            keys.append(action->shortcut().toString());
            QVERIFY(action->isEnabled() && action->isVisible());
        }
        QCOMPARE(names, entries);
        QCOMPARE(texts, captions);
        QCOMPARE(keys, shortcuts);
    }

    void shortcutsReachTheCommandsFromThePanes() {
        WindowHarness h;
        Form1 &form = h.open();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(h.pane("TxtTate"), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(h.dialogs.fileDialogs.size(), 2);
        QVERIFY(h.dialogs.fileDialogs[0].save);
        QVERIFY(!h.dialogs.fileDialogs[1].save);
        h.files.contents[h.files.programFolderPath + "/help.htm"] = "<HTML>";
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_F1);
        QCOMPARE(h.shell.openedDocuments, QStringList{h.files.programFolderPath + "/help.htm"});
    }

    void closeEndsTheWindowLikeItsCloseBox() {
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"閉じる前");
        choose(form, "MnuClose");
        QVERIFY(!form.isVisible());
        QVERIFY(h.settingsText().find(u"閉じる前") != std::u16string::npos);
    }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
