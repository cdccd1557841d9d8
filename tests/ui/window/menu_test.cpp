// The menu bar of the main window: its menus, entries, captions and shortcuts.
#include "window_harness.h"

#include <QMenu>
#include <QMenuBar>

using namespace tovalo::ui::test;

namespace {

// An entry as the user sees it: name, caption (a separator shows none), shortcut, and
// whether it is greyed or hidden.
QString describe(const QAction *action) {
    QStringList parts{action->menu() ? action->menu()->objectName() : action->objectName()};
    if (!action->isSeparator() || !action->text().isEmpty())
        parts.append(action->text());
    if (!action->shortcut().isEmpty())
        parts.append(action->shortcut().toString());
    if (!action->isEnabled())
        parts.append(QStringLiteral("(disabled)"));
    if (!action->isVisible())
        parts.append(QStringLiteral("(hidden)"));
    return parts.join(u' ');
}

} // namespace

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    // Each menu of the bar, then its entries after a colon; "設定" is a command itself.
    void menuBarHoldsEveryEntryInItsPlace() {
        OpenWindow h;
        QStringList found;
        for (QAction *action : h.form().menuBar()->actions()) {
            QString line = describe(action);
            if (action->menu()) {
                QStringList entries;
                for (QAction *entry : action->menu()->actions())
                    entries.append(describe(entry));
                line += QStringLiteral(": ") + entries.join(u", ");
            }
            found.append(line);
        }
        QCOMPARE(
            found,
            (QStringList{"MnuFiles ファイル: MnuOpen 開く Ctrl+O, MnuSave 保存 Ctrl+S, "
                         "MnuClose 閉じる Ctrl+Q",
                         "MnuEdit 編集: Mnu1 -もとの文章-, MnuAll すべて選択, MnuPaste 貼り付け, "
                         "MnuCopy コピー, MnuCut 切り取り, Mnu2, Mnu3 -縦書き-, "
                         "MnuAll2 すべて選択, MnuCopy2 コピー, MnuCopyAll すべてコピー, "
                         "MnuTagCopy タグ付きコピー",
                         "MnuOption 設定",
                         "MnuHelp ヘルプ: MnuManual 説明書 F1, MnuHome ホームページ, "
                         "MnuVer バージョン情報"}));
    }

    void headingsDoNothingAndCloseEndsTheWindowLikeItsCloseBox() {
        OpenWindow h;
        h.pane("TxtOri")->setText(u"閉じる前");
        h.choose("Mnu1");
        h.choose("Mnu3");
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("閉じる前"));
        QCOMPARE(h.clipboard.clearCount, 0);
        h.choose("MnuClose");
        QVERIFY(!h.form().isVisible());
        QVERIFY(h.settingsText().find(u"閉じる前") != std::u16string::npos);
    }

    // Without a mouse: F10 or Alt alone opens the menu bar at its first menu, and the
    // window's shortcuts close it and convert.
    void keyboardOpensTheMenusClosesAndConverts_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("open"); // the menu open afterwards, if any
        QTest::newRow("F10") << "F10"
                             << "MnuFiles";
        QTest::newRow("Alt alone") << "Alt"
                                   << "MnuFiles";
        QTest::newRow("Alt with a letter") << "Alt+X"
                                           << "";
    }
    void keyboardOpensTheMenusClosesAndConverts() {
        QFETCH(QString, keys);
        QFETCH(QString, open);
        OpenWindow h;
        QWidget *source = h.pane("TxtOri");
        source->setFocus();
        if (keys == QStringLiteral("F10")) {
            QTest::keyClick(source, Qt::Key_F10);
        } else {
            QTest::keyPress(source, Qt::Key_Alt, Qt::AltModifier);
            if (keys.endsWith(QStringLiteral("X")))
                QTest::keyClick(source, Qt::Key_X, Qt::AltModifier);
            QTest::keyRelease(source, Qt::Key_Alt);
        }
        QAction *active = h.form().menuBar()->activeAction();
        QCOMPARE(active && active->menu() ? active->menu()->objectName() : QString(), open);
        if (active && active->menu()) {
            QTRY_VERIFY(active->menu()->isVisible());
            active->menu()->close();
        }
        for (QAction *menu : h.form().menuBar()->actions())
            QVERIFY(!menu->text().contains(QLatin1Char('&')));
    }

    void shortcutsConvertAndClose() {
        OpenWindow h;
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        h.pane("TxtOri")->setText(u"あいう");
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        QVERIFY(!h.paneText("TxtTate").isEmpty());
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう")); // no line break typed
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!h.form().isVisible());
    }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
