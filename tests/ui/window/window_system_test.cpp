// On an X server with openbox (tests/run_under_window_manager): the system's clipboard, the
// first layout with the window frame, and "前面に表示" keeping the phone dialog on top.
#include "window_harness.h"

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_window_order.h"
#include "ui/dialogs/frm_mphone.h"
#include "ui/window/window_geometry.h"

#include <QClipboard>
#include <QProcess>
#include <QStatusBar>

using namespace tovalo;
using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

// How long a test waits for the window manager, slow on a loaded machine or sanitized.
constexpr int kPatience = 30000;

// The window states that the window manager reports for a window.
QString netWmState(QWidget *window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()),
                                          QStringLiteral("_NET_WM_STATE")});
    xprop.waitForFinished();
    return QString::fromLatin1(xprop.readAllStandardOutput());
}

// Where the resize layout puts the source pane for the window's outer size as it stands.
QRect sourcePaneFor(const QWidget &window) {
    const double dpi = window.logicalDpiX();
    const QSize outer = window.frameGeometry().size();
    const int status = window.findChild<QStatusBar *>()->sizeHint().height();
    QRect rect = window.findChild<QWidget *>(QStringLiteral("TxtOri"))->geometry();
    for (const Placement &p :
         resizeLayout(outer.width() * 1440.0 / dpi, (outer.height() - status) * 1440.0 / dpi)) {
        const int pixels = twipsToPixels(p.twips, dpi);
        if (p.control == "TxtOri" && p.edge == Edge::Top)
            rect.moveTop(pixels);
        else if (p.control == "TxtOri" && p.edge == Edge::Width)
            rect.setWidth(pixels);
        else if (p.control == "TxtOri" && p.edge == Edge::Height)
            rect.setHeight(pixels);
    }
    return rect;
}

} // namespace

class WindowSystemTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            QSKIP("needs an X server with a window manager: tests/run_under_window_manager");
    }

    // Copies hold the platform's LF line ends; a paste takes every line end.
    void clipboardHoldsLineFeeds() {
        WindowOn<platform::FakeFiles, platform::QtClipboard> w; // the system's clipboard
        w.make().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        w.pane("TxtTate")->setText(u"縦\r\n書");
        QTest::mousePress(w.find<QWidget>("BtnCopy"), Qt::LeftButton, Qt::ShiftModifier);
        const QString tagged = QGuiApplication::clipboard()->text();
        QVERIFY(!tagged.contains(u'\r') && tagged.contains(QStringLiteral("縦\n書")));
        QGuiApplication::clipboard()->setText(QStringLiteral("a\r\nb\nc\rd"));
        choose(w.form(), "MnuPaste");
        QCOMPARE(w.paneText("TxtOri"), QStringLiteral("a\r\nb\r\nc\r\nd"));
    }

    // The panes fill the window once its frame arrives, with no resize by the user.
    void firstLayoutCountsTheWindowFrame() {
        WindowHarness h;
        Form1 &form = h.open();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY_WITH_TIMEOUT(form.frameGeometry().height() > form.height(), kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(h.pane("TxtOri")->geometry().top(), sourcePaneFor(form).top(),
                                  kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(h.pane("TxtOri")->height(), sourcePaneFor(form).height(),
                                  kPatience);
        QVERIFY(qAbs(h.pane("TxtOri")->width() - sourcePaneFor(form).width()) <= 1);
    }

    void onTopSetsAndClearsTheAboveState() {
        WindowHarness h;
        platform::QtWindowOrder order;
        Form1 form({h.dialogs, h.files, h.registry, h.clipboard, h.shell, order});
        form.startUp();
        form.show();
        click(form.findChild<QPushButton *>(QStringLiteral("BtnMphone")));
        auto *dialog = form.findChild<FrmMphone *>();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *onTop = dialog->findChild<QCheckBox *>(QStringLiteral("ChkWin"));
        const QString above = QStringLiteral("_NET_WM_STATE_ABOVE");
        QVERIFY(!netWmState(dialog).contains(above));
        onTop->setFocus();
        QTest::keyClick(onTop, Qt::Key_Space); // from the keyboard
        QTRY_VERIFY2_WITH_TIMEOUT(netWmState(dialog).contains(above),
                                  qPrintable(netWmState(dialog)), kPatience);
        onTop->setChecked(false); // as assistive technology does
        QTRY_VERIFY_WITH_TIMEOUT(!netWmState(dialog).contains(above), kPatience);
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(WindowSystemTest)
#include "window_system_test.moc"
