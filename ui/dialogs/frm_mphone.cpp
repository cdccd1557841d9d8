#include "ui/dialogs/frm_mphone.h"

#include "engine/settings.h"
#include "platform/qt/clipboard.h"
#include "ui/widgets/box_rule.h"
#include "ui/widgets/captions.h"
#include "ui/widgets/dialog_flags.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/module1.h"
#include "ui/widgets/named.h"
#include "ui/widgets/number_box.h"
#include "ui/widgets/pane.h"
#include "ui/widgets/typed_limit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QValidator>

namespace tovalo::ui {
namespace {

namespace texts {
// A caption of this table in the user's language.
QString tr(const char *text) {
    return translated("PhoneDialog", text);
}

constexpr char kCaption[] = QT_TRANSLATE_NOOP("PhoneDialog", "携帯電話用");
constexpr char kHeight[] = QT_TRANSLATE_NOOP("PhoneDialog", "縦");
constexpr char kWidth[] = QT_TRANSLATE_NOOP("PhoneDialog", "横");
constexpr char kLineBreaks[] = QT_TRANSLATE_NOOP("PhoneDialog", "改行を入れる");
constexpr char kOnTop[] = QT_TRANSLATE_NOOP("PhoneDialog", "前面に表示");
constexpr char kSeparator[] = QT_TRANSLATE_NOOP("PhoneDialog", "区切り記号");
// %1: the number of characters of the pages.
constexpr char kCount[] = QT_TRANSLATE_NOOP("PhoneDialog", "約 %1文字");
constexpr char kCopy[] = QT_TRANSLATE_NOOP("PhoneDialog", "コピー");
} // namespace texts

// Page height and width run from 3 to 50; each scroll bar holds the negative of its
// box's number, so that its upper arrow raises the number.
constexpr BoxRange kSides{3, 50};

QScrollBar *spinBar(QWidget *parent, const char *name, int left, int top) {
    auto *bar = placed(new QScrollBar(Qt::Vertical, parent), name, left, top, 9, 17);
    bar->setRange(-kSides.upper, -kSides.lower);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(-kSides.lower);
    bar->setFocusPolicy(Qt::StrongFocus);
    // Dragging the thumb changes the value only when the thumb is released.
    bar->setTracking(false);
    return bar;
}

} // namespace

// The rule-text box takes at most two characters of typed or pasted input: of a longer
// paste, the first characters that fit. A longer rule text that the program puts in
// (from an edited settings file) stays whole.
class AtMostTwoCharacters : public QValidator {
public:
    explicit AtMostTwoCharacters(QLineEdit *box) : QValidator(box) {
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString &text) { before_ = text; });
    }
    // The program's own text is taken whole.
    void expect(const QString &text) { before_ = text; }

    State validate(QString &input, int &caret) const override {
        const std::optional<LimitedEdit> kept =
            limitTyped(before_.toStdU16String(), input.toStdU16String(), 2);
        if (!kept)
            return Invalid;
        input = QString::fromStdU16String(kept->text);
        caret = static_cast<int>(kept->caret);
        return Acceptable;
    }

private:
    QString before_; // the box's text before the edit
};

FrmMphone::FrmMphone(engine::Settings &settings, const PhonePageSource &pages,
                     platform::Clipboard &clipboard, platform::WindowOrder &windowOrder,
                     QWidget *parent)
    : QDialog(parent, kFixedDialogFlags), settings_(settings), pages_(pages), clipboard_(clipboard),
      windowOrder_(windowOrder) {
    named(this, QStringLiteral("FrmMphone"));
    setWindowTitle(texts::tr(texts::kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(180, 311);
    setFont(controlFont());
    createControls();
    connectHandlers();
    load();
}

// Controls are made in tab order.
void FrmMphone::createControls() {
    TxtView =
        calledAs(placed(new Pane(this), "TxtView", 8, 8, 161, 105), texts::tr(texts::kCaption));
    TxtView->setFont(paneFont());
    TxtView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A row is never wrapped, which would break the page apart: a wide page scrolls.
    TxtView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TxtView->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtView->setTabChangesFocus(true);

    Command5 = calledAs(placed(new QPushButton(this), "Command5", 136, 128, 25, 25),
                        texts::tr(texts::kCopy));
    Command5->setIcon(QIcon(QStringLiteral(":/icons/copy.svg")));
    Command5->setIconSize(QSize(17, 23));
    // Enter in a box of the dialog must not copy.
    Command5->setAutoDefault(false);

    TxtW = placed(new NumberBox(this), "TxtW", 40, 152, 25, 18);
    TxtW->setText(QStringLiteral("8"));
    auto *heightLabel =
        placed(new QLabel(texts::tr(texts::kHeight), this), "LblH", 16, 136, 25, 17);
    placed(new QLabel(texts::tr(texts::kWidth), this), "LblW", 16, 160, 25, 17)->setBuddy(TxtW);
    TxtH = placed(new NumberBox(this), "TxtH", 40, 128, 25, 18);
    TxtH->setText(QStringLiteral("6"));
    heightLabel->setBuddy(TxtH);
    ScrH = calledAs(spinBar(this, "ScrH", 64, 128), texts::tr(texts::kHeight));
    ScrW = calledAs(spinBar(this, "ScrW", 64, 152), texts::tr(texts::kWidth));

    ChkRtn = placed(new QCheckBox(texts::tr(texts::kLineBreaks), this), "ChkRtn", 16, 208, 97, 17);
    ChkWin = placed(new QCheckBox(texts::tr(texts::kOnTop), this), "ChkWin", 16, 280, 81, 25);
    auto *separatorLabel =
        placed(new QLabel(texts::tr(texts::kSeparator), this), "LblSep", 8, 176, 65, 25);
    TxtSep = placed(new QLineEdit(this), "TxtSep", 72, 176, 25, 18);
    separatorLabel->setBuddy(TxtSep);
    separatorLimit_ = new AtMostTwoCharacters(TxtSep);
    TxtSep->setValidator(separatorLimit_);
    // Wide enough for the count of the largest pages.
    LblNum = placed(new QLabel(this), "LblNum", 16, 248, 156, 25);
}

// Each handler runs the change handling of what it writes at once, nested inside it.
// Writing a control with the value it already holds raises nothing, which ends the
// cascade between a box and its scroll bar.
void FrmMphone::connectHandlers() {
    connect(ScrH, &QScrollBar::valueChanged, this, [this] { sideBarChanged(ScrH, TxtH); });
    connect(ScrW, &QScrollBar::valueChanged, this, [this] { sideBarChanged(ScrW, TxtW); });
    connect(TxtH, &NumberBox::changed, this, [this] { sideBoxChanged(TxtH, ScrH); });
    connect(TxtW, &NumberBox::changed, this, [this] { sideBoxChanged(TxtW, ScrW); });
    connect(TxtH, &QLineEdit::editingFinished, this, [this] { sideBoxLeft(TxtH, ScrH); });
    connect(TxtW, &QLineEdit::editingFinished, this, [this] { sideBoxLeft(TxtW, ScrW); });
    connect(TxtSep, &QLineEdit::textChanged, this, &FrmMphone::separatorChanged);
    connect(TxtView, &Pane::changed, this, &FrmMphone::countView);
    connect(Command5, &QPushButton::clicked, this, &FrmMphone::copyView);
    // However the box changes (mouse, keyboard, assistive technology, the program).
    connect(ChkWin, &QCheckBox::toggled, this,
            [this](bool checked) { SetTopMost(windowOrder_, *this, checked); });
    // The line-break box has no handler: it takes effect at the next rebuild.
}

// Only the width's scroll bar rebuilds during the load step; the pages built there are
// replaced by the phone button's own build before the user sees them.
void FrmMphone::load() {
    ready_ = false;
    ScrH->setValue(-kPhonePageHeight);
    ScrW->setValue(-kPhonePageWidth);
    const QString rule = QString::fromStdU16String(settings_.pageRule);
    separatorLimit_->expect(rule);
    TxtSep->setText(rule);
    ready_ = true;
    ChkRtn->setChecked(true);
}

void FrmMphone::showPages(std::u16string_view pages) {
    TxtView->setText(pages);
}

void FrmMphone::sideBarChanged(QScrollBar *bar, NumberBox *box) {
    box->setText(QString::number(-bar->value()));
    if (ready_ || bar == ScrW)
        rebuild();
}

// A number within range moves the scroll bar to the number rounded down at once. Any
// other text (a first digit of "12", an empty box) waits until the box is left.
void FrmMphone::sideBoxChanged(NumberBox *box, QScrollBar *bar) {
    if (const std::optional<int> side = sideWhileTyping(box->text().toStdU16String(), kSides))
        bar->setValue(-*side);
}

// Leaving the box or pressing Enter puts a number out of range at the nearer end of the
// range, and text that is no number back to the size the scroll bar holds.
void FrmMphone::sideBoxLeft(NumberBox *box, QScrollBar *bar) {
    if (const std::optional<std::u16string> text =
            sideWhenLeft(box->text().toStdU16String(), kSides, -bar->value()))
        box->setText(QString::fromStdU16String(*text));
}

void FrmMphone::separatorChanged() {
    settings_.pageRule = TxtSep->text().toStdU16String();
    rebuild();
}

// The scroll bars hold the boxes' numbers rounded down, or, while a box holds no
// number, its last valid one.
void FrmMphone::rebuild() {
    const auto height = static_cast<std::int16_t>(-ScrH->value());
    const auto width = static_cast<std::int16_t>(-ScrW->value());
    TxtView->setText(pages_.MpMaker(height, width, ChkRtn->isChecked()));
}

void FrmMphone::countView() {
    LblNum->setText(texts::tr(texts::kCount).arg(TxtView->text().size()));
}

void FrmMphone::copyView() {
    clipboard_.clear();
    clipboard_.setText(QString::fromStdU16String(TxtView->text()));
}

} // namespace tovalo::ui
