// The captions in the user's language: English from the shipped translation for an
// English locale, the Japanese source texts for every other locale and where the
// translation is missing; the object names and the failure text stay as they are.
#include "window_harness.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/widgets/translations.h"

#include <QMenu>
#include <QTimer>
#include <QTranslator>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

// A caption of the window, of the options dialog and of the version dialog.
QStringList captions(WindowHarness &h) {
    QStringList seen{h.find<QMenu>("MnuFiles")->title(), h.check("ChkAuto")->text()};
    QTimer::singleShot(0, [&seen] {
        QWidget *dialog = QApplication::activeModalWidget();
        seen << dialog->windowTitle();
        dialog->close();
    });
    h.form().MnuOption()->trigger();
    seen << AboutDialog({h.dialogs, h.files, h.registry, h.shell}, &h.form()).windowTitle();
    return seen;
}

// The names of every object of the window, sorted.
QStringList objectNames(const Form1 &form) {
    QStringList names;
    for (const QObject *child : form.findChildren<QObject *>())
        if (!child->objectName().isEmpty())
            names << child->objectName();
    names.sort();
    return names;
}

const QString kShippedEnglish = QStringLiteral(TOVALO_ENGLISH_CAPTIONS);
const QStringList kJapanese = {"ファイル", "自動更新", "設定", "Tovaloのﾊﾞｰｼﾞｮﾝ情報"};
const QStringList kEnglish = {"File", "Auto", "Options", "About Tovalo"};

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
    QStringList japaneseObjectNames_;

private slots:
    void initTestCase() { japaneseObjectNames_ = objectNames(OpenWindow().form()); }

    // The translators leave with each case, so that the next starts from none.
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    void captionsFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("englishFile");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("US English") << "en_US" << kShippedEnglish << kEnglish;
        QTest::newRow("British English") << "en_GB" << kShippedEnglish << kEnglish;
        QTest::newRow("C locale") << "C" << kShippedEnglish << kJapanese;
        QTest::newRow("French, no translation") << "fr_FR" << kShippedEnglish << kJapanese;
        QTest::newRow("English, translation missing")
            << "en_US" << QStringLiteral("/nonexistent/tovalo_en.qm") << kJapanese;
    }
    void captionsFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, englishFile);
        QFETCH(QStringList, expected);
        QCOMPARE(installTranslations(QLocale(locale), englishFile), englishFile == kShippedEnglish);
        OpenWindow h;
        QCOMPARE(captions(h), expected);
        QCOMPARE(objectNames(h.form()), japaneseObjectNames_);
        h.pane("TxtOri")->setText(u"あ");
        replaceBoxText(h.box("TxtMgn"), QStringLiteral("x"));
        click(h.button("Command1"));
        QCOMPARE(h.paneText("TxtTate"), kFailed);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
