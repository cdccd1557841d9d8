// The real file system service, the dialogs, the shell and the window order.
#include "platform/qt/fake_files.h"
#include "platform/qt/font_color_dialog.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_files.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_order.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/mount.h>
#include <sys/stat.h>

using tovalo::platform::QtFiles;

namespace {

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void putFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The kind and permission bits of what the name itself stands for, a link not followed.
QString kindOf(const QString &path) {
    struct stat status {};
    const bool found = ::lstat(QFile::encodeName(path).constData(), &status) == 0;
    return found ? QString::number(status.st_mode, 8) : QStringLiteral("nothing");
}

// A small file system of its own, full to the last few kilobytes, while it lives; it
// needs the right to mount one.
class FullDisk {
public:
    explicit FullDisk(const QString &folder) : folder_(QFile::encodeName(folder)) {
        mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (mounted_)
            ::umount(folder_.constData());
    }
    bool mounted() const { return mounted_; }

private:
    QByteArray folder_;
    bool mounted_ = false;
};

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    // Writes over every kind of name, and failed ones, are covered below and with the
    // save command on the real file system.
    void makesFoldersAndTellsOrdinaryFromHiddenFiles() {
        QTemporaryDir dir;
        QtFiles files;
        QString error;
        const QString sub = dir.filePath(QStringLiteral("sub"));
        const QString hidden = sub + QStringLiteral("/.Tov.ini");
        const QString plain = sub + QStringLiteral("/説明書.txt");
        QVERIFY(files.makeFolder(sub, error) && files.makeFolder(sub, error)); // then it exists
        QVERIFY(files.writeBytesAtomically(hidden, "first", error));
        QVERIFY(files.writeBytesAtomically(plain, "a", error));
        QCOMPARE(files.readBytes(hidden).value(), QByteArray("first"));
        QVERIFY(files.exists(plain) && !files.exists(hidden));
        QVERIFY(files.existsIncludingHidden(hidden) && !files.existsIncludingHidden(dir.path()));
        QVERIFY(!files.exists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(files.isWritableFolder(dir.path()) && !files.isWritableFolder(plain));
        QFile::setPermissions(hidden, QFileDevice::ReadOwner);
        QVERIFY(files.setNormalAttributes(hidden));
        QVERIFY(QFile::permissions(hidden) & QFileDevice::WriteOwner);
    }

    // A link stays and its target is replaced; the permission bits stay. Whatever is
    // refused stays as it was, and no temporary file is left beside it.
    void replacingWhatTheNameStandsFor_data() {
        QTest::addColumn<QString>("made"); // what the name stands for before
        QTest::addColumn<bool>("written");
        QTest::newRow("file 644") << "file 644" << true;
        QTest::newRow("file 640") << "file 640" << true;
        QTest::newRow("link to a file") << "link to file" << true;
        QTest::newRow("dangling link") << "link to nothing" << true;
        QTest::newRow("read-only file") << "file 444" << false;
        QTest::newRow("pipe") << "pipe 644" << false;
        QTest::newRow("folder") << "folder 755" << false;
        QTest::newRow("link to a folder") << "link to folder" << false;
    }
    void replacingWhatTheNameStandsFor() {
        QFETCH(QString, made);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("name"));
        const QString target = dir.filePath(QStringLiteral("target"));
        const QByteArray n = QFile::encodeName(name);
        const mode_t mode = made.section(QLatin1Char(' '), 1).toUInt(nullptr, 8);
        if (made.startsWith(QStringLiteral("link"))) {
            if (made.endsWith(QStringLiteral("file")))
                putFile(target, "old");
            if (made.endsWith(QStringLiteral("folder")))
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
            QVERIFY(QFile::link(target, name));
        } else {
            if (made.startsWith(QStringLiteral("file")))
                putFile(name, "old");
            if (made.startsWith(QStringLiteral("pipe")))
                QVERIFY(::mkfifo(n.constData(), mode) == 0);
            if (made.startsWith(QStringLiteral("folder")))
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("name")));
            QVERIFY(::chmod(n.constData(), mode) == 0);
        }
        const auto entries = [&] {
            return QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QString kindBefore = kindOf(name);
        const QStringList before = entries();

        QtFiles files;
        QString error;
        QCOMPARE(files.writeBytesAtomically(name, "new", error), written);
        QCOMPARE(error.isEmpty(), written);
        QCOMPARE(kindOf(name), kindBefore);
        QCOMPARE(entries(), made == QStringLiteral("link to nothing")
                                ? before + QStringList{"target"}
                                : before);
        if (QFileInfo(name).isFile())
            QCOMPARE(contentOf(name), written ? QByteArray("new") : QByteArray("old"));
    }

    // The last buffered write fails on a full disk: the old file stays whole and the
    // failure is told, whether the new content is smaller or larger than the buffer.
    void fullDiskKeepsTheOldFileWhole() {
        QTemporaryDir dir;
        FullDisk disk(dir.path());
        if (!disk.mounted())
            QSKIP("no right to mount a small file system here");
        const QString path = dir.filePath(QStringLiteral("Tov.ini"));
        const QByteArray old(15000, 'o');
        putFile(path, old);
        putFile(dir.filePath(QStringLiteral("filler")), QByteArray(40000, 'f'));
        for (int size : {15000, 100000}) {
            QtFiles files;
            QString error;
            QVERIFY(!files.writeBytesAtomically(path, QByteArray(size, 'n'), error));
            QVERIFY2(error.contains(QStringLiteral("space")), qPrintable(error));
            QCOMPARE(contentOf(path), old);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     (QStringList{"filler", "Tov.ini"}));
        }
    }

    void renameReplacesAnOlderFile() {
        QTemporaryDir dir;
        const QString from = dir.filePath(QStringLiteral("Tov.ini"));
        const QString to = dir.filePath(QStringLiteral("Tov.ini.bak"));
        putFile(from, "unread");
        putFile(to, "older copy");
        QtFiles files;
        QString error;
        QVERIFY(files.renameReplacing(from, to, error));
        QCOMPARE(contentOf(to), QByteArray("unread"));
        QVERIFY(!QFile::exists(from));
        QVERIFY(!files.renameReplacing(from, to, error));
        QVERIFY(!error.isEmpty());
    }

    void dataFilesAreFoundBesideTheProgramOrInItsSharedFolder() {
        tovalo::platform::FakeFiles files;
        files.programFolderPath = QStringLiteral("/usr/bin");
        const QString name = QStringLiteral("help.htm");
        QCOMPARE(files.dataFile(name), QStringLiteral("/usr/bin/help.htm"));
        files.contents[QStringLiteral("/usr/share/tovalo/help.htm")] = "installed";
        QCOMPARE(files.dataFile(name), QStringLiteral("/usr/share/tovalo/help.htm"));
        files.contents[QStringLiteral("/usr/bin/help.htm")] = "beside";
        QCOMPARE(files.dataFile(name), QStringLiteral("/usr/bin/help.htm"));
    }

    // The font dialog opens on the current choice and gives the new one. It offers no
    // symbol fonts, and choosing another family keeps an upright font of normal weight
    // upright and normal, though the family names its styles differently ("Book").
    void fontDialogOffersScriptFontsAndGivesTheChoice() {
        const QColor custom(0x12, 0x34, 0x56);
        tovalo::platform::FontColorDialog dialog({QFont(QStringLiteral("IPAGothic"), 11), custom});
        QCOMPARE(dialog.choice().color, custom);
        QCOMPARE(dialog.choice().font.family(), QStringLiteral("IPAGothic"));
        auto *chooser = dialog.findChild<QFontDialog *>(QStringLiteral("FontChooser"));
        QListView *families = chooser->findChildren<QListView *>().value(0);
        QStringList offered;
        for (int row = 0; row < families->model()->rowCount(); ++row)
            if (!families->isRowHidden(row))
                offered << families->model()->index(row, 0).data().toString();
        QVERIFY(!offered.contains(QStringLiteral("Standard Symbols PS")));
        for (const QString &family : offered)
            QVERIFY2(!QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol),
                     qPrintable(family));
        const QModelIndexList dejaVu =
            families->model()->match(families->model()->index(0, 0), Qt::DisplayRole,
                                     QStringLiteral("DejaVu Sans"), 1, Qt::MatchExactly);
        QVERIFY(!dejaVu.isEmpty() && !families->isRowHidden(dejaVu.first().row()));
        families->setCurrentIndex(dejaVu.first());
        QCOMPARE(chooser->currentFont().family(), QStringLiteral("DejaVu Sans"));
        QVERIFY(!chooser->currentFont().italic());
        QCOMPARE(chooser->currentFont().weight(), QFont::Normal);

        QFont font(QStringLiteral("DejaVu Sans"), 14);
        font.setUnderline(true);
        chooser->setCurrentFont(font);
        auto *colors = dialog.findChild<QComboBox *>(QStringLiteral("TextColor"));
        colors->setCurrentIndex(colors->findText(QStringLiteral("赤")));
        const auto choice = dialog.choice();
        QCOMPARE(choice.font.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(choice.font.pointSize(), 14);
        QVERIFY(choice.font.underline());
        QCOMPARE(choice.color, QColor(Qt::red));
    }

    // The open dialog lists what each kind stands for as on Windows: any letter case,
    // programs for "*.exe", also names without a dot for "*.*", and folders always; the
    // name comes back as typed. Only executable files start as programs. A hidden window put
    // on top stays hidden.
    void openDialogShellAndWindowOrderActAsOnWindows() {
        QTemporaryDir folder;
        const QString mail = folder.filePath(QStringLiteral("mail"));
        const QString marker = folder.filePath(QStringLiteral("started"));
        putFile(mail, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
        QFile::setPermissions(mail, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const char *name : {"a.txt", "B.TXT", "c.htm", "notes", "setup.exe"})
            putFile(folder.filePath(QString::fromLatin1(name)), "x");
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        const QList<QStringList> expected = {
            {"B.TXT", "a.txt", "sub"},
            {"mail", "sub"},
            {"B.TXT", "a.txt", "c.htm", "mail", "notes", "setup.exe", "sub"}};
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
            const auto listed = [view] {
                QStringList names;
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                    names << view->model()->index(row, 0, view->rootIndex()).data().toString();
                names.sort();
                return names;
            };
            [&] { // a failed check still closes the dialog below
                QCOMPARE(combo->count(), expected.size());
                for (int i = 0; i < combo->count(); ++i) {
                    combo->setCurrentIndex(i);
                    emit combo->activated(i);
                    emit combo->textActivated(combo->currentText());
                    QTRY_COMPARE(listed(), expected.value(i));
                }
            }();
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("notes"));
            static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own accept
        });
        const std::optional<QString> chosen = tovalo::platform::QtDialogs().openFileName(
            nullptr, {QStringLiteral("メールソフトを指定してください"), mail,
                      QStringLiteral("テキスト (*.txt)|*.txt|アプリケーション (*.exe)|*.exe|"
                                     "すべてのファイル (*.*)|*.*|")});
        QCOMPARE(chosen, std::optional<QString>(folder.filePath(QStringLiteral("notes"))));

        tovalo::platform::QtShell shell;
        for (const QString &refused : {folder.filePath(QStringLiteral("a.txt")),
                                       folder.filePath(QStringLiteral("missing")), folder.path()})
            QVERIFY2(!shell.startProgram(refused), qPrintable(refused));
        QVERIFY(shell.startProgram(mail));
        QTRY_VERIFY(QFile::exists(marker));

        QWidget hidden;
        QVERIFY(tovalo::platform::QtWindowOrder().setTopMost(hidden, true));
        QVERIFY(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && !hidden.isVisible());
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
