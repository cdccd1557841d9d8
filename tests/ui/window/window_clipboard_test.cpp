// The window's copy and paste commands through the system's real clipboard on an X server:
// what they put there has the platform's line ends (LF), like Ctrl+C in the panes, and
// pasting takes CR LF, LF and CR alike.
#include "window_harness.h"

#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QMouseEvent>

using namespace tovalo::ui::test;
namespace platform = tovalo::platform;

namespace {

// A window on fakes except for the clipboard, which is the system's.
struct WindowOnRealClipboard : WindowOn<platform::FakeFiles, platform::QtClipboard> {
    WindowOnRealClipboard() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

QString onClipboard() {
    return QGuiApplication::clipboard()->text();
}

void pressOn(QWidget *button, Qt::KeyboardModifiers modifiers) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), button->mapToGlobal(QPointF(4, 4)),
                      Qt::LeftButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(button, &press);
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void copiesUseLineFeeds_data() {
        QTest::addColumn<QString>("command"); // a menu entry, or the copy button
        QTest::addColumn<QString>("expected");
        QTest::newRow("copy from the source pane") << "MnuCopy"
                                                   << "あ\nい";
        QTest::newRow("cut") << "MnuCut"
                             << "あ\nい";
        QTest::newRow("copy from the vertical pane") << "MnuCopy2"
                                                     << "縦\n書";
        QTest::newRow("copy all") << "MnuCopyAll"
                                  << "縦\n書";
        QTest::newRow("copy button") << "BtnCopy"
                                     << "縦\n書";
    }
    void copiesUseLineFeeds() {
        QFETCH(QString, command);
        QFETCH(QString, expected);
        WindowOnRealClipboard w;
        w.pane("TxtOri")->setText(u"あ\r\nい");
        w.pane("TxtOri")->selectAll();
        w.pane("TxtTate")->setText(u"縦\r\n書");
        w.pane("TxtTate")->selectAll();
        if (command == QLatin1String("BtnCopy"))
            pressOn(w.find<QWidget>("BtnCopy"), Qt::NoModifier);
        else
            choose(w.form, command.toLatin1().constData());
        QCOMPARE(onClipboard(), expected);
        // The pane's own Ctrl+C puts the same.
        w.pane("TxtTate")->copy();
        QCOMPARE(onClipboard(), QStringLiteral("縦\n書"));
    }

    // The tagged copy keeps its lines, each ended by LF.
    void taggedCopyKeepsItsLines() {
        WindowOnRealClipboard w;
        w.pane("TxtTate")->setText(u"縦\r\n書");
        pressOn(w.find<QWidget>("BtnCopy"), Qt::ShiftModifier);
        const QString tagged = onClipboard();
        QVERIFY(!tagged.contains(QLatin1Char('\r')));
        QVERIFY(tagged.contains(QStringLiteral("縦\n書")));
        QVERIFY(tagged.count(QLatin1Char('\n')) >= 3);
    }

    void pasteTakesEveryLineEnd_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("clipboard");
        for (const char *command : {"MnuPaste", "BtnPaste"})
            for (auto [name, text] :
                 {std::pair("CR LF", "a\r\nb"), std::pair("LF", "a\nb"), std::pair("CR", "a\rb")})
                QTest::addRow("%s, %s", command, name) << command << text;
    }
    void pasteTakesEveryLineEnd() {
        QFETCH(QString, command);
        QFETCH(QString, clipboard);
        WindowOnRealClipboard w;
        QGuiApplication::clipboard()->setText(clipboard);
        if (command == QLatin1String("BtnPaste"))
            click(w.find<QPushButton>("BtnPaste"));
        else
            choose(w.form, command.toLatin1().constData());
        QCOMPARE(w.paneText("TxtOri"), QStringLiteral("a\r\nb"));
    }
};

QTEST_MAIN(ClipboardTest)
#include "window_clipboard_test.moc"
