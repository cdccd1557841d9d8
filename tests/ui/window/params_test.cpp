// The parameter controls and automatic reconversion, driven as a user drives them.
#include "window_harness.h"

#include "engine/layout.h"

#include <QApplication>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

// A window that opened without settings file and manual, with a source typed in.
struct Typed : WindowHarness {
    Typed() {
        open();
        typeAtEnd(pane("TxtOri"), QStringLiteral("あいうえおかきくけこ、さしすせそ。\nたちつてと"));
    }
    // The estimated number of lines for the number in the height box.
    QString estimate() const {
        const int height = boxText("TxtH").toInt();
        return QString::number(
            tovalo::engine::CountLines(pane("TxtOri")->text(), height, {}).count);
    }
    bool showsConversion() { return paneText("TxtTate") == convertedNow(form()); }
};

} // namespace

class ParamsTest : public QObject {
    Q_OBJECT
private slots:
    void typingTheHeightEstimatesAndConvertsAfterEveryKey() {
        Typed t;
        QVERIFY(t.paneText("TxtTate").isEmpty());
        t.box("TxtH")->selectAll();
        for (const auto &[key, height] : {std::pair{Qt::Key_3, 3}, std::pair{Qt::Key_0, 30}}) {
            QTest::keyClick(t.box("TxtH"), key);
            QCOMPARE(t.bar("ScrHeight")->value(), height);
            QCOMPARE(t.boxText("TxtWidth"), t.estimate());
            QVERIFY(t.showsConversion());
        }
    }

    // The box starts at "4"; what is typed replaces it key by key.
    void typedHeightFollowsTheWholePartOfItsNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("converts");
        QTest::newRow("zero shows the bar again") << "0" << 4 << "4" << true;
        QTest::newRow("fraction is rounded") << "12.7" << 13 << "13" << true;
        // "1" and "15" moved the bar; the last key leaves it where it was.
        QTest::newRow("above a hundred stays") << "150" << 15 << "150" << true;
        QTest::newRow("cleared") << "" << 4 << "" << false;
    }
    void typedHeightFollowsTheWholePartOfItsNumber() {
        QFETCH(QString, typed);
        QFETCH(int, bar);
        QFETCH(QString, shown);
        QFETCH(bool, converts);
        Typed t;
        replaceBoxText(t.box("TxtH"), QStringLiteral("4"));
        const QString vertical = t.paneText("TxtTate");
        const QString lines = t.boxText("TxtWidth");
        typed.isEmpty() ? clearBox(t.box("TxtH")) : replaceBoxText(t.box("TxtH"), typed);
        QCOMPARE(t.boxText("TxtH"), shown);
        QCOMPARE(t.bar("ScrHeight")->value(), bar);
        QCOMPARE(t.boxText("TxtWidth"), converts ? t.estimate() : lines);
        QCOMPARE(t.paneText("TxtTate"), converts ? convertedNow(t.form()) : vertical);
    }

    void fixedLineCountFollowsItsBarWithoutConvertingUntilUnchecked() {
        Typed t;
        click(t.check("ChkWidth"));
        QVERIFY(t.box("TxtWidth")->isEnabled() && t.bar("ScrWidth")->isEnabled());
        QVERIFY(t.showsConversion());
        const QString vertical = t.paneText("TxtTate");
        replaceBoxText(t.box("TxtWidth"), QStringLiteral("7"));
        QCOMPARE(t.bar("ScrWidth")->value(), 7);
        QCOMPARE(t.paneText("TxtTate"), vertical);
        click(t.check("ChkWidth"));
        QVERIFY(!t.box("TxtWidth")->isEnabled() && !t.bar("ScrWidth")->isEnabled());
        QCOMPARE(t.boxText("TxtWidth"), t.estimate());
        QVERIFY(t.showsConversion());
    }

    void marginAndGapConvertAtOnce() {
        Typed t;
        replaceBoxText(t.box("TxtMgn"), QStringLiteral("2"));
        QCOMPARE(t.bar("ScrMgn")->value(), 2);
        QVERIFY(t.showsConversion() && t.paneText("TxtTate").startsWith(QStringLiteral("  ")));
        for (const bool gap : {false, true}) {
            click(t.check("ChkSpc"));
            QCOMPARE(t.check("ChkSpc")->isChecked(), gap);
            QVERIFY(t.showsConversion());
        }
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
        click(h.check("ChkWidth")); // keeps "5" in TxtWidth
        replaceBoxText(h.box("TxtH"), QStringLiteral("20"));
        click(h.check("ChkAuto"));
        pasteInto(h.pane("TxtOri"), pasted);
        QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("5"));
        QCOMPARE(h.boxText("TxtH"), height);
        QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    void automaticUpdateConvertsWhenCheckedAndTheButtonFollowsTheSource() {
        Typed t;
        click(t.check("ChkAuto"));
        QVERIFY(t.showsConversion());
        click(t.check("ChkAuto"));
        typeAtEnd(t.pane("TxtOri"), QStringLiteral("な"));
        QVERIFY(!t.paneText("TxtTate").contains(QStringLiteral("な")));
        t.pane("TxtOri")->selectAll();
        QTest::keyClick(t.pane("TxtOri"), Qt::Key_Delete);
        QVERIFY(!t.button("Command1")->isEnabled());
    }

    // Automatic update converts the trimmed text but leaves what was typed, so that a new
    // line or a space at the end can be typed on; the convert button trims.
    void automaticUpdateKeepsBlanksTypedAtTheEnd_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("tail");
        QTest::newRow("Return and space") << QList<int>{Qt::Key_Return, Qt::Key_Space} << "\r\n ";
        QTest::newRow("two Returns") << QList<int>{Qt::Key_Return, Qt::Key_Return} << "\r\n\r\n";
        QTest::newRow("space, then a character") << QList<int>{Qt::Key_Space, Qt::Key_A} << " a";
    }
    void automaticUpdateKeepsBlanksTypedAtTheEnd() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, tail);
        Typed t;
        click(t.check("ChkAuto"));
        Pane *source = t.pane("TxtOri");
        const QString typed = t.paneText("TxtOri");
        typeAtEnd(source, QString());
        for (int key : keys) {
            QTest::keyClick(source, Qt::Key(key));
            QVERIFY(t.showsConversion());
        }
        QCOMPARE(t.paneText("TxtOri"), typed + tail);
        QCOMPARE(source->textCursor().position(), source->document()->characterCount() - 1);
        QVERIFY(t.paneText("TxtTate").contains(QStringLiteral("た")));
        click(t.button("Command1"));
        QCOMPARE(t.paneText("TxtOri"), tail.endsWith(QLatin1Char('a')) ? typed + tail : typed);
    }

    // Margins and heights far beyond what a pane can show fail without ending the program.
    void hugeValuesShowTheFailureText_data() {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fixedLines");
        QTest::newRow("largest 32-bit margin") << QByteArray("TxtMgn") << "2147483647" << false;
        QTest::newRow("margin one below") << QByteArray("TxtMgn") << "2147483646" << false;
        QTest::newRow("margin beyond 32 bits") << QByteArray("TxtMgn") << "99999999999" << false;
        QTest::newRow("margin, fixed lines") << QByteArray("TxtMgn") << "2147483647" << true;
        QTest::newRow("largest 32-bit height") << QByteArray("TxtH") << "2147483647" << false;
        QTest::newRow("height, fixed lines") << QByteArray("TxtH") << "2147483647" << true;
    }
    void hugeValuesShowTheFailureText() {
        QFETCH(QByteArray, box);
        QFETCH(QString, value);
        QFETCH(bool, fixedLines);
        Typed t;
        if (fixedLines)
            click(t.check("ChkWidth"));
        const QString source = t.paneText("TxtOri");
        // Pasted in one go: typed key by key, the shorter values on the way convert to
        // results of millions of characters, which only make the test slow.
        t.box(box.constData())->selectAll();
        pasteInto(t.box(box.constData()), value);
        QCOMPARE(t.boxText(box.constData()), value);
        QCOMPARE(t.paneText("TxtTate"), QStringLiteral("\r\nえらー"));
        QCOMPARE(t.paneText("TxtOri"), source);
    }

    // A click that waits while a conversion runs counts for that conversion's result.
    void conversionReadsTheParametersAfterPendingEvents() {
        Typed t;
        click(t.button("Command1"));
        QMetaObject::invokeMethod(
            t.check("ChkWidth"),
            [&t] {
                t.check("ChkWidth")->click();
                t.box("TxtWidth")->setText(QStringLiteral("2"));
            },
            Qt::QueuedConnection);
        click(t.button("Command1"));
        QVERIFY(t.check("ChkWidth")->isChecked());
        QVERIFY(t.showsConversion());
    }

    void failedConversionShowsTheFailureTextAndKeepsTheTrimmedSource() {
        Typed t;
        typeAtEnd(t.pane("TxtOri"), QStringLiteral("  "));
        replaceBoxText(t.box("TxtMgn"), QStringLiteral("x"));
        click(t.button("Command1"));
        QCOMPARE(t.paneText("TxtTate"), QStringLiteral("\r\nえらー"));
        QVERIFY(!t.paneText("TxtOri").endsWith(QLatin1Char(' ')));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(ParamsTest)
#include "params_test.moc"
