#pragma once

#include "app/box_rule.h"
#include "app/shared_settings.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tovalo::platform {
class Dialogs;
class Files;
class Registry;
} // namespace tovalo::platform

namespace tovalo::update {
class UpCheck;
}

namespace tovalo::app {

class NumberBox;
class Pane;
struct SettingsRecords;

// The services of the system that the main window uses.
struct Form1Services {
    platform::Dialogs &dialogs;
    platform::Files &files;
    platform::Registry &registry;
};

// The main window: the source pane on the left, the vertical pane on the right, the
// convert button between them and the conversion parameters above.
class Form1 : public QMainWindow {
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

    // Warns, lets the user choose a font and colour, and applies them to the vertical pane.
    void FontChange();

    SharedSettings &shared() { return shared_; }
    const SharedSettings &shared() const { return shared_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

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

    // Start-up and shut-down.
    bool runStartUp();
    bool registerWithUpdateChecker();
    bool restoreSettings(SettingsRecords &saved);
    bool fillStartText(const SettingsRecords &saved);
    SettingsRecords currentRecords() const;
    QString settingsFilePath() const;
    void shutDown();

    // Layout.
    void layoutControls();

    Form1Services services_;
    SharedSettings shared_;
    std::unique_ptr<update::UpCheck> upCheck_;

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
};

} // namespace tovalo::app
