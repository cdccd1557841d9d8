#pragma once

#include "engine/settings.h"
#include "settings/settings_at_start.h"
#include "settings/user_prefs.h"
#include "ui/dialogs/frm_mphone.h"
#include "ui/widgets/box_rule.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tovalo::platform {
class Clipboard;
class Dialogs;
class Files;
class Registry;
class Shell;
class WindowOrder;
} // namespace tovalo::platform

namespace tovalo::update {
class UpCheck;
}

namespace tovalo::ui {

class FrmCstm;
class NumberBox;
class Pane;
class WindowCommands;

// The services of the system that the main window uses.
struct Form1Services {
    platform::Dialogs &dialogs;
    platform::Files &files;
    platform::Registry &registry;
    platform::Clipboard &clipboard;
    platform::Shell &shell;
    platform::WindowOrder &windowOrder;
};

// The main window: the source pane on the left, the vertical pane on the right, the
// convert button between them and the conversion parameters above.
class Form1 : public QMainWindow, public PhonePageSource {
    Q_OBJECT
public:
    explicit Form1(Form1Services services, QWidget *parent = nullptr);
    ~Form1() override;

    // Registers with the update checker, restores the settings file and fills the
    // source pane by the start-up choice. Runs once, before the window is shown.
    void startUp();

    // The convert command: reads the parameters, trims the source pane and puts the
    // vertical text (or the failure text) into the vertical pane.
    void convert();

    // Opens the text file at `path` into the source pane, as "開く" does.
    void openFile(const QString &path);

    // Warns, lets the user choose a font and colour, and applies them to the vertical pane.
    void FontChange();

    // The phone pages of the source pane's text, `height` rows by `width` cells (one cell
    // less with a line break after every row), or the failure text.
    std::u16string MpMaker(std::int16_t height, std::int16_t width, bool lineBreaks) const override;

    // The menu bar entry "設定", which opens the options dialog.
    QAction *MnuOption() const;

    engine::Settings &settings() { return settings_; }
    const engine::Settings &settings() const { return settings_; }
    // True while start-up runs.
    bool isStartingUp() const { return loading_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Construction.
    void createControls();
    void placeControls();
    void applyFonts();
    void connectHandlers();

    // Parameter handling.
    void boxChanged(NumberBox *box, QScrollBar *bar, BoxRange range,
                    const std::function<void()> &closingStep);
    void heightClosingStep();
    void sourceChanged();
    void fixedLinesClicked();
    void estimateLines();
    void writeTrimmedSource(std::u16string_view trimmed);

    // Start-up and shut-down.
    bool runStartUp();
    bool registerWithUpdateChecker();
    bool restoreSettings(settings::SettingsRecords &saved);
    bool fillStartText(const settings::SettingsRecords &saved);
    settings::SettingsRecords currentRecords() const;
    void shutDown();
    bool saveSettings(const QString &path, QString &error);

    // The per-user file beside the settings file: the window's place, the vertical pane's
    // font, automatic update, the margin and the vertical-typography options.
    void restorePrefs();
    void restoreWindowPlace(const settings::WindowPlace &place);
    settings::UserPrefs currentPrefs() const;
    void showVerticalPaneIn(const QFont &chosen, const QColor &colour);
    bool fontChosen_ = false; // the vertical pane shows a font the user chose

    // Layout.
    void layoutControls();
    QSize laidOutFor_; // the outer size of the last layout

    // The phone dialog and the options dialog.
    void connectDialogs();
    void acceptDroppedFiles();
    void connectZoomKeys();
    Pane *zoomTarget() const;
    void openPhoneDialog();
    void openOptions();
    FrmCstm &optionsDialog();

    Form1Services services_;
    engine::Settings settings_;
    bool loading_ = false; // true while start-up runs
    std::unique_ptr<update::UpCheck> upCheck_;
    settings::SettingsAtStart settingsAtStart_;
    QPointer<FrmMphone> frmMphone_; // while it is open
    QPointer<FrmCstm> frmCstm_;     // while it is loaded
    WindowCommands *commands_;
    // True while automatic update handles an edit of the source pane: what the user
    // typed stays as it is, trailing blanks and line breaks included.
    bool keepTypedSource_ = false;

    Pane *TxtOri;
    Pane *TxtTate;
    QPushButton *Command1;
    QPushButton *BtnMphone;
    QPushButton *BtnPaste;
    QPushButton *BtnCopy;
    QPushButton *BtnMail;
    QCheckBox *ChkAuto;
    QGroupBox *FrameR;
    NumberBox *TxtMgn;
    NumberBox *TxtH;
    NumberBox *TxtWidth;
    QCheckBox *ChkWidth;
    QCheckBox *ChkSpc;
    QScrollBar *ScrMgn;
    QScrollBar *ScrWidth;
    QScrollBar *ScrHeight;
    QLabel *LblStatus;
};

} // namespace tovalo::ui
