// The captions in the user's language: English from the shipped translation for an
// English locale, the Japanese source texts for every other locale and where the
// translation is missing; the object names stay the same in either language.
#include "menu_action.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/frm_cstm.h"
#include "ui/widgets/translations.h"

#include <QApplication>
#include <QCheckBox>
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
    for (const char *name : {"MnuFiles", "MnuEdit", "MnuHelp"})
        seen << QString::fromLatin1(name) + u' ' +
                    form.findChild<QMenu *>(QString::fromLatin1(name))->title();
    for (const char *name : {"MnuOpen", "MnuTagCopy", "MnuOption", "MnuVer"})
        seen << QString::fromLatin1(name) + u' ' + menuAction(form, name)->text();
    seen << QStringLiteral("ChkAuto ") + h.check("ChkAuto")->text();
    seen << QStringLiteral("BtnMphone ") + h.button("BtnMphone")->toolTip();

    QTimer::singleShot(0, [&seen] {
        auto *dialog = qobject_cast<FrmCstm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen << QStringLiteral("FrmCstm ") + dialog->windowTitle();
        seen << QStringLiteral("StLast ") +
                    dialog->findChild<QRadioButton *>(QStringLiteral("StLast"))->text();
        seen << QStringLiteral("chkMaru ") +
                    dialog->findChild<QCheckBox *>(QStringLiteral("chkMaru"))->text();
        dialog->close();
    });
    form.MnuOption()->trigger();

    AboutDialog about({h.dialogs, h.files, h.registry, h.shell}, &form);
    seen << QStringLiteral("frmAbout ") + about.windowTitle();
    return seen;
}

const QStringList kJapanese = {
    QStringLiteral("MnuFiles ファイル"),
    QStringLiteral("MnuEdit 編集"),
    QStringLiteral("MnuHelp ヘルプ"),
    QStringLiteral("MnuOpen 開く"),
    QStringLiteral("MnuTagCopy タグ付きコピー"),
    QStringLiteral("MnuOption 設定"),
    QStringLiteral("MnuVer バージョン情報"),
    QStringLiteral("ChkAuto 自動更新"),
    QStringLiteral("BtnMphone 携帯電話用"),
    QStringLiteral("FrmCstm 設定"),
    QStringLiteral("StLast 前回の文章"),
    QStringLiteral("chkMaru 句読点整形"),
    QStringLiteral("frmAbout Tovaloのﾊﾞｰｼﾞｮﾝ情報"),
};

const QStringList kEnglish = {
    QStringLiteral("MnuFiles File"),
    QStringLiteral("MnuEdit Edit"),
    QStringLiteral("MnuHelp Help"),
    QStringLiteral("MnuOpen Open"),
    QStringLiteral("MnuTagCopy Copy with HTML tags"),
    QStringLiteral("MnuOption Options"),
    QStringLiteral("MnuVer About"),
    QStringLiteral("ChkAuto Auto"),
    QStringLiteral("BtnMphone Phone pages"),
    QStringLiteral("FrmCstm Options"),
    QStringLiteral("StLast Last text"),
    QStringLiteral("chkMaru Shape 。、"),
    QStringLiteral("frmAbout About Tovalo"),
};

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
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("englishFile");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("US English") << "en_US" << kShippedEnglish << true << kEnglish;
        QTest::newRow("British English") << "en_GB" << kShippedEnglish << true << kEnglish;
        QTest::newRow("C locale") << "C" << kShippedEnglish << true << kJapanese;
        QTest::newRow("Japanese") << "ja_JP" << kShippedEnglish << true << kJapanese;
        QTest::newRow("French, no translation") << "fr_FR" << kShippedEnglish << true << kJapanese;
        QTest::newRow("English, translation missing")
            << "en_US" << QStringLiteral("/nonexistent/tovalo_en.qm") << false << kJapanese;
    }
    void captionsFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, englishFile);
        QFETCH(bool, translated);
        QFETCH(QStringList, expected);
        QCOMPARE(installTranslations(QLocale(locale), englishFile), translated);
        OpenWindow h;
        QCOMPARE(captions(h), expected);
        QCOMPARE(objectNames(h.form()), japaneseObjectNames_);
    }

    // The failure text in the vertical pane is data, not a caption: it stays as it is.
    void failureTextStaysInEnglish() {
        QVERIFY(installTranslations(QLocale(QStringLiteral("en_US")), kShippedEnglish));
        OpenWindow h;
        h.pane("TxtOri")->setText(u"あ");
        replaceBoxText(h.box("TxtMgn"), QStringLiteral("x"));
        click(h.button("Command1"));
        QCOMPARE(h.paneText("TxtTate"), QStringLiteral("\r\nえらー"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
