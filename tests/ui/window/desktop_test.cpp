// What a desktop user expects: files opened by dropping them, from the command line and in
// any common encoding, the file's name in the title, the reason of a failed conversion in
// the status line, and zooming that keeps the columns aligned.
#include "menu_action.h"

#include "engine/convert.h"
#include "ui/widgets/pane.h"
#include "ui/window/fault_texts.h"
#include "ui/window/start_file.h"

#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

using namespace tovalo::ui::test;

namespace {

const QString kText = QStringLiteral("これは縦書きのテキストです。\r\n");

// Drops `data` on `target` as a drag from another program would.
void drop(QWidget *target, QMimeData &data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

QWidget *dropTarget(OpenWindow &h, const QString &where) {
    if (where == QLatin1String("Form1"))
        return &h.form();
    return h.pane(where.toLatin1().constData())->viewport();
}

QString statusLine(const OpenWindow &h) {
    return h.find<QLabel>("LblStatus")->text();
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void droppedFileOpensAsWithOpen_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("source pane") << "TxtOri";
        QTest::newRow("vertical pane") << "TxtTate";
        QTest::newRow("window") << "Form1";
    }
    void droppedFileOpensAsWithOpen() {
        QFETCH(QString, where);
        OpenWindow h;
        h.files.contents["/home/u/メモ.txt"] = kText.toUtf8();
        QMimeData data;
        data.setUrls({QUrl(QStringLiteral("https://example.org/page")),
                      QUrl::fromLocalFile(QStringLiteral("/home/u/メモ.txt"))});
        drop(dropTarget(h, where), data);
        QCOMPARE(h.paneText("TxtOri"), kText);
        QCOMPARE(h.form().windowTitle(), QStringLiteral("メモ.txt — Tovalo"));
    }

    // Dragged text is still inserted as text.
    void droppedTextIsInserted() {
        OpenWindow h;
        QMimeData data;
        data.setText(QStringLiteral("文字"));
        drop(h.pane("TxtOri")->viewport(), data);
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("文字"));
        QCOMPARE(h.form().windowTitle(), QStringLiteral("Tovalo"));
    }

    void startArgumentNamesTheFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file"); // empty: none
        const QString here = QDir::currentPath();
        QTest::newRow("none") << QStringList{"tovalo"} << QString();
        QTest::newRow("absolute") << QStringList{"tovalo", "/t/a.txt"} << "/t/a.txt";
        QTest::newRow("relative") << QStringList{"tovalo", "a.txt"} << here + "/a.txt";
        QTest::newRow("file address")
            << QStringList{"tovalo", "file:///t/%E7%B8%A6.txt"} << "/t/縦.txt";
        QTest::newRow("after an option") << QStringList{"tovalo", "-x", "b.txt"} << here + "/b.txt";
        QTest::newRow("after --") << QStringList{"tovalo", "--", "-c.txt"} << here + "/-c.txt";
        QTest::newRow("only --") << QStringList{"tovalo", "--"} << QString();
    }
    void startArgumentNamesTheFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const std::optional<QString> found = tovalo::ui::fileToOpenAtStart(arguments);
        QCOMPARE(found.value_or(QString()), file);
    }

    // Each encoding opens as the same text; a file that is no text is refused by name and
    // leaves the pane and the title as they were.
    void openRecognisesTheEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("isText");
        QTest::newRow("EUC-JP") << QByteArray("\xa4\xb3\xa4\xec\xa4\xcf\xbd\xc4\xbd\xf1\xa4\xad"
                                              "\xa4\xce\xa5\xc6\xa5\xad\xa5\xb9\xa5\xc8\xa4\xc7"
                                              "\xa4\xb9\xa1\xa3\r\n")
                                << true;
        QTest::newRow("ISO-2022-JP")
            << QByteArray(
                   "\x1b\x24\x42\x24\x33\x24\x6c\x24\x4f\x3d\x44\x3d\x71\x24\x2d\x24\x4e"
                   "\x25\x46\x25\x2d\x25\x39\x25\x48\x24\x47\x24\x39\x21\x23\x1b\x28\x42\r\n")
            << true;
        const QString text = kText;
        QByteArray le, be;
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
            be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        }
        QTest::newRow("UTF-16LE without mark") << le << true;
        QTest::newRow("UTF-16BE without mark") << be << true;
        QTest::newRow("UTF-8") << kText.toUtf8() << true;
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)
                                 << false;
    }
    void openRecognisesTheEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, isText);
        OpenWindow h;
        h.pane("TxtOri")->setText(u"前");
        h.files.contents["/t/in.txt"] = bytes;
        h.dialogs.fileAnswer = QStringLiteral("/t/in.txt");
        h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), isText ? kText : QStringLiteral("前"));
        QCOMPARE(h.form().windowTitle(),
                 isText ? QStringLiteral("in.txt — Tovalo") : QStringLiteral("Tovalo"));
        QCOMPARE(h.dialogs.messages.size(), isText ? 0 : 1);
        if (!isText)
            QVERIFY(h.dialogs.messages[0].text.contains(QStringLiteral("/t/in.txt")));
    }

    void saveShowsTheNameInTheTitle() {
        OpenWindow h;
        h.dialogs.fileAnswer = QStringLiteral("/t/縦書き.htm");
        h.choose("MnuSave");
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦書き.htm — Tovalo"));
        h.files.failWrites = true;
        h.dialogs.fileAnswer = QStringLiteral("/t/other.txt");
        h.choose("MnuSave");
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦書き.htm — Tovalo"));
    }

    // "えらー" stays in the vertical pane; the status line says which value or limit, and
    // the next successful conversion clears it.
    void statusLineSaysWhyTheConversionFailed_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fixedLines");
        QTest::addColumn<QString>("reason");
        QTest::newRow("height not a number") << "TxtH"
                                             << "あ" << false << "本文の文字数が数値ではありません";
        QTest::newRow("height out of range")
            << "TxtH"
            << "99999999999" << false << "本文の文字数が大きすぎます";
        QTest::newRow("lines not a number") << "TxtWidth"
                                            << "x" << true << "行数が数値ではありません";
        QTest::newRow("lines out of range") << "TxtWidth"
                                            << "40000" << true << "行数が 32767 を超えます";
        QTest::newRow("margin not a number") << "TxtMgn"
                                             << "-" << false << "余白が数値ではありません";
        QTest::newRow("margin out of range") << "TxtMgn"
                                             << "99999999999" << false << "余白が大きすぎます";
    }
    void statusLineSaysWhyTheConversionFailed() {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(bool, fixedLines);
        QFETCH(QString, reason);
        OpenWindow h;
        h.pane("TxtOri")->setText(u"あいう");
        if (fixedLines)
            h.check("ChkWidth")->setChecked(true);
        const QString before = h.boxText(box.toLatin1().constData());
        h.box(box.toLatin1().constData())->setText(value);
        click(h.button("Command1"));
        QCOMPARE(h.paneText("TxtTate"), q(tovalo::engine::kFailureText));
        QCOMPARE(statusLine(h), reason);
        h.box(box.toLatin1().constData())->setText(before);
        click(h.button("Command1"));
        QVERIFY(h.paneText("TxtTate") != q(tovalo::engine::kFailureText));
        QCOMPARE(statusLine(h), QString());
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

    // Every step keeps a full-width character exactly two half-width ones wide; resetting
    // returns to the font the pane had.
    void zoomKeepsTwoToOneWidths_data() {
        QTest::addColumn<QString>("pane");
        QTest::newRow("source") << "TxtOri";
        QTest::newRow("vertical") << "TxtTate";
    }
    void zoomKeepsTwoToOneWidths() {
        QFETCH(QString, pane);
        OpenWindow h;
        tovalo::ui::Pane *target = h.pane(pane.toLatin1().constData());
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        target->setFocus();
        const QFont original = target->font();
        const auto widths = [target] {
            const QFontMetrics m(target->font());
            return std::pair(m.horizontalAdvance(QChar(u'あ')), m.horizontalAdvance(QChar(u'a')));
        };
        const bool alignedAtStart = widths().first == 2 * widths().second;
        int size = QFontInfo(target->font()).pixelSize();
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(target, Qt::Key_Plus, Qt::ControlModifier);
            const int larger = QFontInfo(target->font()).pixelSize();
            QVERIFY(larger > size);
            size = larger;
            if (alignedAtStart)
                QCOMPARE(widths().first, 2 * widths().second);
        }
        QTest::keyClick(target, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(QFontInfo(target->font()).pixelSize() < size);
        QTest::keyClick(target, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(target->font(), original);

        // Ctrl and the wheel zoom the pane under the pointer.
        const QPointF at = target->viewport()->rect().center();
        QWheelEvent wheel(at, target->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target->viewport(), &wheel);
        QVERIFY(QFontInfo(target->font()).pixelSize() > QFontInfo(original).pixelSize());
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
