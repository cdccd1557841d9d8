// "開く" with files that could freeze the window or exhaust its memory: very large
// texts, devices and pipes, on the real file system.
#include "window_harness.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tovalo;
using namespace tovalo::ui::test;

namespace {

// Everything runs several times slower under AddressSanitizer; there the files that
// are loaded are smaller, so that the test stays quick.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr qint64 kMB = qint64{1} << 20;
constexpr qint64 kLargestOpened = 4 * kMB;

// Japanese text in UTF-8 of exactly `size` bytes: lines of 33 characters, or a single
// line; the last bytes are ASCII letters.
QByteArray japaneseText(qint64 size, bool lineBreaks) {
    QByteArray unit =
        QStringLiteral("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。")
            .toUtf8();
    if (lineBreaks)
        unit += "\r\n";
    QByteArray text = unit.repeated(size / unit.size());
    text.append(size - text.size(), 'x');
    return text;
}

// A window that converts automatically, with a text of its own in both panes.
void prepare(RealWindow &w) {
    w.form.show();
    w.pane("TxtOri")->setText(u"前の文章です。");
    w.find<QCheckBox>("ChkAuto")->setChecked(true);
    QVERIFY(!w.paneText("TxtTate").isEmpty());
}

} // namespace

class OpenHostileFilesTest : public QObject {
    Q_OBJECT
private slots:
    void oversizedFileIsRefusedAndLeavesThePanes_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("lineBreaks");
        QTest::newRow("100 MB of lines") << 100 * kMB << true;
        QTest::newRow("100 MB in one line") << 100 * kMB << false;
        QTest::newRow("one byte too many") << kLargestOpened + 1 << true;
    }
    void oversizedFileIsRefusedAndLeavesThePanes() {
        QFETCH(qint64, size);
        QFETCH(bool, lineBreaks);
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("大きい.txt"));
        writeFile(name, japaneseText(size, lineBreaks));
        RealWindow w;
        prepare(w);
        const QString source = w.paneText("TxtOri");
        const QString vertical = w.paneText("TxtTate");

        w.dialogs.fileAnswer = name;
        QElapsedTimer timer;
        timer.start();
        choose(w.form, "MnuOpen");
        qInfo("refused in %lld ms", timer.elapsed());

        QCOMPARE(w.paneText("TxtOri"), source);
        QCOMPARE(w.paneText("TxtTate"), vertical);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(w.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
        QCOMPARE(w.dialogs.messages[0].text,
                 QStringLiteral("ファイルが大きすぎるため開けませんでした（4 MB まで）。\n") +
                     name);
        QCOMPARE(w.dialogs.messages[0].icon, platform::MessageIcon::Warning);
    }

    // The largest file that opens arrives whole, and the automatic reconversion gives
    // the vertical text or the failure text.
    void largestFileOpensWholeAndConverts_data() {
        QTest::addColumn<bool>("lineBreaks");
        QTest::newRow("lines") << true;
        QTest::newRow("one line") << false;
    }
    void largestFileOpensWholeAndConverts() {
        QFETCH(bool, lineBreaks);
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("長い.txt"));
        const QByteArray bytes =
            japaneseText(kSanitized ? kLargestOpened / 8 : kLargestOpened, lineBreaks);
        writeFile(name, bytes);
        RealWindow w;
        prepare(w);

        w.dialogs.fileAnswer = name;
        QElapsedTimer timer;
        timer.start();
        choose(w.form, "MnuOpen");
        qInfo("%lld bytes opened and converted in %lld ms, %lld code units shown",
              static_cast<long long>(bytes.size()), timer.elapsed(),
              static_cast<long long>(w.pane("TxtTate")->text().size()));

        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(w.paneText("TxtOri"), QString::fromUtf8(bytes));
        QCOMPARE(w.paneText("TxtTate"), convertedNow(w.form));
    }

    // Reading these would never end: a device gives bytes for ever, a pipe without a
    // writer never opens. Only ordinary files are read; a folder is none either.
    void devicesAndPipesLeaveThePane_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("endless device") << "/dev/zero";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("folder") << "folder";
    }
    void devicesAndPipesLeaveThePane() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        QString name = kind == QStringLiteral("folder") ? folder.path() : kind;
        if (kind == QStringLiteral("pipe")) {
            name = folder.filePath(QStringLiteral("pipe"));
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        }
        RealWindow w;
        prepare(w);
        const QString source = w.paneText("TxtOri");
        w.dialogs.fileAnswer = name;
        choose(w.form, "MnuOpen");
        QCOMPARE(w.paneText("TxtOri"), source);
        QVERIFY(w.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(OpenHostileFilesTest)
#include "open_hostile_files_test.moc"
