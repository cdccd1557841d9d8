// Start-up and shut-down of the main window: registration with the update checker,
// the settings file "Tov.ini" and the text the source pane starts with.
#include "app/form1.h"

#include "app/form1_texts.h"
#include "app/number_box.h"
#include "app/pane.h"
#include "app/program_info.h"
#include "app/settings_file.h"
#include "options/frm_cstm.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "platform/registry/registry.h"
#include "platform/text/cp932.h"
#include "update/up_check.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QScrollBar>

#include <cstdio>

namespace tovalo::app {
namespace {

constexpr std::int16_t kStartWithManual = 1;

} // namespace

void Form1::startUp() {
    shared_.MpH = 6;
    shared_.MpW = 8;
    shared_.Loading = true;
    if (!runStartUp())
        TxtOri->setText(texts::kStartUpFailed);
    // Also after a failure: estimation and conversion work for the rest of the run.
    shared_.Loading = false;
}

// Each step stops the start-up when it fails; values it set before stay in effect.
bool Form1::runStartUp() {
    SettingsRecords saved = currentRecords();
    return registerWithUpdateChecker() && restoreSettings(saved) && fillStartText(saved);
}

// A registry store that is damaged or cannot be read is left as it is, and the checker
// counts as not installed: stopping here would leave the settings file unread, and
// shut-down would then write over it.
bool Form1::registerWithUpdateChecker() {
    const std::string_view problem =
        platform::storeProblem(services_.registry, platform::RegistryRoot::CurrentUser);
    if (!problem.empty()) {
        std::fprintf(stderr, "tovalo: not registering with the update checker: %.*s\n",
                     static_cast<int>(problem.size()), problem.data());
        return true;
    }
    if (!upCheck_)
        upCheck_ = std::make_unique<update::UpCheck>(services_.registry);
    update::UpCheck &check = *upCheck_;
    const update::UpCheckResult<bool> installed = check.InstalledUpCheck();
    if (!installed.ok())
        return false;
    if (!installed.value())
        return true;
    check.MailAddress(program_info::kAuthorMail);
    check.Author(program_info::kAuthor);
    check.Build(program_info::kBuild);
    check.DisplayHost(program_info::kHost);
    check.DisplayName(program_info::kName);
    check.DistinctName(program_info::kName);
    check.FilePath(true);
    if (!check.InfoURL(program_info::kUpdateInfoUrl, 1).ok() || !check.WriteData().ok())
        return false;
    const update::UpCheckResult<bool> newer = check.CheckNewVer();
    if (!newer.ok())
        return false;
    if (newer.value())
        services_.dialogs.showMessage(this, texts::qs(texts::kTitle),
                                      texts::qs(texts::kNewerVersion),
                                      platform::MessageIcon::Information);
    return true;
}

QString Form1::settingsFilePath() const {
    const platform::Files &files = services_.files;
    QString folder = files.programFolder();
    if (!files.isWritableFolder(folder))
        folder = files.userConfigFolder() + QStringLiteral("/tovalo");
    return folder + QLatin1Char('/') + texts::qs(texts::kSettingsFileName);
}

// Reads the settings file into `saved` and applies it. Without a file the defaults stay.
bool Form1::restoreSettings(SettingsRecords &saved) {
    const QString path = settingsFilePath();
    if (!services_.files.existsIncludingHidden(path))
        return true;
    const std::optional<QByteArray> bytes = services_.files.readBytes(path);
    if (!bytes)
        return false;
    const int records = readSettingsFile(std::string_view(bytes->data(), bytes->size()), saved);
    shared_.Spc12A = saved.Spc12A;
    shared_.StMBL = saved.StMBL;
    shared_.MpTsep = saved.MpTsep;
    shared_.ChkChg0 = saved.ChkChg0;
    shared_.ChkChg1 = saved.ChkChg1;
    shared_.maruFix = saved.maruFix;
    shared_.MailSoft = saved.MailSoft;
    if (records < kSettingsRecordCount)
        return false;
    // The parameters only once the whole file has been read.
    TxtH->setText(QString::fromStdU16String(saved.height));
    TxtWidth->setText(QString::fromStdU16String(saved.lines));
    if (saved.fixedLines)
        ChkWidth->setChecked(true);
    return true;
}

// Whether to start blank is asked of the options dialog, which this loads without
// showing it; it stays loaded, hidden, until the user opens and closes it.
bool Form1::fillStartText(const SettingsRecords &saved) {
    if (shared_.StMBL == kStartWithManual) {
        const QString manual = services_.files.dataFile(texts::qs(texts::kManualFileName));
        if (!services_.files.exists(manual))
            return true;
        const std::optional<QByteArray> bytes = services_.files.readBytes(manual);
        if (!bytes)
            return false;
        TxtOri->setText(text::fromCp932(std::string_view(bytes->data(), bytes->size())));
        ScrHeight->setValue(35);
        TxtWidth->setText(QStringLiteral("30"));
        convert();
    } else if (optionsDialog().StBlankSelected()) {
        TxtTate->setText({});
        TxtOri->setText({});
    } else {
        TxtOri->setText(saved.source);
        TxtTate->setText(saved.vertical);
    }
    return true;
}

SettingsRecords Form1::currentRecords() const {
    return {shared_.Spc12A,
            shared_.StMBL,
            shared_.MpTsep,
            shared_.ChkChg0,
            shared_.ChkChg1,
            shared_.maruFix,
            TxtH->text().toStdU16String(),
            TxtWidth->text().toStdU16String(),
            ChkWidth->isChecked(),
            shared_.MailSoft,
            TxtOri->text(),
            TxtTate->text()};
}

void Form1::closeEvent(QCloseEvent *event) {
    shutDown();
    event->accept();
}

// Writes the settings file anew and closes the program's other windows. A file that
// cannot be written does not keep the program open; the reason goes to standard error.
void Form1::shutDown() {
    const QString path = settingsFilePath();
    const std::string bytes = writeSettingsFile(currentRecords());
    QString error;
    if (services_.files.writeBytesAtomically(path, QByteArray::fromStdString(bytes), error))
        services_.files.setNormalAttributes(path);
    else
        std::fprintf(stderr, "tovalo: cannot write the settings file %s: %s\n", qPrintable(path),
                     qPrintable(error));

    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (window != this && window->isVisible())
            window->close();
}

} // namespace tovalo::app
