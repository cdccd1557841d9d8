#include "ui/dialogs/frm_cstm.h"

#include "engine/settings.h"
#include "ui/widgets/captions.h"
#include "ui/widgets/dialog_flags.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/named.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace tovalo::ui {
namespace {

namespace texts {
// A caption of this table in the user's language.
QString tr(const char *text) {
    return translated("OptionsDialog", text);
}

constexpr char kCaption[] = QT_TRANSLATE_NOOP("OptionsDialog", "設定");
constexpr char kStart[] = QT_TRANSLATE_NOOP("OptionsDialog", "起動時");
constexpr char kStManual[] = QT_TRANSLATE_NOOP("OptionsDialog", "説明書");
constexpr char kStBlank[] = QT_TRANSLATE_NOOP("OptionsDialog", "空白");
constexpr char kStLast[] = QT_TRANSLATE_NOOP("OptionsDialog", "前回の文章");
constexpr char kSeparator[] = QT_TRANSLATE_NOOP("OptionsDialog", "行間");
constexpr char kSpch1[] = QT_TRANSLATE_NOOP("OptionsDialog", "半角1文字");
constexpr char kSpch2[] = QT_TRANSLATE_NOOP("OptionsDialog", "半角2文字");
constexpr char kSpcA[] = QT_TRANSLATE_NOOP("OptionsDialog", "全角1文字");
constexpr char kSpcI[] = QT_TRANSLATE_NOOP("OptionsDialog", "| （半角）");
constexpr char kSpcL[] = QT_TRANSLATE_NOOP("OptionsDialog", "｜(全角)");
constexpr char kCharacters[] = QT_TRANSLATE_NOOP("OptionsDialog", "文字変換");
constexpr char kBarForLongVowel[] = QT_TRANSLATE_NOOP("OptionsDialog", "ー → ｜");
constexpr char kFullWidthDigits[] = QT_TRANSLATE_NOOP("OptionsDialog", "半角数字→全角");
constexpr char kVerticalForms[] = QT_TRANSLATE_NOOP("OptionsDialog", "縦書き用の記号");
constexpr char kTateChuYoko[] = QT_TRANSLATE_NOOP("OptionsDialog", "数字2桁を横に並べる");
constexpr char kShaping[] = QT_TRANSLATE_NOOP("OptionsDialog", "句読点整形");
constexpr char kOK[] = QT_TRANSLATE_NOOP("OptionsDialog", "OK");
constexpr char kFont[] = QT_TRANSLATE_NOOP("OptionsDialog", "フォント");
} // namespace texts

QGroupBox *frame(QWidget *parent, const char *name, const char *caption, int left, int top,
                 int width, int height) {
    return placed(new QGroupBox(texts::tr(caption), parent), name, left, top, width, height);
}

QRadioButton *option(QGroupBox *frame, const char *name, const char *caption, int top, int width,
                     int height) {
    return placed(new QRadioButton(texts::tr(caption), frame), name, 8, top, width, height);
}

QCheckBox *checkBox(QWidget *parent, const char *name, const char *caption, int left, int top,
                    int width, int height) {
    return placed(new QCheckBox(texts::tr(caption), parent), name, left, top, width, height);
}

// Selects the button of a 1-based setting; a value outside the choice selects nothing,
// so that the button selected before stays selected.
template <std::size_t N>
void select(const std::array<QRadioButton *, N> &buttons, std::int16_t value) {
    if (value >= 1 && value <= static_cast<std::int16_t>(N))
        buttons[static_cast<std::size_t>(value - 1)]->setChecked(true);
}

// Tab reaches a group of option buttons at its selected button, from where the arrow
// keys move within the group; the other buttons of the group take the focus by mouse.
template <std::size_t N> void tabToSelected(const std::array<QRadioButton *, N> &buttons) {
    for (QRadioButton *button : buttons)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// The 1-based value of the selected button; `value` stays as it is when none is.
template <std::size_t N>
void readSelection(const std::array<QRadioButton *, N> &buttons, std::int16_t &value) {
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked())
            value = static_cast<std::int16_t>(i + 1);
}

} // namespace

FrmCstm::FrmCstm(engine::Settings &settings, QWidget *parent)
    : QDialog(parent, kFixedDialogFlags), settings_(settings) {
    named(this, QStringLiteral("FrmCstm"));
    setWindowTitle(texts::tr(texts::kCaption));
    setFixedSize(364, 248);
    setFont(controlFont());
    // A frame's caption sits on its top line, so that the controls placed 16 pixels down
    // are inside the frame.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    createControls();
    // The style sheet would give the buttons inside the frames another font; they show
    // the dialog's own, as the buttons outside do. The font button keeps its smaller one.
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (button != BtnFont)
            button->setFont(font());
    load();
}

// Controls are made in tab order.
void FrmCstm::createControls() {
    QGroupBox *start = frame(this, "FrameStart", texts::kStart, 144, 144, 129, 89);
    StManual = option(start, "StManual", texts::kStManual, 16, 81, 17);
    StBlank = option(start, "StBlank", texts::kStBlank, 40, 65, 17);
    StLast = option(start, "StLast", texts::kStLast, 64, 81, 17);
    StManual->setChecked(true);

    QGroupBox *separator = frame(this, "FrameSpc", texts::kSeparator, 24, 8, 105, 137);
    Spch1 = option(separator, "Spch1", texts::kSpch1, 16, 81, 25);
    Spch2 = option(separator, "Spch2", texts::kSpch2, 40, 81, 17);
    SpcA = option(separator, "SpcA", texts::kSpcA, 64, 89, 17);
    Spch1->setChecked(true);

    // The two vertical-typography boxes below the first two make the frame taller and
    // wider, and move what stands below and beside it.
    QGroupBox *characters = frame(this, "FrameChg", texts::kCharacters, 144, 8, 161, 129);
    Check[0] = checkBox(characters, "Check(0)", texts::kBarForLongVowel, 8, 16, 73, 25);
    Check[1] = checkBox(characters, "Check(1)", texts::kFullWidthDigits, 8, 40, 105, 33);
    ChkVert = checkBox(characters, "ChkVert", texts::kVerticalForms, 8, 72, 145, 25);
    ChkTcy = checkBox(characters, "ChkTcy", texts::kTateChuYoko, 8, 96, 145, 25);

    chkMaru = checkBox(this, "chkMaru", texts::kShaping, 32, 160, 105, 17);
    BtnOK = placed(new QPushButton(texts::tr(texts::kOK), this), "BtnOK", 312, 208, 41, 25);
    SpcI = option(separator, "SpcI", texts::kSpcI, 88, 73, 17);
    SpcL = option(separator, "SpcL", texts::kSpcL, 112, 65, 17);
    BtnFont = placed(new QPushButton(texts::tr(texts::kFont), this), "BtnFont", 312, 144, 49, 25);
    QFont small = controlFont();
    small.setPointSizeF(8.25);
    BtnFont->setFont(small);
    BtnFont->setAutoDefault(false);

    separators_ = {Spch1, Spch2, SpcA, SpcI, SpcL};
    startChoices_ = {StManual, StBlank, StLast};

    for (QRadioButton *button : separators_)
        connect(button, &QRadioButton::toggled, this, [this] { tabToSelected(separators_); });
    for (QRadioButton *button : startChoices_)
        connect(button, &QRadioButton::toggled, this, [this] { tabToSelected(startChoices_); });

    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnFont, &QPushButton::clicked, this, &FrmCstm::fontRequested);
}

void FrmCstm::load() {
    select(separators_, settings_.separatorKind);
    select(startChoices_, settings_.startText);
    Check[0]->setChecked(settings_.barForLongVowel);
    Check[1]->setChecked(settings_.fullWidth);
    chkMaru->setChecked(settings_.shaping);
    ChkVert->setChecked(settings_.verticalForms);
    ChkTcy->setChecked(settings_.tateChuYoko);
    tabToSelected(separators_);
    tabToSelected(startChoices_);
}

void FrmCstm::store() {
    readSelection(separators_, settings_.separatorKind);
    readSelection(startChoices_, settings_.startText);
    settings_.barForLongVowel = Check[0]->isChecked();
    settings_.fullWidth = Check[1]->isChecked();
    settings_.shaping = chkMaru->isChecked();
    settings_.verticalForms = ChkVert->isChecked();
    settings_.tateChuYoko = ChkTcy->isChecked();
}

bool FrmCstm::StBlankSelected() const {
    return StBlank->isChecked();
}

// Every way of closing (OK, the close button, Escape) stores the choices.
void FrmCstm::done(int result) {
    store();
    QDialog::done(result);
}

} // namespace tovalo::ui
