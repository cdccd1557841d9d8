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

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QValidator>

namespace tovalo::ui {
namespace {

namespace texts {
constexpr char16_t kCaption[] = u"携帯電話用";
constexpr char16_t kHeight[] = u"縦";
constexpr char16_t kWidth[] = u"横";
constexpr char16_t kLineBreaks[] = u"改行を入れる";
constexpr char16_t kOnTop[] = u"前面に表示";
constexpr char16_t kSeparator[] = u"区切り記号";
constexpr char16_t kCountBefore[] = u"約";
constexpr char16_t kCountAfter[] = u"文字";
} // namespace texts

// Page height and width run from 3 to 50; each scroll bar holds the negative of its
// box's number, so that its upper arrow raises the number.
constexpr BoxRange kSides{3, 50};

// The rule-text box takes at most two characters of typed or pasted input. A longer
// rule text that the program puts in (from an edited settings file) stays whole.
class AtMostTwoCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override {
        return input.size() <= 2 ? Acceptable : Invalid;
    }
};

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

FrmMphone::FrmMphone(engine::Settings &settings, const PhonePageSource &pages,
                     platform::Clipboard &clipboard, platform::WindowOrder &windowOrder,
                     QWidget *parent)
    : QDialog(parent, kFixedDialogFlags), settings_(settings), pages_(pages), clipboard_(clipboard),
      windowOrder_(windowOrder) {
    named(this, QStringLiteral("FrmMphone"));
    setWindowTitle(qs(texts::kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(180, 311);
    setFont(controlFont());
    createControls();
    connectHandlers();
    load();
}

// Controls are made in tab order.
void FrmMphone::createControls() {
    TxtView = placed(new Pane(this), "TxtView", 8, 8, 161, 105);
    TxtView->setFont(paneFont());
    TxtView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtView->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TxtView->setTabChangesFocus(true);

    Command5 = placed(new QPushButton(this), "Command5", 136, 128, 25, 25);
    Command5->setIcon(QIcon(QStringLiteral(":/icons/copy.svg")));
    Command5->setIconSize(QSize(17, 23));
    // Enter in a box of the dialog must not copy.
    Command5->setAutoDefault(false);

    TxtW = placed(new NumberBox(this), "TxtW", 40, 152, 25, 18);
    TxtW->setText(QStringLiteral("8"));
    placed(new QLabel(qs(texts::kHeight), this), "LblH", 16, 136, 25, 17);
    placed(new QLabel(qs(texts::kWidth), this), "LblW", 16, 160, 25, 17);
    TxtH = placed(new NumberBox(this), "TxtH", 40, 128, 25, 18);
    TxtH->setText(QStringLiteral("6"));
    ScrH = spinBar(this, "ScrH", 64, 128);
    ScrW = spinBar(this, "ScrW", 64, 152);

    ChkRtn = placed(new QCheckBox(qs(texts::kLineBreaks), this), "ChkRtn", 16, 208, 97, 17);
    ChkWin = placed(new QCheckBox(qs(texts::kOnTop), this), "ChkWin", 16, 280, 81, 25);
    placed(new QLabel(qs(texts::kSeparator), this), "LblSep", 8, 176, 65, 25);
    TxtSep = placed(new QLineEdit(this), "TxtSep", 72, 176, 25, 18);
    TxtSep->setValidator(new AtMostTwoCharacters(TxtSep));
    LblNum = placed(new QLabel(this), "LblNum", 16, 248, 65, 25);
}

// Each handler runs the change handling of what it writes at once, nested inside it.
// Writing a control with the value it already holds raises nothing, which ends the
// cascade between a box and its scroll bar.
void FrmMphone::connectHandlers() {
    connect(ScrH, &QScrollBar::valueChanged, this, [this] { sideBarChanged(ScrH, TxtH); });
    connect(ScrW, &QScrollBar::valueChanged, this, [this] { sideBarChanged(ScrW, TxtW); });
    connect(TxtH, &NumberBox::changed, this, [this] { sideBoxChanged(TxtH, ScrH); });
    connect(TxtW, &NumberBox::changed, this, [this] { sideBoxChanged(TxtW, ScrW); });
    connect(TxtSep, &QLineEdit::textChanged, this, &FrmMphone::separatorChanged);
    connect(TxtView, &Pane::changed, this, &FrmMphone::countView);
    connect(Command5, &QPushButton::clicked, this, &FrmMphone::copyView);
    connect(ChkWin, &QCheckBox::clicked, this,
            [this](bool checked) { SetTopMost(windowOrder_, *this, checked); });
    // The line-break box has no handler: it takes effect at the next rebuild.
}

// Only the width's scroll bar rebuilds during the load step; the pages built there are
// replaced by the phone button's own build before the user sees them.
void FrmMphone::load() {
    ready_ = false;
    ScrH->setValue(-kPhonePageHeight);
    ScrW->setValue(-kPhonePageWidth);
    TxtSep->setText(QString::fromStdU16String(settings_.pageRule));
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

// A number out of range is replaced by the nearest end of the range; the scroll bar
// then takes the number rounded down. Text that is no number (as while the user clears
// the box to type a new one) changes nothing: the scroll bar keeps the last valid value.
void FrmMphone::sideBoxChanged(NumberBox *box, QScrollBar *bar) {
    const WholePart whole = placeWholePart(box->text().toStdU16String(), kSides);
    switch (whole.place) {
    case WholePart::NotNumber:
        return;
    case WholePart::Below:
        box->setText(QString::number(kSides.lower));
        break;
    case WholePart::Above:
        box->setText(QString::number(kSides.upper));
        break;
    case WholePart::Within:
        break;
    }
    bar->setValue(-placeWholePart(box->text().toStdU16String(), kSides).value);
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
    LblNum->setText(qs(texts::kCountBefore) + QLatin1Char(' ') +
                    QString::number(TxtView->text().size()) + qs(texts::kCountAfter));
}

void FrmMphone::copyView() {
    clipboard_.clear();
    clipboard_.setText(QString::fromStdU16String(TxtView->text()));
}

} // namespace tovalo::ui
