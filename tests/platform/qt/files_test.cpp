// The real file system service, the dialogs, the shell and the window order.
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
#include <QScopeGuard>
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

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void makesFoldersTellsHiddenFilesAndRenames() {
        QTemporaryDir dir;
        QtFiles files;
        QString error;
        const QString sub = dir.filePath(QStringLiteral("sub"));
        const QString hidden = sub + QStringLiteral("/.Tov.ini");
        const QString plain = sub + QStringLiteral("/説明書.txt");
        QVERIFY(files.makeFolder(sub, error) && files.makeFolder(sub, error)); // then it exists
        QVERIFY(files.writeBytesAtomically(hidden, "first", error) &&
                files.writeBytesAtomically(plain, "a", error));
        QVERIFY(files.exists(plain) && !files.exists(hidden) &&
                files.existsIncludingHidden(hidden));
        QVERIFY(!files.existsIncludingHidden(dir.path()) && !files.isWritableFolder(plain));
        QFile::setPermissions(hidden, QFileDevice::ReadOwner);
        QVERIFY(files.setNormalAttributes(hidden));
        QVERIFY(QFile::permissions(hidden) & QFileDevice::WriteOwner);

        QVERIFY(files.renameReplacing(hidden, plain, error)); // over an older file
        QCOMPARE(contentOf(plain), QByteArray("first"));
        QVERIFY(!files.renameReplacing(hidden, plain, error) && !error.isEmpty());
    }

    // Links and permission bits stay; what is refused stays as it was, with no temporary file.
    void replacingWhatTheNameStandsFor_data() {
        QTest::addColumn<QString>("made"); // what the name stands for before
        QTest::addColumn<bool>("written");
        const std::pair<const char *, bool> rows[] = {
            {"file 644", true},        {"file 640", true},        {"link to file", true},
            {"link to nothing", true}, {"file 444", false},       {"pipe 644", false},
            {"folder 755", false},     {"link to folder", false},
        };
        for (const auto &[made, written] : rows)
            QTest::newRow(made) << QString::fromLatin1(made) << written;
    }
    void replacingWhatTheNameStandsFor() {
        QFETCH(QString, made);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("name"));
        const QString target = dir.filePath(QStringLiteral("target"));
        const mode_t mode = made.section(QLatin1Char(' '), 1).toUInt(nullptr, 8);
        const bool link = made.startsWith(QStringLiteral("link"));
        const QString at = link ? target : name,
                      kind = made.section(QLatin1Char(' '), link ? -1 : 0, link ? -1 : 0);
        if (kind == QStringLiteral("file"))
            putFile(at, "old");
        if (kind == QStringLiteral("pipe"))
            QVERIFY(::mkfifo(QFile::encodeName(at).constData(), mode) == 0);
        if (kind == QStringLiteral("folder"))
            QVERIFY(QDir().mkdir(at));
        QVERIFY(link ? QFile::link(target, name)
                     : ::chmod(QFile::encodeName(name).constData(), mode) == 0);
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

    // New content smaller or larger than the write buffer: the old file stays whole.
    void fullDiskKeepsTheOldFileWhole() {
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no right to mount a small file system here");
        const auto unmount = qScopeGuard([&] { ::umount(mountPoint.constData()); });
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

    // No symbol fonts are offered; another family keeps an upright font of normal weight.
    void fontDialogOffersScriptFontsAndGivesTheChoice() {
        tovalo::platform::FontColorDialog dialog(
            {QFont(QStringLiteral("IPAGothic"), 11), QColor(0x12, 0x34, 0x56)}); // not a named one
        auto *chooser = dialog.findChild<QFontDialog *>(QStringLiteral("FontChooser"));
        QCOMPARE(dialog.choice().font.family(), QStringLiteral("IPAGothic"));
        QListView *families = chooser->findChildren<QListView *>().value(0);
        QAbstractItemModel *model = families->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString family = model->index(row, 0).data().toString();
            QVERIFY2(families->isRowHidden(row) ||
                         (family != QStringLiteral("Standard Symbols PS") &&
                          !QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol)),
                     qPrintable(family));
        }
        const QModelIndexList dejaVu =
            model->match(model->index(0, 0), Qt::DisplayRole, QStringLiteral("DejaVu Sans"), 1,
                         Qt::MatchExactly);
        QVERIFY(!dejaVu.isEmpty() && !families->isRowHidden(dejaVu.first().row()));
        families->setCurrentIndex(dejaVu.first());
        QCOMPARE(dialog.choice().color, QColor(0x12, 0x34, 0x56));
        auto *colors = dialog.findChild<QComboBox *>(QStringLiteral("TextColor"));
        colors->setCurrentIndex(colors->findText(QStringLiteral("赤")));
        QVERIFY(!chooser->currentFont().italic() &&
                chooser->currentFont().weight() == QFont::Normal);
        QFont font(QStringLiteral("DejaVu Sans"), 14);
        font.setUnderline(true);
        chooser->setCurrentFont(font);
        const QFont chosen = dialog.choice().font;
        QVERIFY(chosen.family() == font.family() && chosen.pointSize() == 14 && chosen.underline());
        QCOMPARE(dialog.choice().color, QColor(Qt::red));
    }

    // Kinds as on Windows: any letter case, programs for "*.exe", names without a dot for "*.*".
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
