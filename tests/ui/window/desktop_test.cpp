// What a desktop user expects: files opened by dropping them and from the command line,
// and zooming that keeps the columns aligned.
#include "window_harness.h"

#include "ui/window/start_file.h"

#include <QDir>
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

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    // A dropped file opens as with "開く" wherever it lands; dragged text is still
    // inserted as text.
    void dropOpensFilesAndInsertsText() {
        for (const char *where : {"TxtOri", "TxtTate", "Form1", "text"}) {
            OpenWindow h;
            h.files.contents["/home/u/メモ.txt"] = kText.toUtf8();
            QMimeData data;
            const bool text = where == std::string_view("text");
            if (text)
                data.setText(QStringLiteral("文字"));
            else
                data.setUrls({QUrl(QStringLiteral("https://example.org/page")),
                              QUrl::fromLocalFile(QStringLiteral("/home/u/メモ.txt"))});
            drop(where == std::string_view("Form1") ? &h.form()
                 : text                             ? h.pane("TxtOri")->viewport()
                                                    : h.pane(where)->viewport(),
                 data);
            QVERIFY2(h.paneText("TxtOri") == (text ? QStringLiteral("文字") : kText), where);
            QCOMPARE(h.form().windowTitle(),
                     text ? QStringLiteral("Tovalo") : QStringLiteral("メモ.txt — Tovalo"));
        }
    }

    void startArgumentNamesTheFile() {
        const QString here = QDir::currentPath();
        const std::pair<QStringList, QString> cases[] = {
            // the file, or empty for none
            {{"tovalo"}, ""},
            {{"tovalo", "/t/a.txt"}, "/t/a.txt"},
            {{"tovalo", "a.txt"}, here + "/a.txt"},
            {{"tovalo", "file:///t/%E7%B8%A6.txt"}, "/t/縦.txt"},
            {{"tovalo", "-x", "b.txt"}, here + "/b.txt"},
            {{"tovalo", "--", "-c.txt"}, here + "/-c.txt"},
            {{"tovalo", "--"}, ""},
        };
        for (const auto &[arguments, file] : cases)
            QCOMPARE(tovalo::ui::fileToOpenAtStart(arguments).value_or(QString()), file);
    }

    // Every step keeps a full-width character exactly two half-width ones wide; resetting
    // returns to the font the pane had. Ctrl and the wheel zoom the pane under the pointer.
    void zoomKeepsTwoToOneWidths() {
        for (const char *pane : {"TxtOri", "TxtTate"}) {
            OpenWindow h;
            tovalo::ui::Pane *target = h.pane(pane);
            h.form().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.form()));
            target->setFocus();
            const QFont original = target->font();
            const auto widths = [target] {
                const QFontMetrics m(target->font());
                return std::pair(m.horizontalAdvance(QChar(u'あ')),
                                 m.horizontalAdvance(QChar(u'a')));
            };
            const bool alignedAtStart = widths().first == 2 * widths().second;
            int size = QFontInfo(target->font()).pixelSize();
            for (int step = 0; step < 3; ++step) {
                QTest::keyClick(target, Qt::Key_Plus, Qt::ControlModifier);
                const int larger = QFontInfo(target->font()).pixelSize();
                QVERIFY2(larger > size, pane);
                size = larger;
                if (alignedAtStart)
                    QCOMPARE(widths().first, 2 * widths().second);
            }
            QTest::keyClick(target, Qt::Key_Minus, Qt::ControlModifier);
            QVERIFY(QFontInfo(target->font()).pixelSize() < size);
            QTest::keyClick(target, Qt::Key_0, Qt::ControlModifier);
            QCOMPARE(target->font(), original);

            const QPointF at = target->viewport()->rect().center();
            QWheelEvent wheel(at, target->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target->viewport(), &wheel);
            QVERIFY(QFontInfo(target->font()).pixelSize() > QFontInfo(original).pixelSize());
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
