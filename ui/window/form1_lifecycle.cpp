// Start-up and shut-down of the main window: registration with the update checker,
// the settings file "Tov.ini" and the text the source pane starts with.
#include "ui/window/form1.h"

#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "platform/registry/registry.h"
#include "platform/text/cp932.h"
#include "product/program_info.h"
#include "settings/settings_file.h"
#include "ui/dialogs/frm_cstm.h"
#include "ui/widgets/number_box.h"
#include "ui/widgets/pane.h"
#include "ui/window/settings_location.h"
#include "ui/window/window_texts.h"
#include "update/up_check.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScrollBar>

namespace tovalo::ui {
namespace {

constexpr std::int16_t kStartWithManual = 1;

} // namespace

void Form1::startUp() {
    loading_ = true;
    restorePrefs();
    // Until start-up has read it whole, a settings file is kept at shut-down.
    settingsAtStart_.keepUnreadFile =
        services_.files.existsIncludingHidden(settingsFilePath(services_.files));
    if (!runStartUp())
        TxtOri->setText(texts::tr(texts::kStartUpFailed).toStdU16String());
    settingsAtStart_.startSource = TxtOri->text();
    // Also after a failure: estimation and conversion work for the rest of the run.
    loading_ = false;
}

// Each step stops the start-up when it fails; values it set before stay in effect.
bool Form1::runStartUp() {
    settings::SettingsRecords saved = currentRecords();
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
                                      texts::tr(texts::kNewerVersion),
                                      platform::MessageIcon::Information);
    return true;
}

// Reads the settings file into `saved` and applies it. Without a file the defaults stay.
bool Form1::restoreSettings(settings::SettingsRecords &saved) {
    const QString path = settingsFilePath(services_.files);
    if (!services_.files.existsIncludingHidden(path))
        return true;
    const std::optional<QByteArray> bytes = services_.files.readBytes(path);
    if (!bytes)
        return false;
    const int records =
        settings::readSettingsFile(std::string_view(bytes->data(), bytes->size()), saved);
    settings_ = saved.settings;
    if (records < settings::kSettingsRecordCount)
        return false;
    settingsAtStart_.keepUnreadFile = false;
    settingsAtStart_.unshownTexts = {saved.source, saved.vertical};
    // The parameters only once the whole file has been read.
    TxtH->setText(QString::fromStdU16String(saved.height));
    TxtWidth->setText(QString::fromStdU16String(saved.lines));
    if (saved.fixedLines)
        ChkWidth->setChecked(true);
    return true;
}

// Whether to start blank is asked of the options dialog, which this loads without
// showing it; it stays loaded, hidden, until the user opens and closes it.
bool Form1::fillStartText(const settings::SettingsRecords &saved) {
    if (settings_.startText == kStartWithManual) {
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
        settingsAtStart_.unshownTexts.reset(); // the panes hold them now
    }
    return true;
}

settings::SettingsRecords Form1::currentRecords() const {
    return {.settings = settings_,
            .height = TxtH->text().toStdU16String(),
            .lines = TxtWidth->text().toStdU16String(),
            .fixedLines = ChkWidth->isChecked(),
            .source = TxtOri->text(),
            .vertical = TxtTate->text()};
}

void Form1::closeEvent(QCloseEvent *event) {
    shutDown();
    event->accept();
}

// Writes the settings file and the per-user file anew and closes the program's other
// windows. A file that cannot be written does not keep the program open, but the user
// learns of it first: one message names each such file and why.
void Form1::shutDown() {
    QString failures;
    const auto note = [&failures](const QString &path, const QString &error) {
        failures += QLatin1Char('\n') + path + QLatin1Char('\n') + error;
    };
    const QString path = settingsFilePath(services_.files);
    QString error;
    if (!saveSettings(path, error))
        note(path, error);
    const QString prefsPath = userPrefsFilePath(services_.files);
    if (!services_.files.writeIni(prefsPath, settings::prefsToEntries(currentPrefs()), error))
        note(prefsPath, error);
    if (!failures.isEmpty())
        services_.dialogs.showMessage(this, texts::qs(texts::kTitle),
                                      texts::tr(texts::kSettingsNotSaved) + failures,
                                      platform::MessageIcon::Warning);

    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (window != this && window->isVisible())
            window->close();
}

// A file that start-up could not read whole is first kept under another name, replacing
// an older copy; when that fails nothing is written, so that the file is never lost.
bool Form1::saveSettings(const QString &path, QString &error) {
    platform::Files &files = services_.files;
    if (settingsAtStart_.keepUnreadFile && files.existsIncludingHidden(path) &&
        !files.renameReplacing(path, path + texts::qs(texts::kUnreadSettingsSuffix), error))
        return false;
    const std::string bytes =
        settings::writeSettingsFile(settings::recordsToWrite(currentRecords(), settingsAtStart_));
    // The user's configuration folder of an installed program may not exist yet.
    if (!files.makeFolder(QFileInfo(path).path(), error) ||
        !files.writeBytesAtomically(path, QByteArray::fromStdString(bytes), error))
        return false;
    files.setNormalAttributes(path);
    return true;
}

} // namespace tovalo::ui
