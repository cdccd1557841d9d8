// The parameter controls and automatic reconversion, driven as a user drives them.
#include "window_harness.h"

#include "engine/layout.h"
#include "ui/window/fault_texts.h"

#include <QApplication>
#include <QLabel>

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

struct TypedHeight {
    const char *name;
    QString typed;
    int bar;
    QString shown;
    bool converts;
};

struct Failing {
    const char *name;
    const char *box;
    QString value;
    bool fixedLines;
    QString reason; // in the status line; empty: not checked
};

} // namespace

class ParamsTest : public QObject {
    Q_OBJECT
private slots:
    // The box starts at "4"; what is typed replaces it key by key, and each key that
    // leaves a number estimates the lines and converts.
    void typedHeightFollowsTheWholePartOfItsNumber_data() {
        const TypedHeight rows[] = {
            {"zero shows the bar again", "0", 4, "4", true},
            {"fraction is rounded", "12.7", 13, "13", true},
            // "1" and "15" moved the bar; the last key leaves it where it was.
            {"above a hundred stays", "150", 15, "150", true},
            {"cleared", "", 4, "", false},
        };
        addRows(rows);
    }
    void typedHeightFollowsTheWholePartOfItsNumber() {
        QFETCH(TypedHeight, row);
        Typed t;
        replaceBoxText(t.box("TxtH"), QStringLiteral("4"));
        const QString vertical = t.paneText("TxtTate");
        const QString lines = t.boxText("TxtWidth");
        row.typed.isEmpty() ? clearBox(t.box("TxtH")) : replaceBoxText(t.box("TxtH"), row.typed);
        QCOMPARE(t.boxText("TxtH"), row.shown);
        QCOMPARE(t.bar("ScrHeight")->value(), row.bar);
        QCOMPARE(t.boxText("TxtWidth"), row.converts ? t.estimate() : lines);
        QCOMPARE(t.paneText("TxtTate"), row.converts ? convertedNow(t.form()) : vertical);
    }

    // The margin and the gap convert at once; the fixed line count follows its bar and
    // converts only when it is turned off again.
    void marginGapAndFixedLineCount() {
        Typed t;
        replaceBoxText(t.box("TxtMgn"), QStringLiteral("2"));
        QCOMPARE(t.bar("ScrMgn")->value(), 2);
        QVERIFY(t.showsConversion() && t.paneText("TxtTate").startsWith(QStringLiteral("  ")));
        for (const bool gap : {false, true}) {
            click(t.check("ChkSpc"));
            QVERIFY(t.check("ChkSpc")->isChecked() == gap && t.showsConversion());
        }
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

    // Values that are no numbers, or far beyond what a pane can show, fail without ending
    // the program: "えらー" in the vertical pane, the reason in the status line, and the
    // next successful conversion clears it.
    void failingValuesShowTheFailureTextAndTheReason_data() {
        const Failing rows[] = {
            {"height not a number", "TxtH", "あ", false, "本文の文字数が数値ではありません"},
            {"height out of range", "TxtH", "99999999999", false, "本文の文字数が大きすぎます"},
            {"largest 32-bit height", "TxtH", "2147483647", false, ""},
            {"height, fixed lines", "TxtH", "2147483647", true, ""},
            {"lines not a number", "TxtWidth", "x", true, "行数が数値ではありません"},
            {"lines out of range", "TxtWidth", "40000", true, "行数が 32767 を超えます"},
            {"margin not a number", "TxtMgn", "-", false, "余白が数値ではありません"},
            {"margin beyond 32 bits", "TxtMgn", "99999999999", false, "余白が大きすぎます"},
            {"largest 32-bit margin", "TxtMgn", "2147483647", false, ""},
            {"margin one below", "TxtMgn", "2147483646", false, ""},
            {"margin, fixed lines", "TxtMgn", "2147483647", true, ""},
        };
        addRows(rows);
    }
    void failingValuesShowTheFailureTextAndTheReason() {
        QFETCH(Failing, row);
        Typed t;
        if (row.fixedLines)
            click(t.check("ChkWidth"));
        const QString source = t.paneText("TxtOri");
        const QString before = t.boxText(row.box);
        // Pasted in one go: typed key by key, the shorter values on the way convert to
        // results of millions of characters, which only make the test slow.
        t.box(row.box)->selectAll();
        pasteInto(t.box(row.box), row.value);
        QCOMPARE(t.boxText(row.box), row.value);
        if (row.reason.isEmpty()) // converted at once
            QCOMPARE(t.paneText("TxtTate"), kFailed);
        click(t.button("Command1"));
        QCOMPARE(t.paneText("TxtTate"), kFailed);
        QCOMPARE(t.paneText("TxtOri"), source);
        const QString status = t.find<QLabel>("LblStatus")->text();
        QVERIFY(!status.isEmpty());
        if (!row.reason.isEmpty())
            QCOMPARE(status, row.reason);
        t.box(row.box)->setText(before);
        click(t.button("Command1"));
        QVERIFY(t.paneText("TxtTate") != kFailed);
        QCOMPARE(t.find<QLabel>("LblStatus")->text(), QString());
    }

    // Every failure kind has a reason of its own; success has none.
    void everyFaultHasItsOwnReason() {
        using tovalo::engine::Fault;
        QSet<QString> reasons;
        for (int kind = int(Fault::HeightNotNumber); kind <= int(Fault::ResultTooLarge); ++kind)
            reasons.insert(QString::fromUtf8(tovalo::ui::texts::faultReason(Fault(kind))));
        QCOMPARE(reasons.size(), int(Fault::ResultTooLarge));
        QVERIFY(!reasons.contains(QString()));
        QCOMPARE(QString::fromUtf8(tovalo::ui::texts::faultReason(Fault::None)), QString());
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
        QCOMPARE(t.paneText("TxtTate"), kFailed);
        QVERIFY(!t.paneText("TxtOri").endsWith(QLatin1Char(' ')));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(ParamsTest)
#include "params_test.moc"
