// The parameter controls and automatic reconversion, driven as a user drives them.
#include "window_harness.h"

#include "app/pane.h"
#include "engine/convert.h"
#include "engine/layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tovalo::app;
using namespace tovalo::app::test;

namespace {

const QString kSource = QStringLiteral("あいうえおかきくけこ、さしすせそ。\nたちつてと");

// A window that opened without settings file and manual, with a source typed in.
struct Typed {
    WindowHarness h;
    Typed() {
        h.open();
        typeAtEnd(h.pane("TxtOri"), kSource);
    }
    std::u16string source() const { return h.pane("TxtOri")->text(); }
    QString expectedVertical(bool gap = true, bool fixed = false) const {
        const tovalo::engine::ParamTexts params{h.boxText("TxtH").toStdU16String(),
                                                h.boxText("TxtWidth").toStdU16String(),
                                                h.boxText("TxtMgn").toStdU16String(), gap, fixed};
        return q(tovalo::engine::Convert(source(), params, {}).vertical);
    }
    QString estimate(int height) const {
        return QString::number(tovalo::engine::CountLines(source(), height, {}).count);
    }
    QLineEdit *box(const char *name) const { return h.find<QLineEdit>(name); }
    QScrollBar *bar(const char *name) const { return h.find<QScrollBar>(name); }
    QCheckBox *check(const char *name) const { return h.find<QCheckBox>(name); }
};

} // namespace

class ParamsTest : public QObject {
    Q_OBJECT
private slots:
    void typingTheHeightEstimatesAndConvertsAfterEveryKey() {
        Typed t;
        QVERIFY(t.h.paneText("TxtTate").isEmpty());
        t.box("TxtH")->selectAll();
        QTest::keyClick(t.box("TxtH"), Qt::Key_3);
        QCOMPARE(t.bar("ScrHeight")->value(), 3);
        QCOMPARE(t.h.boxText("TxtWidth"), t.estimate(3));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
        QTest::keyClick(t.box("TxtH"), Qt::Key_0);
        QCOMPARE(t.bar("ScrHeight")->value(), 30);
        QCOMPARE(t.h.boxText("TxtWidth"), t.estimate(30));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
    }

    void heightBelowOneShowsTheBarValueAgain_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("negative") << QStringLiteral("-4");
    }
    void heightBelowOneShowsTheBarValueAgain() {
        QFETCH(QString, typed);
        Typed t;
        replaceBoxText(t.box("TxtH"), QStringLiteral("8"));
        replaceBoxText(t.box("TxtH"), typed);
        QCOMPARE(t.h.boxText("TxtH"), QStringLiteral("8"));
        QCOMPARE(t.bar("ScrHeight")->value(), 8);
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
    }

    void heightAboveHundredConvertsWithoutMovingTheBar() {
        Typed t;
        replaceBoxText(t.box("TxtH"), QStringLiteral("20"));
        replaceBoxText(t.box("TxtH"), QStringLiteral("150"));
        QCOMPARE(t.h.boxText("TxtH"), QStringLiteral("150"));
        // "1" and "15" moved the bar; the last key leaves it where it was.
        QCOMPARE(t.bar("ScrHeight")->value(), 15);
        QCOMPARE(t.h.boxText("TxtWidth"), t.estimate(150));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
    }

    void fractionBecomesTheRoundedValue() {
        Typed t;
        replaceBoxText(t.box("TxtH"), QStringLiteral("12.7"));
        QCOMPARE(t.h.boxText("TxtH"), QStringLiteral("13"));
        QCOMPARE(t.bar("ScrHeight")->value(), 13);
    }

    void clearedOrNonNumericHeightChangesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("cleared") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("lone minus") << QStringLiteral("-");
    }
    void clearedOrNonNumericHeightChangesNothing() {
        QFETCH(QString, typed);
        Typed t;
        replaceBoxText(t.box("TxtH"), QStringLiteral("4"));
        const QString vertical = t.h.paneText("TxtTate");
        const QString lines = t.h.boxText("TxtWidth");
        if (typed.isEmpty())
            clearBox(t.box("TxtH"));
        else
            replaceBoxText(t.box("TxtH"), typed);
        QCOMPARE(t.h.boxText("TxtH"), typed);
        QCOMPARE(t.bar("ScrHeight")->value(), 4);
        QCOMPARE(t.h.boxText("TxtWidth"), lines);
        QCOMPARE(t.h.paneText("TxtTate"), vertical);
    }

    void fixedLineCountFollowsItsBarWithoutConverting() {
        Typed t;
        click(t.check("ChkWidth"));
        QVERIFY(t.box("TxtWidth")->isEnabled());
        QVERIFY(t.bar("ScrWidth")->isEnabled());
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical(true, true));
        const QString vertical = t.h.paneText("TxtTate");
        replaceBoxText(t.box("TxtWidth"), QStringLiteral("7"));
        QCOMPARE(t.bar("ScrWidth")->value(), 7);
        QCOMPARE(t.h.paneText("TxtTate"), vertical);
    }

    void uncheckingTheLineCountEstimatesAndConverts() {
        Typed t;
        click(t.check("ChkWidth"));
        replaceBoxText(t.box("TxtWidth"), QStringLiteral("50"));
        click(t.check("ChkWidth"));
        QVERIFY(!t.box("TxtWidth")->isEnabled());
        QVERIFY(!t.bar("ScrWidth")->isEnabled());
        QCOMPARE(t.h.boxText("TxtWidth"), t.estimate(10));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
    }

    void lowerArrowAfterOpeningGivesTwo() {
        WindowHarness h;
        h.open();
        QScrollBar *bar = h.find<QScrollBar>("ScrHeight");
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->width() / 2, bar->height() - 3));
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("2"));
    }

    void marginConvertsAtOnce() {
        Typed t;
        replaceBoxText(t.box("TxtMgn"), QStringLiteral("2"));
        QCOMPARE(t.bar("ScrMgn")->value(), 2);
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
        QVERIFY(t.h.paneText("TxtTate").startsWith(QStringLiteral("  ")));
    }

    void pastingWithAutomaticUpdateFitsTheHeight_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("height");
        const QString fifty = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"
                                             "はひふへほまみむめもやゆよらりるれろわをがぎぐげご");
        QTest::newRow("48 characters") << fifty.left(48) << QStringLiteral("10");
        // The pasted line break becomes CR LF in the pane: 45 + 2 + 1 characters.
        QTest::newRow("line break counts twice")
            << fifty.left(45) + QStringLiteral("\nん") << QStringLiteral("10");
        QTest::newRow("50 characters") << fifty << QStringLiteral("11");
    }
    void pastingWithAutomaticUpdateFitsTheHeight() {
        QFETCH(QString, pasted);
        QFETCH(QString, height);
        WindowHarness h;
        h.open();
        click(h.find<QCheckBox>("ChkWidth")); // keeps "5" in TxtWidth
        replaceBoxText(h.find<QLineEdit>("TxtH"), QStringLiteral("20"));
        click(h.find<QCheckBox>("ChkAuto"));
        pasteInto(h.pane("TxtOri"), pasted);
        QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("5"));
        QCOMPARE(h.boxText("TxtH"), height);
        const tovalo::engine::ParamTexts params{height.toStdU16String(), u"5", u"0", true, true};
        QCOMPARE(h.paneText("TxtTate"),
                 q(tovalo::engine::Convert(h.pane("TxtOri")->text(), params, {}).vertical));
    }

    void gapCheckBoxConvertsBothWays() {
        Typed t;
        QVERIFY(!t.check("ChkAuto")->isChecked());
        click(t.check("ChkSpc"));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical(false));
        click(t.check("ChkSpc"));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical(true));
    }

    void automaticUpdateConvertsWhenCheckedOnly() {
        Typed t;
        click(t.check("ChkAuto"));
        QCOMPARE(t.h.paneText("TxtTate"), t.expectedVertical());
        click(t.check("ChkAuto"));
        typeAtEnd(t.h.pane("TxtOri"), QStringLiteral("な"));
        QCOMPARE(t.h.paneText("TxtTate").contains(QStringLiteral("な")), false);
    }

    void emptyingTheSourceDisablesTheConvertButton() {
        Typed t;
        auto *convert = t.h.find<QPushButton>("Command1");
        QVERIFY(convert->isEnabled());
        t.h.pane("TxtOri")->selectAll();
        QTest::keyClick(t.h.pane("TxtOri"), Qt::Key_Delete);
        QVERIFY(!convert->isEnabled());
    }

    void failedConversionShowsTheFailureTextAndKeepsTheTrimmedSource() {
        Typed t;
        typeAtEnd(t.h.pane("TxtOri"), QStringLiteral("  "));
        replaceBoxText(t.box("TxtMgn"), QStringLiteral("x"));
        click(t.h.find<QPushButton>("Command1"));
        QCOMPARE(t.h.paneText("TxtTate"), QStringLiteral("\r\nえらー"));
        QVERIFY(!t.h.paneText("TxtOri").endsWith(QLatin1Char(' ')));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(ParamsTest)
#include "params_test.moc"
