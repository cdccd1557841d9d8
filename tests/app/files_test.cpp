// The real file system service and the font dialog.
#include "platform/qt/fake_files.h"
#include "platform/qt/font_color_dialog.h"
#include "platform/qt/qt_files.h"

#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QTemporaryDir>
#include <QTest>

using tovalo::platform::QtFiles;

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    // Failed writes are covered with the save command on the real file system.
    void writesAtomicallyAndTellsOrdinaryFromHiddenFiles() {
        QTemporaryDir dir;
        QtFiles files;
        QString error;
        const QString hidden = dir.filePath(QStringLiteral("sub/.Tov.ini")); // in a new folder
        const QString plain = dir.filePath(QStringLiteral("sub/説明書.txt"));
        QVERIFY(files.writeBytesAtomically(hidden, "first", error));
        QVERIFY(files.writeBytesAtomically(hidden, "second", error));
        QVERIFY(files.writeBytesAtomically(plain, "a", error));
        QCOMPARE(files.readBytes(hidden).value(), QByteArray("second"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList({".Tov.ini", "説明書.txt"}));
        QVERIFY(files.exists(plain) && !files.exists(hidden));
        QVERIFY(files.existsIncludingHidden(hidden) && !files.existsIncludingHidden(dir.path()));
        QVERIFY(!files.exists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(files.isWritableFolder(dir.path()) && !files.isWritableFolder(plain));
        QFile::setPermissions(hidden, QFileDevice::ReadOwner);
        QVERIFY(files.setNormalAttributes(hidden));
        QVERIFY(QFile::permissions(hidden) & QFileDevice::WriteOwner);
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

    void fontDialogOpensOnTheCurrentChoiceAndGivesTheNewOne() {
        const QColor custom(0x12, 0x34, 0x56);
        tovalo::platform::FontColorDialog dialog(
            {QFont(QStringLiteral("DejaVu Sans Mono"), 11), custom});
        QCOMPARE(dialog.choice().color, custom);
        QCOMPARE(dialog.choice().font.family(), QStringLiteral("DejaVu Sans Mono"));
        QFont font(QStringLiteral("DejaVu Sans"), 14);
        font.setUnderline(true);
        dialog.findChild<QFontDialog *>(QStringLiteral("FontChooser"))->setCurrentFont(font);
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
