// The main window, its menus and its commands, driven as a user drives them.
#include "window_harness.h"

#include "engine/layout.h"
#include "html/html_export.h"
#include "product/program_info.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/widgets/translations.h"
#include "ui/window/fault_texts.h"
#include "ui/window/start_file.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

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

const QString kShippedEnglish = QStringLiteral(TOVALO_ENGLISH_CAPTIONS);
const QStringList kJapanese = {"ファイル", "自動更新", "設定", "Tovaloのﾊﾞｰｼﾞｮﾝ情報",
                               "ﾊﾞｰｼﾞｮﾝ 2.1.0"};
const QStringList kEnglish = {"File", "Auto", "Options", "About Tovalo", "Version 2.1.0"};

struct TypedHeight {
    const char *name;
    QString typed;
    int bar;
    QString shown;
    bool converts = true;
};

struct Failing {
    const char *name;
    const char *box = "TxtMgn"; // which converts as its value changes
    QString value;
    bool fixedLines = false;
    QString reason; // in the status line
};

const QString kMail = QStringLiteral("/usr/bin/mailer");

// Selects characters [start, start + length) of the pane's document.
void select(Pane *pane, int start, int length) {
    QTextCursor cursor = pane->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    pane->setTextCursor(cursor);
}

void putString(tovalo::platform::Registry &registry, const char *key, const char *name,
               const QString &value) {
    tovalo::platform::KeyHandle handle = 0;
    registry.createKey(tovalo::platform::RegistryRoot::LocalMachine, key, handle);
    registry.setString(handle, name, value.toStdString());
    registry.closeKey(handle);
}

struct Paste {
    const char *name;
    const char *by; // the button or menu entry
    QString text;   // on the clipboard and in the file that "開く" reads; empty: no text
    QString result;
    bool automatic = false;
};

struct Mail {
    const char *name;
    QString remembered;
    bool shift = false, asks = false, cancel = false, startFails = false;
};

struct SysInfo {
    const char *name;
    QString path;
    bool startFails = false;
    QString folder;      // only /opt/loc holds MSINFO32.EXE
    QStringList started; // none: the message instead
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
        QWidget *client = form.centralWidget();
        QRect source;
        // Outer sizes, frame included, below the smallest and back.
        for (const QSize outer :
             {QSize(600, 400), QSize(80, 400), QSize(300, 100), QSize(600, 400)}) {
            form.resize(outer - (form.frameGeometry().size() - form.size()));
            for (QWidget *control : client->findChildren<QWidget *>())
                QVERIFY2(
                    client->rect().contains(control->mapTo(client, control->rect().bottomRight())),
                    qPrintable(control->objectName()));
            source = source.isNull() ? h.pane("TxtOri")->geometry() : source;
        }
        QCOMPARE(h.pane("TxtOri")->geometry(), source);
        QVERIFY(h.pane("TxtOri")->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!h.box("TxtH")->testAttribute(Qt::WA_InputMethodEnabled));
        QAccessibleInterface *named = QAccessible::queryAccessibleInterface(h.box("TxtH"));
        QCOMPARE(named->text(QAccessible::Name), QStringLiteral("本文"));
        QCOMPARE(named->text(QAccessible::Description), QStringLiteral("TxtH"));
    }

    // Zoom keeps full-width characters twice as wide; Ctrl+Return converts, Ctrl+Q closes.
    void keysZoomConvertAndClose() {
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
        h.pane("TxtOri")->setText(u"あいう");
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう"));
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!h.form().isVisible());
    }

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

    // The vertical pane shows the reader's start; trimming keeps the carets inside the text.
    void conversionShowsTheStartAndKeepsTheCarets() {
        WindowHarness h;
        h.putManual(std::u16string(3000, u'あ'));
        h.open();
        QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
        QScrollBar *across = h.pane("TxtTate")->horizontalScrollBar();
        QScrollBar *down = h.pane("TxtTate")->verticalScrollBar();
        QTRY_VERIFY(across->maximum() > 0);

        replaceBoxText(h.box("TxtH"), QStringLiteral("40"));
        down->setValue(down->maximum());
        across->setValue(0);
        select(h.pane("TxtTate"), 5, 0);
        click(h.button("Command1"));
        QCOMPARE(across->value(), across->maximum());
        QCOMPARE(down->value(), 0);
        QCOMPARE(h.pane("TxtTate")->textCursor().position(), 5);
        Pane *source = h.pane("TxtOri");
        for (const auto &[caret, after] : {std::pair{1, 1}, std::pair{5, 3}}) {
            replaceBoxText(h.box("TxtMgn"), caret == 5 ? QStringLiteral("x") : QStringLiteral("0"));
            source->setText(u"あいう  ");
            select(source, caret, 0);
            click(h.button("Command1"));
            QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう"));
            QCOMPARE(source->textCursor().position(), after);
        }
        // A short text after the shipped manual, whose widest row is not its first, starts in view.
        QFile manual(QStringLiteral(TOVALO_SHIPPED_MANUAL));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        h.pane("TxtOri")->setText(tovalo::text::fromCp932(manual.readAll().toStdString()));
        replaceBoxText(h.box("TxtMgn"), QStringLiteral("0"));
        replaceBoxText(h.box("TxtH"), QStringLiteral("35"));
        click(h.button("Command1"));
        QVERIFY(across->value() > 0);
        h.pane("TxtOri")->setText(u"縦書き");
        click(h.button("Command1"));
        QCOMPARE(across->value(), 0);
    }

    // A dropped file opens as with "開く" wherever it lands; dragged text is inserted.
    void dropOpensFilesAndInsertsText() {
        const QString text = QStringLiteral("これは縦書きのテキストです。\r\n");
        for (const auto &[where, dragsText] :
             {std::pair{"TxtOri", false}, {"TxtTate", false}, {"Form1", false}, {"TxtOri", true}}) {
            OpenWindow h;
            h.files.contents["/home/u/メモ.txt"] = text.toUtf8();
            QMimeData data;
            if (dragsText)
                data.setText(QStringLiteral("文字"));
            else
                data.setUrls({QUrl(QStringLiteral("https://example.org/page")),
                              QUrl::fromLocalFile(QStringLiteral("/home/u/メモ.txt"))});
            QWidget *target = where == std::string_view("Form1") ? static_cast<QWidget *>(&h.form())
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
            {.name = "zero shows the bar again", .typed = "0", .bar = 4, .shown = "4"},
            {.name = "fraction is rounded", .typed = "12.7", .bar = 13, .shown = "13"},
            // "1" and "15" moved the bar; the last key leaves it where it was.
            {.name = "above a hundred stays", .typed = "150", .bar = 15, .shown = "150"},
            {.name = "cleared", .typed = "", .bar = 4, .shown = "", .converts = false},
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

    // A pasted line break counts as CR LF: 45 + 2 + 1 characters still fit 10.
    void pastingWithAutomaticUpdateFitsTheHeight() {
        const QString fifty(50, u'あ');
        for (const auto &[pasted, height] :
             {std::pair<QString, const char *>(fifty.left(45) + "\nん", "10"), {fifty, "11"}}) {
            OpenWindow h;
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
        const QString max = QStringLiteral("2147483647");
        const QString big = QStringLiteral("縦書きの結果が大きすぎます");
        const QString nan = QStringLiteral("本文の文字数が数値ではありません");
        const Failing rows[] = {
            {.name = "height not a number", .box = "TxtH", .value = "あ", .reason = nan},
            {.name = "largest 32-bit margin", .value = max, .reason = big},
            {.name = "margin, fixed lines", .value = max, .fixedLines = true, .reason = big},
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
        if (row.box == std::string_view("TxtMgn"))
            QCOMPARE(t.paneText("TxtTate"), kFailed);
        click(t.button("Command1"));
        QCOMPARE(t.paneText("TxtTate"), kFailed);
        QCOMPARE(t.paneText("TxtOri"), source);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(t.find<QLabel>("LblStatus")->text(), row.reason);
        t.box(row.box)->setText(before);
        click(t.button("Command1"));
        QVERIFY(t.paneText("TxtTate") != kFailed);
        QCOMPARE(t.find<QLabel>("LblStatus")->text(), QString());
    }

    void everyFaultHasItsOwnReason() {
        using tovalo::engine::Fault;
        QSet<QString> reasons;
        for (int kind = int(Fault::HeightNotNumber); kind <= int(Fault::ResultTooLarge); ++kind)
            reasons.insert(QString::fromUtf8(texts::faultReason(Fault(kind))));
        QCOMPARE(reasons.size(), int(Fault::ResultTooLarge));
        QVERIFY(!reasons.contains(QString()));
        QCOMPARE(QString::fromUtf8(texts::faultReason(Fault::None)), QString());
    }

    // A click during a conversion counts for it; fixed lines convert only when turned off.
    void pendingClicksGapAndFixedLineCount() {
        Typed t;
        click(t.check("ChkSpc"));
        click(t.button("Command1"));
        QMetaObject::invokeMethod(
            t.check("ChkWidth"),
            [&t] {
                t.check("ChkWidth")->click();
                t.box("TxtWidth")->setText(QStringLiteral("2"));
            },
            Qt::QueuedConnection);
        click(t.button("Command1"));
        QVERIFY(t.check("ChkWidth")->isChecked() && t.showsConversion());
        const QString vertical = t.paneText("TxtTate");
        replaceBoxText(t.box("TxtWidth"), QStringLiteral("7"));
        QCOMPARE(t.paneText("TxtTate"), vertical);
        click(t.check("ChkWidth"));
        QVERIFY(!t.box("TxtWidth")->isEnabled() && t.boxText("TxtWidth") == t.estimate());
        QVERIFY(t.showsConversion());
    }

    void captionsFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("englishFile");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("US English") << "en_US" << kShippedEnglish << kEnglish;
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
        // The window's, the options dialog's and the version dialog's with its version.
        QStringList seen{h.find<QMenu>("MnuFiles")->title(), h.check("ChkAuto")->text()};
        for (const char *entry : {"MnuOption", "MnuVer"}) {
            QTimer::singleShot(0, [&seen] {
                QWidget *dialog = QApplication::activeModalWidget();
                seen << dialog->windowTitle();
                if (auto *version = dialog->findChild<QLabel *>(QStringLiteral("lblVersion")))
                    seen << version->text();
                dialog->close();
            });
            h.choose(entry);
        }
        QCOMPARE(seen, expected);
    }

    void f10OrAltAloneOpensTheFirstMenu() {
        for (const std::string_view keys : {"F10", "Alt", "Alt+X"}) {
            OpenWindow h;
            QWidget *source = h.pane("TxtOri");
            source->setFocus();
            if (keys == "F10") {
                QTest::keyClick(source, Qt::Key_F10);
            } else {
                QTest::keyPress(source, Qt::Key_Alt, Qt::AltModifier);
                if (keys.ends_with('X'))
                    QTest::keyClick(source, Qt::Key_X, Qt::AltModifier);
                QTest::keyRelease(source, Qt::Key_Alt);
            }
            QAction *active = h.form().menuBar()->activeAction();
            QMenu *open = active ? active->menu() : nullptr;
            QCOMPARE(open ? open->objectName() : QString(),
                     keys == "Alt+X" ? QString() : QStringLiteral("MnuFiles"));
        }
    }

    // Failed open and save change nothing and say why; UTF-8 where code page 932 falls short.
    void openAndSaveKeepEveryCharacterOrSayWhy() {
        OpenWindow h;
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/in.txt"] = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
        h.files.contents["/t/locked.txt"] = "x";
        h.files.unreadable.insert("/t/locked.txt");
        for (const std::optional<QString> &answer :
             {std::optional<QString>(), {QString()}, {"/t/locked.txt"}, {"/t/in.txt"}}) {
            h.dialogs.fileAnswer = answer;
            h.choose("MnuOpen");
            QCOMPARE(h.paneText("TxtOri"), QStringLiteral("前の文章"));
            QCOMPARE(h.form().windowTitle(), QStringLiteral("Tovalo"));
        }
        QCOMPARE(h.dialogs.messages.size(), 1); // the file that is no text, by name
        QVERIFY(h.dialogs.messages[0].text.contains(QStringLiteral("/t/in.txt")));
        const int writes = h.files.writeCount;
        for (const std::optional<QString> &answer : {std::optional<QString>(), {QString()}}) {
            h.dialogs.fileAnswer = answer;
            h.choose("MnuSave");
        }
        QCOMPARE(h.files.writeCount, writes);
        h.pane("TxtTate")->setText(u"𠮷野\r\n家");
        h.dialogs.fileAnswer = QStringLiteral("/t/縦.txt");
        h.choose("MnuSave");
        QCOMPARE(h.files.contents.value("/t/縦.txt"),
                 "\xEF\xBB\xBF\xF0\xA0\xAE\xB7\xE9\x87\x8E\r\n\xE5\xAE\xB6\r\n");
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦.txt — Tovalo"));
        h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("𠮷野\r\n家\r\n"));
        h.files.contents["/t/a.txt"] = "old";
        h.files.failWrites = true;
        h.dialogs.fileAnswer = QStringLiteral("/t/a.txt");
        h.choose("MnuSave");
        QCOMPARE(h.files.contents.value("/t/a.txt"), QByteArray("old"));
        QCOMPARE(h.dialogs.messages.size(), 2);
        QCOMPARE(h.dialogs.messages[1].icon, tovalo::platform::MessageIcon::Warning);
        QCOMPARE(h.dialogs.messages[1].text,
                 QStringLiteral("ファイルを保存できませんでした。\n/t/a.txt\nPermission denied"));
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦.txt — Tovalo"));
        QCOMPARE(h.dialogs.fileDialogs.last().request.fileName, QStringLiteral("/t/縦.txt"));
    }

    // Select all focuses its pane; copying nothing empties the clipboard.
    void selectAllCopyAndCutActOnTheirPane() {
        for (const auto &[all, copy, name] : {std::tuple("MnuAll", "MnuCut", "TxtOri"),
                                              std::tuple("MnuAll2", "MnuCopy2", "TxtTate")}) {
            OpenWindow h;
            QApplication::setActiveWindow(&h.form());
            h.check("ChkAuto")->setChecked(true);
            Pane *shown = h.pane(name);
            shown->setText(u"あい\r\nうえ");
            h.check("ChkAuto")->setFocus();
            h.choose(all);
            QCOMPARE(q(shown->selectedText()), QStringLiteral("あい\r\nうえ"));
            QTRY_COMPARE(QApplication::focusWidget(), shown);
            select(shown, 1, 3); // い, the line break and う
            h.choose(copy);
            QCOMPARE(h.clipboard.text(), QStringLiteral("い\r\nう"));
            select(shown, 1, 0);
            h.choose(copy);
            QCOMPARE(h.clipboard.text(), QString());
            QCOMPARE(h.paneText("TxtTate"),
                     shown == h.pane("TxtOri") ? convertedNow(h.form()) : "あい\r\nうえ");
        }
    }

    // Menu paste replaces the selection, the button and "開く" the whole text; Ctrl+Z undoes.
    void pasteAndOpenAreOneUndoableEdit_data() {
        QTest::addColumn<Paste>("row");
        const QString text = QStringLiteral("新\r\nい"), blanks = QStringLiteral("新 \r\n\r\n");
        const Paste rows[] = {
            {.name = "menu", .by = "MnuPaste", .text = "x\r\ny", .result = "もx\r\ny\r\n文章"},
            {.name = "menu, no text", .by = "MnuPaste", .text = "", .result = "も\r\n文章"},
            {.name = "button, no text", .by = "BtnPaste", .text = "", .result = ""},
            {.name = "button", .by = "BtnPaste", .text = text, .result = text},
            {.name = "button, trailing blanks", .by = "BtnPaste", .text = blanks, .result = blanks},
            {.name = "open", .by = "MnuOpen", .text = text, .result = text},
            {.name = "open, trailing blanks", .by = "MnuOpen", .text = blanks, .result = blanks},
        };
        for (const bool automatic : {false, true})
            for (Paste row : rows) {
                row.automatic = automatic;
                QTest::addRow("%s%s", row.name, automatic ? ", automatic update" : "") << row;
            }
    }
    void pasteAndOpenAreOneUndoableEdit() {
        QFETCH(Paste, row);
        OpenWindow h;
        h.check("ChkAuto")->setChecked(row.automatic);
        Pane *source = h.pane("TxtOri");
        source->setText(u"もとの\r\n文章");
        select(source, 1, 2);
        h.clipboard.content = row.text;
        h.clipboard.holdsText = !row.text.isEmpty();
        h.files.contents[QStringLiteral("/t/new.txt")] = sjis(row.text.toStdU16String());
        h.dialogs.fileAnswer = QStringLiteral("/t/new.txt");
        row.by == std::string_view("BtnPaste") ? click(h.button("BtnPaste")) : h.choose(row.by);
        QCOMPARE(h.paneText("TxtOri"), row.result);
        QCOMPARE(h.button("Command1")->isEnabled(), !row.result.isEmpty());
        if (row.automatic)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        QTest::keyClick(source, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("もとの\r\n文章"));
        if (row.automatic)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        source->redo();
        QCOMPARE(h.paneText("TxtOri"), row.result);
    }

    // The whole vertical text on any mouse button, tagged with Shift alone; no keyboard press.
    void copyButtonTakesTheWholeVerticalText() {
        for (const Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
              Qt::ShiftModifier | Qt::ControlModifier}) {
            OpenWindow h;
            h.pane("TxtTate")->setText(u"縦<\r\n&書");
            select(h.pane("TxtTate"), 0, 1);
            const QString copied = modifiers == Qt::ShiftModifier
                                       ? q(tovalo::html::taggedFragment(u"縦<\r\n&書"))
                                       : QStringLiteral("縦<\r\n&書");
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                h.clipboard.content.clear();
                QTest::mousePress(h.button("BtnCopy"), button, modifiers);
                QCOMPARE(h.clipboard.text(), copied);
                QTest::mouseRelease(h.button("BtnCopy"), button, modifiers);
            }
            h.button("BtnCopy")->setFocus();
            QTest::keyClick(h.button("BtnCopy"), Qt::Key_Space);
            QTest::keyClick(h.button("BtnCopy"), Qt::Key_Return);
            QCOMPARE(h.clipboard.clearCount, 3);
        }
    }

    // The mail button shares the copy button's decision on buttons and modifiers.
    void mailButtonAsksOnlyWhenItMust_data() {
        const Mail rows[] = {
            {.name = "nothing remembered", .asks = true},
            {.name = "remembered program gone", .remembered = "/gone/mailer", .asks = true},
            {.name = "remembered program", .remembered = kMail},
            {.name = "Shift", .remembered = kMail, .shift = true, .asks = true},
            {.name = "cancelled", .remembered = kMail, .shift = true, .asks = true, .cancel = true},
            // A chosen file that starts nothing stays remembered; every press fails quietly.
            {.name = "chosen, start fails", .asks = true, .startFails = true},
        };
        addRows(rows);
    }
    void mailButtonAsksOnlyWhenItMust() {
        QFETCH(Mail, row);
        OpenWindow h;
        h.files.contents[kMail] = "#!";
        h.form().settings().mailProgram = row.remembered.toStdU16String();
        h.shell.fail = row.startFails;
        if (!row.cancel)
            h.dialogs.fileAnswer = kMail;
        QTest::mousePress(h.button("BtnMail"), Qt::LeftButton,
                          row.shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(h.dialogs.fileDialogs.size(), row.asks ? 1 : 0);
        if (row.asks)
            QCOMPARE(h.dialogs.fileDialogs[0].request.fileName, row.remembered);
        const bool started = !row.cancel && !row.startFails;
        QCOMPARE(h.shell.startedPrograms, started ? QStringList{kMail} : QStringList());
        QCOMPARE(q(h.form().settings().mailProgram), row.cancel ? row.remembered : kMail);
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // A manual not installed opens nothing; without a browser the page is named.
    void manualAndHomePageOpen() {
        OpenWindow h;
        const QString page = h.files.programFolderPath + QStringLiteral("/help.htm");
        h.choose("MnuManual");
        h.files.contents[page] = "<HTML>";
        h.choose("MnuManual");
        QVERIFY(h.shell.openedDocuments == QStringList{page} && h.dialogs.messages.isEmpty());
        h.shell.fail = true;
        h.choose("MnuManual");
        h.choose("MnuHome");
        QCOMPARE(h.dialogs.messages.size(), 2);
        QVERIFY(h.dialogs.messages[0].text.contains(page) &&
                h.dialogs.messages[1].text.contains(q(tovalo::program_info::kDownloadPage)));
    }

    // The registry value is read into 1024 bytes, its terminating NUL included.
    void systemInformationStartsTheViewerTheRegistryNames_data() {
        const QString longest(1023, u'x');
        const QString loc = QStringLiteral("/opt/loc");
        const QStringList inFolder{"/opt/loc/MSINFO32.EXE"};
        const SysInfo rows[] = {
            {.name = "PATH, start fails", .path = "/opt/info/viewer", .startFails = true},
            {.name = "longest PATH", .path = longest, .folder = loc, .started = {longest}},
            {.name = "PATH too long", .path = longest + u'x', .folder = loc, .started = inFolder},
            {.name = "folder with the viewer", .folder = loc, .started = inFolder},
            {.name = "folder without the viewer", .folder = "/opt/other"},
            {.name = "neither"},
        };
        addRows(rows);
    }
    void systemInformationStartsTheViewerTheRegistryNames() {
        QFETCH(SysInfo, row);
        OpenWindow h;
        if (!row.path.isEmpty())
            putString(h.registry, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", row.path);
        if (!row.folder.isEmpty())
            putString(h.registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                      row.folder);
        h.files.contents["/opt/loc/MSINFO32.EXE"] = "MZ";
        h.shell.fail = row.startFails;
        AboutDialog about({h.dialogs, h.files, h.registry, h.shell}, &h.form());
        click(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")));
        QCOMPARE(h.shell.startedPrograms, row.started);
        QCOMPARE(h.dialogs.messages.size(), row.started.isEmpty() ? 1 : 0);
        if (row.started.isEmpty())
            QCOMPARE(h.dialogs.messages[0].text,
                     QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QCOMPARE(h.registry.openKeyCount(), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
