#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace tovalo::engine {
struct Settings;
}

namespace tovalo::ui {

// The options dialog: the separator between columns, the character options (with the
// two of vertical typography), punctuation shaping and the start-up text, with the font choice of
// the vertical pane. It reads the settings it edits when it is made and writes them back whenever
// it closes, by the OK button or the close button alike; there is no cancel. The font button only
// asks its owner for the font choice.
class FrmCstm : public QDialog {
    Q_OBJECT
public:
    FrmCstm(engine::Settings &settings, QWidget *parent);

    // Whether the start-up choice "空白" is selected.
    bool StBlankSelected() const;

    void done(int result) override;

signals:
    // The font button was pressed.
    void fontRequested();

private:
    void createControls();
    void load();
    void store();

    engine::Settings &settings_;

    QRadioButton *StManual;
    QRadioButton *StBlank;
    QRadioButton *StLast;
    QRadioButton *Spch1;
    QRadioButton *Spch2;
    QRadioButton *SpcA;
    QRadioButton *SpcI;
    QRadioButton *SpcL;
    std::array<QCheckBox *, 2> Check;
    QCheckBox *ChkVert;
    QCheckBox *ChkTcy;
    QCheckBox *chkMaru;
    QPushButton *BtnOK;
    QPushButton *BtnFont;

    // The buttons of a choice, in the order of the setting's values 1, 2, ...
    std::array<QRadioButton *, 5> separators_;
    std::array<QRadioButton *, 3> startChoices_;
};

} // namespace tovalo::ui
