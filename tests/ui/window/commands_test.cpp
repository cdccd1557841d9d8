// The menu bar, the file, edit and help commands, and the copy, paste and mail buttons.
#include "window_harness.h"

#include "html/html_export.h"
#include "product/program_info.h"
#include "ui/dialogs/about_dialog.h"

#include <QMenuBar>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

const QString kMailer = QStringLiteral("/usr/bin/mailer");

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

struct Opened {
    const char *name;
    std::optional<QString> answer{}; // what the dialog returns; nothing when cancelled
    QByteArray bytes{};              // of "/t/in.txt"
    QString text{};                  // the source pane afterwards; empty: as it was
    bool refused = false;
};

struct Paste {
    const char *name;
    bool button;
    QString clipboard;
    bool holdsText;
    QString result;
};

struct Mail {
    const char *name;
    QString remembered;
    Qt::KeyboardModifiers modifiers;
    bool asks, cancel, startFails = false;
};

struct SysInfo {
    const char *name;
    QString path;
    bool startFails;
    QString folder;      // only /opt/loc holds MSINFO32.EXE
    QStringList started; // none: the message instead
};

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    // F10 or Alt alone opens the first menu; Ctrl+Return converts, Ctrl+Q closes.
    void keyboardOpensTheMenusConvertsAndCloses() {
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
        OpenWindow h;
        h.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.form()));
        h.pane("TxtOri")->setText(u"あいう");
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう"));
        QTest::keyClick(h.pane("TxtOri"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!h.form().isVisible());
    }

    // Code page 932 while it holds every character, else UTF-8 with a byte-order mark.
    void savedTextKeepsEveryCharacter() {
        for (const auto &[vertical, bytes] :
             {std::pair<QString, QByteArray>("縦　書\r\nき", sjis(u"縦　書\r\nき\r\n")),
              {"𠮷野家", "\xEF\xBB\xBF\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE\xB6\r\n"}}) {
            OpenWindow h;
            h.pane("TxtTate")->setText(vertical.toStdU16String());
            h.dialogs.fileAnswer = QStringLiteral("/t/out.txt");
            h.choose("MnuSave");
            QCOMPARE(h.files.contents.value("/t/out.txt"), bytes);
            h.choose("MnuOpen");
            QCOMPARE(h.paneText("TxtOri"), vertical + QStringLiteral("\r\n"));
        }
    }

    // Cancel or an empty name writes nothing; the next dialog proposes the last name.
    void failedSaveSaysWhyAndKeepsTheOldFileAndTheTitle() {
        OpenWindow h;
        const int writes = h.files.writeCount;
        for (const std::optional<QString> &answer : {std::optional<QString>(), {QString()}}) {
            h.dialogs.fileAnswer = answer;
            h.choose("MnuSave");
        }
        QCOMPARE(h.files.writeCount, writes);
        h.dialogs.fileAnswer = QStringLiteral("/t/縦書き.htm");
        h.choose("MnuSave");
        h.files.contents["/t/a.txt"] = "old";
        h.files.failWrites = true;
        h.pane("TxtTate")->setText(u"新");
        h.dialogs.fileAnswer = QStringLiteral("/t/a.txt");
        h.choose("MnuSave");
        QCOMPARE(h.files.contents.value("/t/a.txt"), QByteArray("old"));
        QCOMPARE(h.dialogs.messages.size(), 1);
        const auto &message = h.dialogs.messages[0];
        QCOMPARE(message.icon, tovalo::platform::MessageIcon::Warning);
        QVERIFY(message.text.startsWith(QStringLiteral("ファイルを保存できませんでした。")));
        QVERIFY(message.text.contains(QStringLiteral("/t/a.txt")) &&
                message.text.contains(QStringLiteral("Permission denied")));
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦書き.htm — Tovalo"));
        QCOMPARE(h.dialogs.fileDialogs[3].request.fileName, QStringLiteral("/t/縦書き.htm"));
    }

    // A file that is no text is refused by name; a failed open leaves pane and title.
    void openReadsTheFileIntoTheSourcePane_data() {
        const QString in = QStringLiteral("/t/in.txt");
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
        const Opened rows[] = {
            {"code page 932, ending in a line end", in, sjis(u"縦書き\r\n二行目\r\n"),
             "縦書き\r\n二行目\r\n"},
            {"picture", in, png, "", true},
            {"cancelled", std::nullopt},
            {"unreadable", "/t/locked.txt"},
            {"empty name", ""},
        };
        addRows(rows);
    }
    void openReadsTheFileIntoTheSourcePane() {
        QFETCH(Opened, row);
        OpenWindow h;
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/in.txt"] = row.bytes;
        h.files.contents["/t/locked.txt"] = "x";
        h.files.unreadable.insert("/t/locked.txt");
        h.dialogs.fileAnswer = row.answer;
        h.choose("MnuOpen");
        const bool read = !row.text.isEmpty();
        QCOMPARE(h.paneText("TxtOri"), read ? row.text : QStringLiteral("前の文章"));
        QCOMPARE(h.form().windowTitle(), read ? QStringLiteral("in.txt — Tovalo") : "Tovalo");
        QCOMPARE(h.dialogs.messages.size(), row.refused ? 1 : 0);
        if (row.refused)
            QVERIFY(h.dialogs.messages[0].text.contains(QStringLiteral("/t/in.txt")));
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

    // The menu replaces the selection, the button the whole text.
    void pasteReplacesTheSelectionOrTheWholeText_data() {
        const Paste rows[] = {
            {"menu, CR LF", false, "x\r\ny", true, "あx\r\nyえ"},
            {"menu, no text", false, "", false, "あえ"},
            {"button, no text", true, "", false, ""},
        };
        addRows(rows);
    }
    void pasteReplacesTheSelectionOrTheWholeText() {
        QFETCH(Paste, row);
        OpenWindow h;
        h.check("ChkAuto")->setChecked(true);
        h.pane("TxtOri")->setText(u"あいうえ");
        select(h.pane("TxtOri"), 1, 2);
        h.clipboard.content = row.clipboard;
        h.clipboard.holdsText = row.holdsText;
        row.button ? click(h.button("BtnPaste")) : h.choose("MnuPaste");
        QCOMPARE(h.paneText("TxtOri"), row.result);
        QCOMPARE(h.button("Command1")->isEnabled(), !row.result.isEmpty());
        if (!row.result.isEmpty())
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    // Replacing the whole source is one edit that Ctrl+Z takes back.
    void replacingTheWholeSourceIsUndone_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("newText");
        for (const char *command : {"BtnPaste", "MnuOpen"})
            for (const bool automatic : {false, true})
                for (const QString &newText :
                     {QStringLiteral("新\r\nい"), QStringLiteral("新 \r\n\r\n")})
                    QTest::addRow("%s%s%s", command, automatic ? ", automatic update" : "",
                                  newText.endsWith(u'い') ? "" : ", trailing blanks")
                        << QByteArray(command) << automatic << newText;
    }
    void replacingTheWholeSourceIsUndone() {
        QFETCH(QByteArray, command);
        QFETCH(bool, automatic);
        QFETCH(QString, newText);
        OpenWindow h;
        h.check("ChkAuto")->setChecked(automatic);
        Pane *source = h.pane("TxtOri");
        source->setText(u"もとの\r\n文章");
        h.clipboard.setText(newText);
        h.files.contents[QStringLiteral("/t/new.txt")] = sjis(newText.toStdU16String());
        h.dialogs.fileAnswer = QStringLiteral("/t/new.txt");
        command == "BtnPaste" ? click(h.button("BtnPaste")) : h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), newText);
        QTest::keyClick(source, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("もとの\r\n文章"));
        if (automatic)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        source->redo();
        QCOMPARE(h.paneText("TxtOri"), newText);
    }

    // The whole vertical text whatever is selected, on a press of any mouse button, tagged
    // with Shift alone; the keyboard does not press it.
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
            {"nothing remembered", "", Qt::NoModifier, true, false},
            {"remembered program gone", "/gone/mailer", Qt::NoModifier, true, false},
            {"remembered program", kMailer, Qt::NoModifier, false, false},
            {"Shift", kMailer, Qt::ShiftModifier, true, false},
            {"Shift, cancelled", kMailer, Qt::ShiftModifier, true, true},
            // A chosen file that starts nothing stays remembered; every press fails quietly.
            {"chosen, start fails", "", Qt::NoModifier, true, false, true},
            {"remembered, start fails", kMailer, Qt::NoModifier, false, false, true},
        };
        addRows(rows);
    }
    void mailButtonAsksOnlyWhenItMust() {
        QFETCH(Mail, row);
        OpenWindow h;
        h.files.contents[kMailer] = "#!";
        h.form().settings().mailProgram = row.remembered.toStdU16String();
        h.shell.fail = row.startFails;
        if (!row.cancel)
            h.dialogs.fileAnswer = kMailer;
        QTest::mousePress(h.button("BtnMail"), Qt::LeftButton, row.modifiers);
        QCOMPARE(h.dialogs.fileDialogs.size(), row.asks ? 1 : 0);
        if (row.asks)
            QCOMPARE(h.dialogs.fileDialogs[0].request.fileName, row.remembered);
        const bool started = !row.cancel && !row.startFails;
        QCOMPARE(h.shell.startedPrograms, started ? QStringList{kMailer} : QStringList());
        QCOMPARE(q(h.form().settings().mailProgram), row.cancel ? row.remembered : kMailer);
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // A manual not installed opens nothing; without a browser the user is told which page
    // to open.
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
        const QString viewer = QStringLiteral("/opt/info/viewer");
        const QStringList inFolder{"/opt/loc/MSINFO32.EXE"};
        const SysInfo rows[] = {
            {"PATH, even of a missing file", viewer, false, "/opt/loc", {viewer}},
            {"PATH, start fails", viewer, true, "", {}},
            {"longest PATH", longest, false, "/opt/loc", {longest}},
            {"PATH too long, the folder instead", longest + u'x', false, "/opt/loc", inFolder},
            {"folder with the viewer", "", false, "/opt/loc", inFolder},
            {"folder without the viewer", "", false, "/opt/other", {}},
            {"neither", "", false, "", {}},
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

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
