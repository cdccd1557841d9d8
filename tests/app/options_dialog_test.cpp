// The options dialog: opened modally by the menu entry "設定", loaded from the main
// window's settings and storing them back however it closes, with the reconversion after.
#include "window_harness.h"

#include "app/pane.h"
#include "engine/convert.h"
#include "options/frm_cstm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tovalo::app;
using namespace tovalo::app::test;
using tovalo::options::FrmCstm;

namespace {

template <class T> T *in(QWidget *dialog, const char *name) {
    return dialog->findChild<T *>(QString::fromLatin1(name));
}

// Chooses "設定" and lets `act` work on the modal dialog; the dialog is closed
// afterwards if `act` left it open.
void withOptions(Form1 &form, const std::function<void(FrmCstm &)> &act) {
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<FrmCstm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
        if (dialog->isVisible())
            dialog->close();
    });
    QVERIFY(form.MnuOption());
    form.MnuOption()->trigger();
}

enum class Closing { OK, CloseButton, Escape };

void close(FrmCstm &dialog, Closing how) {
    switch (how) {
    case Closing::OK:
        click(in<QPushButton>(&dialog, "BtnOK"));
        break;
    case Closing::CloseButton:
        dialog.close();
        break;
    case Closing::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    }
}

std::u16string settingsFile(int spc12a, int stmbl, bool chg0, bool chg1, bool maru) {
    auto flag = [](bool on) { return on ? std::u16string(u"#TRUE#") : u"#FALSE#"; };
    const QString recordOne = QStringLiteral("%1,%2,\"＊\"").arg(spc12a).arg(stmbl);
    return recordOne.toStdU16String() + u"\r\n" + flag(chg0) + u"," + flag(chg1) + u"," +
           flag(maru) + u"\r\n\"10\",\"5\",0\r\n\"\"\r\n\"abc 123\"\r\n\"old\"\r\n";
}

} // namespace

Q_DECLARE_METATYPE(Closing)

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void controlsCarryTheirNamesInTabOrder() {
        WindowHarness h;
        withOptions(h.open(), [](FrmCstm &d) {
            QVERIFY(d.isModal());
            QStringList order;
            QWidget *w = in<QWidget>(&d, "StManual");
            for (int i = 0; i < 13; ++i, w = w->nextInFocusChain()) {
                while (!(w->focusPolicy() & Qt::TabFocus))
                    w = w->nextInFocusChain();
                QCOMPARE(w->accessibleName(), w->objectName());
                order << w->objectName();
            }
            QCOMPARE(order, QStringList({"StManual", "StBlank", "StLast", "Spch1", "Spch2", "SpcA",
                                         "Check(0)", "Check(1)", "chkMaru", "BtnOK", "SpcI", "SpcL",
                                         "BtnFont"}));
        });
    }

    void openingAndClosingKeepsTheSettingsAndConvertsAgain_data() {
        QTest::addColumn<int>("spc12a");
        QTest::addColumn<int>("stmbl");
        QTest::addColumn<bool>("chg0");
        QTest::addColumn<bool>("chg1");
        QTest::addColumn<bool>("maru");
        QTest::newRow("full-width bar, last texts, all options") << 5 << 3 << true << true << true;
        QTest::newRow("two spaces, blank, no options") << 2 << 2 << false << false << false;
        QTest::newRow("half-width bar, manual, shaping") << 4 << 1 << false << false << true;
    }
    void openingAndClosingKeepsTheSettingsAndConvertsAgain() {
        QFETCH(int, spc12a);
        QFETCH(int, stmbl);
        QFETCH(bool, chg0);
        QFETCH(bool, chg1);
        QFETCH(bool, maru);
        WindowHarness h;
        h.putSettings(settingsFile(spc12a, stmbl, chg0, chg1, maru));
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"abc 123");
        h.pane("TxtTate")->setText(u"edited");
        withOptions(form, [](FrmCstm &d) { close(d, Closing::OK); });
        const SharedSettings &s = form.shared();
        QCOMPARE(s.Spc12A, spc12a);
        QCOMPARE(s.StMBL, stmbl);
        QCOMPARE(s.ChkChg0, chg0);
        QCOMPARE(s.ChkChg1, chg1);
        QCOMPARE(s.maruFix, maru);
        const tovalo::engine::ParamTexts params{u"10", u"5", u"0", true, false};
        QCOMPARE(h.paneText("TxtTate"),
                 q(tovalo::engine::Convert(u"abc 123", params, s.convOptions()).vertical));
    }

    void emptySourceIsNotConvertedAfterClosing() {
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtTate")->setText(u"memo");
        withOptions(form, [](FrmCstm &d) { close(d, Closing::OK); });
        QCOMPARE(h.paneText("TxtTate"), QStringLiteral("memo"));
    }

    void separatorOutOfRangeOpensAsTheFirstAndIsStoredAsOne() {
        WindowHarness h;
        h.putSettings(settingsFile(7, 9, false, false, true));
        Form1 &form = h.open();
        withOptions(form, [](FrmCstm &d) {
            QVERIFY(in<QRadioButton>(&d, "Spch1")->isChecked());
            QVERIFY(in<QRadioButton>(&d, "StManual")->isChecked());
        });
        QCOMPARE(form.shared().Spc12A, 1);
        QCOMPARE(form.shared().StMBL, 1);
    }

    void everyWayOfClosingStoresTheChoices_data() {
        QTest::addColumn<Closing>("how");
        QTest::newRow("OK") << Closing::OK;
        QTest::newRow("close button") << Closing::CloseButton;
        QTest::newRow("Escape") << Closing::Escape;
    }
    void everyWayOfClosingStoresTheChoices() {
        QFETCH(Closing, how);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"abc 123");
        withOptions(form, [how](FrmCstm &d) {
            for (const char *name : {"SpcL", "StLast", "Check(0)", "Check(1)", "chkMaru"})
                click(in<QAbstractButton>(&d, name));
            close(d, how);
        });
        const SharedSettings &s = form.shared();
        QCOMPARE(s.Spc12A, 5);
        QCOMPARE(s.StMBL, 3);
        QVERIFY(s.ChkChg0 && s.ChkChg1 && !s.maruFix);
        QVERIFY(h.paneText("TxtTate").contains(QStringLiteral("ａ")));
        QVERIFY(!form.findChild<FrmCstm *>()); // discarded
    }

    void fontButtonChangesTheFontWhileTheDialogStaysOpen() {
        WindowHarness h;
        h.dialogs.fontAnswer =
            tovalo::platform::FontChoice{QFont(QStringLiteral("Serif"), 14), Qt::blue};
        Form1 &form = h.open();
        withOptions(form, [&h](FrmCstm &d) {
            click(in<QPushButton>(&d, "BtnFont"));
            QCOMPARE(h.dialogs.messages.size(), 1);
            QCOMPARE(h.dialogs.fontDialogs.size(), 1);
            QVERIFY(d.isVisible());
        });
        QCOMPARE(h.pane("TxtTate")->font().pointSize(), 14);
    }

    void startUpLoadsTheDialogHiddenUnlessTheManualIsChosen_data() {
        QTest::addColumn<int>("stmbl");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("manual") << 1 << false;
        QTest::newRow("blank") << 2 << true;
        QTest::newRow("last texts") << 3 << true;
    }
    void startUpLoadsTheDialogHiddenUnlessTheManualIsChosen() {
        QFETCH(int, stmbl);
        QFETCH(bool, loaded);
        WindowHarness h;
        h.putSettings(settingsFile(3, stmbl, false, false, true));
        Form1 &form = h.open();
        QPointer<FrmCstm> hidden = form.findChild<FrmCstm *>();
        QCOMPARE(bool(hidden), loaded);
        if (hidden)
            QVERIFY(!hidden->isVisible());
        withOptions(form, [&hidden, loaded](FrmCstm &d) { QCOMPARE(&d == hidden, loaded); });
        QVERIFY(!form.findChild<FrmCstm *>());
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
