#include "ui/window/form1.h"

#include "ui/widgets/fonts.h"
#include "ui/widgets/named.h"
#include "ui/widgets/number_box.h"
#include "ui/widgets/pane.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_geometry.h"
#include "ui/window/window_texts.h"
#include "update/up_check.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include <algorithm>

// Resources of a static library must be registered by name, outside any namespace.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace tovalo::ui {
namespace {

// A button that shows a picture; its tip names it, for the eye and for screen readers.
QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &icon,
                           const char *tip) {
    auto *button = calledAs(named(new QPushButton(parent), name), texts::tr(tip));
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon));
    button->setToolTip(texts::tr(tip));
    return button;
}

QScrollBar *scrollBar(QWidget *parent, const QString &name, Qt::Orientation orientation,
                      int minimum, int maximum, int pageStep, int value) {
    auto *bar = named(new QScrollBar(orientation, parent), name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    bar->setValue(value);
    // Dragging the thumb changes the value only when the thumb is released.
    bar->setTracking(false);
    return bar;
}

NumberBox *numberBox(QWidget *parent, const QString &name, const QString &value) {
    auto *box = named(new NumberBox(parent), name);
    box->setText(value);
    return box;
}

QLabel *label(QWidget *parent, const QString &name, const char *caption) {
    return named(new QLabel(texts::tr(caption), parent), name);
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const char *caption, bool checked) {
    auto *box = named(new QCheckBox(texts::tr(caption), parent), name);
    box->setChecked(checked);
    return box;
}

} // namespace

Form1::Form1(Form1Services services, QWidget *parent) : QMainWindow(parent), services_(services) {
    initIconResources();
    named(this, QStringLiteral("Form1"));
    setWindowTitle(texts::qs(texts::kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tovalo.svg")));
    createControls();
    commands_ = new WindowCommands(
        {*this, *TxtOri, *TxtTate, *BtnPaste, *BtnCopy, *BtnMail, settings_}, services_);
    applyFonts();
    placeControls();
    connectHandlers();
    connectDialogs();
    acceptDroppedFiles();
    connectZoomKeys();
}

Form1::~Form1() = default;

QAction *Form1::MnuOption() const {
    return commands_->menus().MnuOption;
}

// Controls are made in tab order: the source pane first, so that it has the focus.
void Form1::createControls() {
    auto *client = named(new QWidget(this), QStringLiteral("Client"));
    setCentralWidget(client);

    TxtOri =
        calledAs(named(new Pane(client), QStringLiteral("TxtOri")), texts::tr(texts::kSourcePane));
    TxtOri->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtOri->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtOri->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TxtOri->setTabChangesFocus(true);
    TxtOri->setFocus();

    TxtTate = calledAs(named(new Pane(client), QStringLiteral("TxtTate")),
                       texts::tr(texts::kVerticalPane));
    TxtTate->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtTate->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtTate->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtTate->setTabChangesFocus(true);

    Command1 = pictureButton(client, QStringLiteral("Command1"), QStringLiteral("convert.svg"),
                             texts::kConvertTip);
    Command1->setEnabled(false);
    BtnMphone = pictureButton(client, QStringLiteral("BtnMphone"), QStringLiteral("phone.svg"),
                              texts::kPhoneTip);
    BtnPaste = pictureButton(client, QStringLiteral("BtnPaste"), QStringLiteral("paste.svg"),
                             texts::kPasteTip);
    BtnCopy = pictureButton(client, QStringLiteral("BtnCopy"), QStringLiteral("copy.svg"),
                            texts::kCopyTip);
    BtnMail = pictureButton(client, QStringLiteral("BtnMail"), QStringLiteral("mail.svg"),
                            texts::kMailTip);
    ChkAuto = checkBox(client, QStringLiteral("ChkAuto"), texts::kAuto, false);

    FrameR = named(new QGroupBox(client), QStringLiteral("FrameR"));
    ChkSpc = checkBox(FrameR, QStringLiteral("ChkSpc"), texts::kGap, true);
    ChkWidth = checkBox(FrameR, QStringLiteral("ChkWidth"), texts::kFixedLines, false);
    label(FrameR, QStringLiteral("LblChars"), texts::kChars);
    QLabel *marginLabel = label(FrameR, QStringLiteral("LblMgn"), texts::kMargin);
    TxtMgn = numberBox(FrameR, QStringLiteral("TxtMgn"), QStringLiteral("0"));
    marginLabel->setBuddy(TxtMgn);
    QLabel *bodyLabel = label(FrameR, QStringLiteral("LblBody"), texts::kBody);
    TxtH = numberBox(FrameR, QStringLiteral("TxtH"), QStringLiteral("10"));
    bodyLabel->setBuddy(TxtH);
    // The caption of ChkWidth stands above the box.
    TxtWidth = calledAs(numberBox(FrameR, QStringLiteral("TxtWidth"), QStringLiteral("5")),
                        texts::tr(texts::kFixedLines));
    TxtWidth->setEnabled(false);

    // Each scroll bar is called as the number it steps.
    ScrMgn = calledAs(scrollBar(client, QStringLiteral("ScrMgn"), Qt::Horizontal, 0, 10, 1, 0),
                      texts::tr(texts::kMargin));
    ScrWidth = calledAs(scrollBar(client, QStringLiteral("ScrWidth"), Qt::Horizontal, 1, 100, 5, 5),
                        texts::tr(texts::kFixedLines));
    ScrWidth->setEnabled(false);
    // The height's scroll bar starts where its box stands, so that its first step goes
    // on from the number the user sees.
    ScrHeight =
        calledAs(scrollBar(client, QStringLiteral("ScrHeight"), Qt::Vertical, 1, 100, 5, 10),
                 texts::tr(texts::kBody));

    // Why the last conversion failed; empty after a successful one.
    LblStatus = named(new QLabel(statusBar()), QStringLiteral("LblStatus"));
    statusBar()->addWidget(LblStatus, 1);
    statusBar()->setSizeGripEnabled(false);
}

void Form1::applyFonts() {
    setFont(paneFont());
    TxtOri->setFont(paneFont());
    TxtTate->setFont(paneFont());
    for (QWidget *control : std::initializer_list<QWidget *>{Command1, BtnMphone, BtnPaste, BtnCopy,
                                                             BtnMail, ChkAuto, FrameR})
        control->setFont(controlFont());
}

void Form1::placeControls() {
    const double dpi = logicalDpiX();
    for (const ControlRect &r : initialPlacement()) {
        auto *control = findChild<QWidget *>(QString::fromLatin1(r.control));
        control->setGeometry(twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi),
                             twipsToPixels(r.width, dpi), twipsToPixels(r.height, dpi));
    }
    for (QPushButton *button : {Command1, BtnMphone, BtnPaste, BtnCopy, BtnMail}) {
        const int side = std::min(button->width(), button->height()) - 8;
        button->setIconSize(QSize(side, side));
    }
    const ClientSize minimum = minimumClientSize(0);
    resize(twipsToPixels(std::max(kClientWidth, minimum.width), dpi),
           twipsToPixels(std::max(kClientHeight, minimum.height), dpi) +
               menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

} // namespace tovalo::ui
