// The real file system service and the font dialog.
#include "platform/qt/fake_files.h"
#include "platform/qt/font_color_dialog.h"
#include "platform/qt/qt_files.h"

#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QTemporaryDir>
#include <QTest>

using tovalo::platform::FontColorDialog;
using tovalo::platform::QtFiles;

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void writesAtomicallyAndReadsBack() {
        QTemporaryDir dir;
        QtFiles files;
        const QString path = dir.filePath(QStringLiteral("sub/Tov.ini"));
        QString error;
        QVERIFY(files.writeBytesAtomically(path, "first", error));
        QVERIFY(files.writeBytesAtomically(path, "second", error));
        QCOMPARE(files.readBytes(path).value(), QByteArray("second"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files).size(), 1);
    }

    void failedWriteLeavesTheOldFileAndSaysWhy() {
        QTemporaryDir dir;
        QtFiles files;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        QFile(blocker).open(QIODevice::WriteOnly);
        QString error;
        QVERIFY(!files.writeBytesAtomically(blocker + QStringLiteral("/Tov.ini"), "x", error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!files.readBytes(blocker + QStringLiteral("/Tov.ini")));
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

    void existsTellsOrdinaryFromHiddenFiles() {
        QTemporaryDir dir;
        QtFiles files;
        QString error;
        const QString plain = dir.filePath(QStringLiteral("説明書.txt"));
        const QString hidden = dir.filePath(QStringLiteral(".Tov.ini"));
        QVERIFY(files.writeBytesAtomically(plain, "a", error));
        QVERIFY(files.writeBytesAtomically(hidden, "b", error));
        QVERIFY(files.exists(plain));
        QVERIFY(!files.exists(hidden));
        QVERIFY(files.existsIncludingHidden(hidden));
        QVERIFY(!files.existsIncludingHidden(dir.path()));
        QVERIFY(!files.exists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(files.isWritableFolder(dir.path()));
        QVERIFY(!files.isWritableFolder(plain));
    }

    void normalAttributesLetTheOwnerReadAndWrite() {
        QTemporaryDir dir;
        QtFiles files;
        const QString path = dir.filePath(QStringLiteral("Tov.ini"));
        QString error;
        QVERIFY(files.writeBytesAtomically(path, "x", error));
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QVERIFY(files.setNormalAttributes(path));
        QVERIFY(QFile::permissions(path) & QFileDevice::WriteOwner);
    }

    void fontDialogOpensOnTheCurrentChoiceAndGivesTheNewOne() {
        const QColor custom(0x12, 0x34, 0x56);
        FontColorDialog dialog({QFont(QStringLiteral("DejaVu Sans Mono"), 11), custom});
        QCOMPARE(dialog.choice().color, custom);
        QCOMPARE(dialog.choice().font.family(), QStringLiteral("DejaVu Sans Mono"));
        auto *chooser = dialog.findChild<QFontDialog *>(QStringLiteral("FontChooser"));
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
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
