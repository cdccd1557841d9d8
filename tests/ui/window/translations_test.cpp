// The captions in the user's language: English from the shipped translation for an
// English locale, the Japanese source texts for every other locale and where the
// translation is missing; the object names stay the same in either language.
#include "window_harness.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/frm_cstm.h"
#include "ui/widgets/translations.h"

#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QTranslator>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

// What a user sees of the window, the options dialog and the version dialog, one caption
// a line, each after the object's name.
QStringList captions(WindowHarness &h) {
    QStringList seen;
    Form1 &form = h.form();
    seen << QStringLiteral("MnuFiles ") + h.find<QMenu>("MnuFiles")->title();
    seen << QStringLiteral("MnuTagCopy ") + menuAction(form, "MnuTagCopy")->text();
    seen << QStringLiteral("ChkAuto ") + h.check("ChkAuto")->text();
    seen << QStringLiteral("BtnMphone ") + h.button("BtnMphone")->toolTip();

    QTimer::singleShot(0, [&seen] {
        auto *dialog = qobject_cast<FrmCstm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen << QStringLiteral("FrmCstm ") + dialog->windowTitle();
        seen << QStringLiteral("StLast ") +
                    dialog->findChild<QRadioButton *>(QStringLiteral("StLast"))->text();
        dialog->close();
    });
    form.MnuOption()->trigger();

    AboutDialog about({h.dialogs, h.files, h.registry, h.shell}, &form);
    seen << QStringLiteral("frmAbout ") + about.windowTitle();
    return seen;
}

const QStringList kJapanese = {"MnuFiles ファイル",
                               "MnuTagCopy タグ付きコピー",
                               "ChkAuto 自動更新",
                               "BtnMphone 携帯電話用",
                               "FrmCstm 設定",
                               "StLast 前回の文章",
                               "frmAbout Tovaloのﾊﾞｰｼﾞｮﾝ情報"};
const QStringList kEnglish = {"MnuFiles File",        "MnuTagCopy Copy with HTML tags",
                              "ChkAuto Auto",         "BtnMphone Phone pages",
                              "FrmCstm Options",      "StLast Last text",
                              "frmAbout About Tovalo"};

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

struct Locale {
    const char *name;
    QString locale, englishFile;
    bool translated;
    QStringList expected;
};

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
    QStringList japaneseObjectNames_;

private slots:
    void initTestCase() {
        OpenWindow h;
        japaneseObjectNames_ = objectNames(h.form());
        QVERIFY(!japaneseObjectNames_.isEmpty());
    }

    // The translators leave with each case, so that the next starts from none.
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    void captionsFollowTheLocale_data() {
        const Locale rows[] = {
            {"US English", "en_US", kShippedEnglish, true, kEnglish},
            {"British English", "en_GB", kShippedEnglish, true, kEnglish},
            {"C locale", "C", kShippedEnglish, true, kJapanese},
            {"Japanese", "ja_JP", kShippedEnglish, true, kJapanese},
            {"French, no translation", "fr_FR", kShippedEnglish, true, kJapanese},
            {"English, translation missing", "en_US", "/nonexistent/tovalo_en.qm", false,
             kJapanese},
        };
        addRows(rows);
    }
    void captionsFollowTheLocale() {
        QFETCH(Locale, row);
        QCOMPARE(installTranslations(QLocale(row.locale), row.englishFile), row.translated);
        OpenWindow h;
        QCOMPARE(captions(h), row.expected);
        QCOMPARE(objectNames(h.form()), japaneseObjectNames_);
    }

    // The failure text in the vertical pane is data, not a caption: it stays as it is.
    void failureTextStaysInEnglish() {
        QVERIFY(installTranslations(QLocale(QStringLiteral("en_US")), kShippedEnglish));
        OpenWindow h;
        h.pane("TxtOri")->setText(u"あ");
        replaceBoxText(h.box("TxtMgn"), QStringLiteral("x"));
        click(h.button("Command1"));
        QCOMPARE(h.paneText("TxtTate"), kFailed);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
