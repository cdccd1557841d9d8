// The main window's controls, panes, fonts, parameters and captions, driven as a user
// drives them.
#include "window_harness.h"

#include "engine/layout.h"
#include "ui/widgets/translations.h"
#include "ui/window/fault_texts.h"
#include "ui/window/start_file.h"

#include <QAccessible>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

// Resizes the window so that its outer size, frame included, is the given one.
void resizeOuter(QWidget &window, int width, int height) {
    window.resize(QSize(width, height) - (window.frameGeometry().size() - window.size()));
}

void everyControlIsWhole(Form1 &form) {
    QWidget *client = form.centralWidget();
    for (QWidget *control : client->findChildren<QWidget *>())
        QVERIFY2(client->rect().contains(control->mapTo(client, control->rect().bottomRight())),
                 qPrintable(control->objectName()));
}

// Whether a full-width character is exactly two half-width ones wide in the pane's font.
bool twoToOne(const QWidget *pane) {
    const QFontMetricsF metrics(pane->font());
    return metrics.horizontalAdvance(QChar(u'縦')) == 2 * metrics.horizontalAdvance(QChar(u'a')) &&
           metrics.horizontalAdvance(QChar(u'｜')) == 2 * metrics.horizontalAdvance(QChar(u' '));
}

// A window that opened without settings file and manual, with a source typed in.
struct Typed : WindowHarness {
    Typed() {
        open();
        typeAtEnd(pane("TxtOri"), QStringLiteral("あいうえおかきくけこ、さしすせそ。\nたちつてと"));
    }
    // The estimated number of lines for the number in the height box.
    QString estimate() const {
        return QString::number(
            tovalo::engine::CountLines(pane("TxtOri")->text(), boxText("TxtH").toInt(), {}).count);
    }
    bool showsConversion() { return paneText("TxtTate") == convertedNow(form()); }
};

// Captions of the window, of the options dialog and of the version dialog with its version.
QStringList captions(WindowHarness &h) {
    QStringList seen{h.find<QMenu>("MnuFiles")->title(), h.check("ChkAuto")->text()};
    for (const char *entry : {"MnuOption", "MnuVer"}) {
        QTimer::singleShot(0, [&seen] {
            QWidget *dialog = QApplication::activeModalWidget();
            seen << dialog->windowTitle();
            if (auto *version = dialog->findChild<QLabel *>(QStringLiteral("lblVersion")))
                seen << version->text();
            dialog->close();
        });
        choose(h.form(), entry);
    }
    return seen;
}

const QString kShippedEnglish = QStringLiteral(TOVALO_ENGLISH_CAPTIONS);
const QStringList kJapanese = {"ファイル", "自動更新", "設定", "Tovaloのﾊﾞｰｼﾞｮﾝ情報",
                               "ﾊﾞｰｼﾞｮﾝ 2.1.0"};
const QStringList kEnglish = {"File", "Auto", "Options", "About Tovalo", "Version 2.1.0"};

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

class WindowTest : public QObject {
    Q_OBJECT
private slots:

    // The translators leave with each case, so that the next starts from none.
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    // Controls stay whole at any size; input method and screen-reader names per control.
    void layoutKeepsEveryControlWhole() {
        OpenWindow h;
        Form1 &form = h.form();
        everyControlIsWhole(form);
        resizeOuter(form, 600, 400);
        const QRect source = h.pane("TxtOri")->geometry();
        for (const QSize small : {QSize(80, 400), QSize(300, 100)}) {
            resizeOuter(form, small.width(), small.height());
            everyControlIsWhole(form);
        }
        resizeOuter(form, 600, 400);
        QCOMPARE(h.pane("TxtOri")->geometry(), source);
        QVERIFY(h.pane("TxtOri")->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!h.box("TxtH")->testAttribute(Qt::WA_InputMethodEnabled));
        QAccessibleInterface *named = QAccessible::queryAccessibleInterface(h.box("TxtH"));
        QCOMPARE(named->text(QAccessible::Name), QStringLiteral("本文"));
        QCOMPARE(named->text(QAccessible::Description), QStringLiteral("TxtH"));
    }

    // Every zoom step keeps full-width characters twice as wide; Ctrl+0 resets.
    void panesZoomAndKeepTwoToOneWidths() {
        OpenWindow h;
        Pane *pane = h.pane("TxtTate");
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        const QFont original = pane->font();
        QVERIFY(twoToOne(pane) && QFontInfo(original).pointSize() == 9);
        pane->setFocus();
        int size = QFontInfo(original).pixelSize();
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(pane, Qt::Key_Plus, Qt::ControlModifier);
            QVERIFY(QFontInfo(pane->font()).pixelSize() > size && twoToOne(pane));
            size = QFontInfo(pane->font()).pixelSize();
        }
        QTest::keyClick(pane, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(QFontInfo(pane->font()).pixelSize() < size);
        QTest::keyClick(pane, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(pane->font(), original);
        const QPointF at = pane->viewport()->rect().center();
        QWheelEvent wheel(at, pane->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane->viewport(), &wheel);
        QVERIFY(QFontInfo(pane->font()).pixelSize() > QFontInfo(original).pixelSize());
    }

    // The pane's text has CR LF line breaks; it reports only real changes.
    void paneTextHasCrLfLineBreaksAndReportsOnlyRealChanges() {
        OpenWindow h;
        Pane *pane = h.pane("TxtOri");
        QSignalSpy changes(pane, &Pane::changed);
        typeAtEnd(pane, QStringLiteral("あ"));
        QTest::keyClick(pane, Qt::Key_Return);
        QCOMPARE(q(pane->text()), QStringLiteral("あ\r\n"));
        pane->setText(u"a\nb\rc\r\nd");
        QCOMPARE(q(pane->text()), QStringLiteral("a\r\nb\r\nc\r\nd"));
        pane->setText(u"a\r\nb\r\nc\nd"); // the same text once its line breaks are CR LF
        pane->selectAll();
        pane->insertPlainText(QStringLiteral("a\nb\nc\nd")); // pasted over itself
        QCOMPARE(changes.count(), 3);
    }

    // The vertical pane shows the reader's start (first row, right end), caret kept.
    void conversionShowsTheStartOfTheVerticalText() {
        WindowHarness h;
        h.putManual(std::u16string(3000, u'あ'));
        h.open();
        QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
        QScrollBar *across = h.pane("TxtTate")->horizontalScrollBar();
        QScrollBar *down = h.pane("TxtTate")->verticalScrollBar();
        QTRY_VERIFY(across->maximum() > 0);
        QTRY_COMPARE(across->value(), across->maximum());
        QCOMPARE(down->value(), 0);

        replaceBoxText(h.box("TxtH"), QStringLiteral("40"));
        down->setValue(down->maximum());
        across->setValue(0);
        QTextCursor caret = h.pane("TxtTate")->textCursor();
        caret.setPosition(5);
        h.pane("TxtTate")->setTextCursor(caret);
        click(h.button("Command1"));
        QCOMPARE(across->value(), across->maximum());
        QCOMPARE(down->value(), 0);
        QCOMPARE(h.pane("TxtTate")->textCursor().position(), 5);
    }

    // Trimming, even in a failed conversion, keeps the caret inside the text.
    void programRewriteKeepsTheCaretClamped() {
        OpenWindow h;
        Pane *pane = h.pane("TxtOri");
        for (const auto &[caret, after] : {std::pair{1, 1}, std::pair{5, 3}}) {
            replaceBoxText(h.box("TxtMgn"), caret == 5 ? QStringLiteral("x") : QStringLiteral("0"));
            pane->setText(u"あいう  ");
            QTextCursor cursor = pane->textCursor();
            cursor.setPosition(caret);
            pane->setTextCursor(cursor);
            click(h.button("Command1"));
            QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう"));
            QCOMPARE(pane->textCursor().position(), after);
        }
    }

    // A dropped file opens as with "開く" wherever it lands; dragged text is inserted.
    void dropOpensFilesAndInsertsText() {
        const QString text = QStringLiteral("これは縦書きのテキストです。\r\n");
        for (const char *where : {"TxtOri", "TxtTate", "Form1", "text"}) {
            OpenWindow h;
            h.files.contents["/home/u/メモ.txt"] = text.toUtf8();
            QMimeData data;
            const bool dragsText = where == std::string_view("text");
            if (dragsText)
                data.setText(QStringLiteral("文字"));
            else
                data.setUrls({QUrl(QStringLiteral("https://example.org/page")),
                              QUrl::fromLocalFile(QStringLiteral("/home/u/メモ.txt"))});
            QWidget *target = where == std::string_view("Form1") ? &h.form()
                              : dragsText                        ? h.pane("TxtOri")->viewport()
                                                                 : h.pane(where)->viewport();
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &dropped);
            QVERIFY2(h.paneText("TxtOri") == (dragsText ? QStringLiteral("文字") : text), where);
        }
    }

    void startArgumentNamesTheFile() {
        const QString here = QDir::currentPath();
        const std::pair<QStringList, QString> cases[] = {
            {{"tovalo"}, ""},
            {{"tovalo", "file:///t/%E7%B8%A6.txt"}, "/t/縦.txt"},
            {{"tovalo", "-x", "b.txt"}, here + "/b.txt"},
            {{"tovalo", "--", "-c.txt"}, here + "/-c.txt"},
        };
        for (const auto &[arguments, file] : cases)
            QCOMPARE(fileToOpenAtStart(arguments).value_or(QString()), file);
    }

    // Each key that leaves a number in the height box estimates and converts.
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

    // Fixed line count converts only when it is turned off again.
    void gapAndFixedLineCount() {
        Typed t;
        click(t.check("ChkSpc"));
        click(t.check("ChkWidth"));
        const QString vertical = t.paneText("TxtTate");
        replaceBoxText(t.box("TxtWidth"), QStringLiteral("7"));
        QCOMPARE(t.paneText("TxtTate"), vertical);
        click(t.check("ChkWidth"));
        QVERIFY(!t.box("TxtWidth")->isEnabled() && t.boxText("TxtWidth") == t.estimate());
        QVERIFY(t.showsConversion());
    }

    // A pasted line break counts as CR LF: 45 + 2 + 1 characters still fit 10.
    void pastingWithAutomaticUpdateFitsTheHeight() {
        const QString fifty = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"
                                             "はひふへほまみむめもやゆよらりるれろわをがぎぐげご");
        for (const auto &[pasted, height] :
             {std::pair<QString, const char *>(fifty.left(45) + "\nん", "10"), {fifty, "11"}}) {
            WindowHarness h;
            h.open();
            click(h.check("ChkWidth")); // keeps "5" in TxtWidth
            replaceBoxText(h.box("TxtH"), QStringLiteral("20"));
            click(h.check("ChkAuto"));
            pasteInto(h.pane("TxtOri"), pasted);
            QCOMPARE(h.boxText("TxtH"), QString::fromLatin1(height));
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        }
    }

    // Automatic update leaves blanks typed at the end; the convert button trims them.
    void automaticUpdateKeepsBlanksTypedAtTheEnd() {
        using Keys = std::pair<std::array<Qt::Key, 2>, QString>;
        for (const auto &[keys, tail] : {Keys{{Qt::Key_Return, Qt::Key_Space}, "\r\n "},
                                         Keys{{Qt::Key_Return, Qt::Key_Return}, "\r\n\r\n"},
                                         Keys{{Qt::Key_Space, Qt::Key_A}, " a"}}) {
            Typed t;
            click(t.check("ChkAuto"));
            Pane *source = t.pane("TxtOri");
            const QString typed = t.paneText("TxtOri");
            typeAtEnd(source, QString());
            for (Qt::Key key : keys) {
                QTest::keyClick(source, key);
                QVERIFY(t.showsConversion());
            }
            QCOMPARE(t.paneText("TxtOri"), typed + tail);
            QCOMPARE(source->textCursor().position(), source->document()->characterCount() - 1);
            click(t.button("Command1"));
            QCOMPARE(t.paneText("TxtOri"), tail.endsWith(u'a') ? typed + tail : typed);
        }
    }

    // Bad values show "えらー" and the reason until the next good conversion.
    void failingValuesShowTheFailureTextAndTheReason_data() {
        const Failing rows[] = {
            {"height not a number", "TxtH", "あ", false, "本文の文字数が数値ではありません"},
            {"largest 32-bit height", "TxtH", "2147483647", false, ""},
            {"height, fixed lines", "TxtH", "2147483647", true, ""},
            {"lines out of range", "TxtWidth", "40000", true, "行数が 32767 を超えます"},
            {"margin not a number", "TxtMgn", "-", false, "余白が数値ではありません"},
            {"largest 32-bit margin", "TxtMgn", "2147483647", false, ""},
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
        // Pasted in one go: typing key by key would convert huge results on the way.
        t.box(row.box)->selectAll();
        pasteInto(t.box(row.box), row.value);
        if (row.reason.isEmpty()) // converted at once
            QCOMPARE(t.paneText("TxtTate"), kFailed);
        click(t.button("Command1"));
        QCOMPARE(t.paneText("TxtTate"), kFailed);
        QCOMPARE(t.paneText("TxtOri"), source);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
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
            reasons.insert(QString::fromUtf8(texts::faultReason(Fault(kind))));
        QCOMPARE(reasons.size(), int(Fault::ResultTooLarge));
        QVERIFY(!reasons.contains(QString()));
        QCOMPARE(QString::fromUtf8(texts::faultReason(Fault::None)), QString());
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

    // English captions for English locales only; names and failure text stay.
    void captionsFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("englishFile");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("US English") << "en_US" << kShippedEnglish << kEnglish;
        QTest::newRow("C locale") << "C" << kShippedEnglish << kJapanese;
        QTest::newRow("French, no translation") << "fr_FR" << kShippedEnglish << kJapanese;
        QTest::newRow("English, translation missing")
            << "en_US" << QStringLiteral("/nonexistent/tovalo_en.qm") << kJapanese;
    }
    void captionsFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, englishFile);
        QFETCH(QStringList, expected);
        QCOMPARE(installTranslations(QLocale(locale), englishFile), englishFile == kShippedEnglish);
        OpenWindow h;
        QCOMPARE(captions(h), expected);
        h.pane("TxtOri")->setText(u"あ");
        replaceBoxText(h.box("TxtMgn"), QStringLiteral("x"));
        click(h.button("Command1"));
        QCOMPARE(h.paneText("TxtTate"), kFailed);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
