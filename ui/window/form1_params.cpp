// The parameter controls: each number box keeps its scroll bar in step, and edits of
// the parameters or (with automatic update) of the source text convert again at once.
#include "ui/window/form1.h"

#include "engine/char_rules.h"
#include "engine/convert.h"
#include "engine/numbers.h"
#include "ui/widgets/busy_pointer.h"
#include "ui/widgets/number_box.h"
#include "ui/widgets/pane.h"
#include "ui/window/fault_texts.h"
#include "ui/window/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <exception>

namespace tovalo::ui {
namespace {

constexpr BoxRange kMarginRange{0, 10};
constexpr BoxRange kHeightRange{1, 100};
constexpr BoxRange kLinesRange{1, 100};

std::u16string textOf(const NumberBox *box) {
    return box->text().toStdU16String();
}

// A conversion that cannot get the memory it asks for fails like any other: the window
// shows the failure text and keeps the user's text, instead of ending the program.
engine::Conversion convertSafely(std::u16string_view source, const engine::ParamTexts &params,
                                 const engine::Settings &options) {
    try {
        return engine::MakeTate(source, params, options);
    } catch (const std::exception &) {
        return {std::nullopt, {}, engine::Fault::ResultTooLarge};
    }
}

} // namespace

void Form1::connectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &Form1::convert);
    // Ctrl+Enter presses the convert button from anywhere in the window.
    auto *convertKey = new QAction(this);
    convertKey->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    addAction(convertKey);
    connect(convertKey, &QAction::triggered, Command1, &QPushButton::click);
    connect(TxtOri, &Pane::changed, this, &Form1::sourceChanged);

    connect(TxtMgn, &NumberBox::changed, this, [this] {
        boxChanged(TxtMgn, ScrMgn, kMarginRange, [this] {
            if (!loading_)
                convert();
        });
    });
    connect(TxtH, &NumberBox::changed, this,
            [this] { boxChanged(TxtH, ScrHeight, kHeightRange, [this] { heightClosingStep(); }); });
    connect(TxtWidth, &NumberBox::changed, this,
            [this] { boxChanged(TxtWidth, ScrWidth, kLinesRange, {}); });

    // A scroll bar only writes its value into its box; the box's handling does the rest.
    const std::pair<QScrollBar *, NumberBox *> pairs[] = {
        {ScrMgn, TxtMgn}, {ScrHeight, TxtH}, {ScrWidth, TxtWidth}};
    for (auto [bar, box] : pairs)
        connect(bar, &QScrollBar::valueChanged, box,
                [box](int value) { box->setText(QString::number(value)); });

    connect(ChkWidth, &QCheckBox::toggled, this, &Form1::fixedLinesClicked);
    connect(ChkAuto, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked && !loading_)
            convert();
    });
    connect(ChkSpc, &QCheckBox::toggled, this, &Form1::convert);
}

void Form1::boxChanged(NumberBox *box, QScrollBar *bar, BoxRange range,
                       const std::function<void()> &closingStep) {
    const BoxStep step = judgeBoxText(textOf(box), range);
    switch (step.kind) {
    case BoxStep::Ignore:
        return;
    case BoxStep::MoveBar:
        bar->setValue(step.barValue);
        break;
    case BoxStep::KeepText:
        break;
    case BoxStep::RestoreText:
        box->setText(QString::number(bar->value()));
        break;
    }
    if (closingStep)
        closingStep();
}

void Form1::heightClosingStep() {
    if (!ChkWidth->isChecked() && !loading_)
        estimateLines();
    if (!loading_)
        convert();
}

// Writes the trimmed source back and the number of lines it needs into TxtWidth. A
// height box without a positive number leaves the number of lines as it is.
void Form1::estimateLines() {
    const engine::Reading<std::int32_t> height = engine::readColHeight(textOf(TxtH));
    const engine::LineCount estimate =
        engine::CountLines(TxtOri->text(), height.ok() ? height.value : 0, settings_);
    writeTrimmedSource(engine::TrimText(TxtOri->text()));
    if (estimate.ok())
        TxtWidth->setText(QString::number(estimate.count));
}

// The estimate and the convert command trim the source and write it back, except while
// automatic update follows the user's typing: a space or line break typed at the end
// must stay so that the user can go on writing after it.
void Form1::writeTrimmedSource(std::u16string_view trimmed) {
    if (!keepTypedSource_)
        TxtOri->setText(trimmed);
}

void Form1::sourceChanged() {
    Command1->setEnabled(!TxtOri->text().empty());
    if (!ChkAuto->isChecked())
        return;
    const QScopedValueRollback keepSource(keepTypedSource_, true);
    // Fits the text into about as many columns as TxtWidth says.
    const engine::Reading<std::int32_t> lines = engine::readColHeight(textOf(TxtWidth));
    if (lines.ok() && lines.value >= 1) {
        const auto length = static_cast<std::int64_t>(TxtOri->text().size());
        TxtH->setText(QString::number(length / lines.value + 1));
    }
    if (Command1->isEnabled())
        convert();
}

void Form1::fixedLinesClicked() {
    const bool fixed = ChkWidth->isChecked();
    TxtWidth->setEnabled(fixed);
    ScrWidth->setEnabled(fixed);
    if (!fixed)
        estimateLines();
    if (!loading_)
        convert();
}

// The parameters are read after pending events ran, so that a click or key that arrived
// during a slow conversion counts instead of being overwritten by the layout before it.
void Form1::convert() {
    engine::Conversion command;
    {
        BusyPointer busy;
        QCoreApplication::processEvents();
        const engine::ParamTexts params{textOf(TxtH), textOf(TxtWidth), textOf(TxtMgn),
                                        ChkSpc->isChecked(), ChkWidth->isChecked()};
        command = convertSafely(TxtOri->text(), params, settings_);
    }
    // Writing the trimmed source runs its change handling before the vertical pane is set.
    if (command.trimmed)
        writeTrimmedSource(*command.trimmed);
    TxtTate->setText(command.ok() ? std::u16string_view(command.vertical) : engine::kFailureText);
    LblStatus->setText(texts::tr(texts::faultReason(command.fault)));
    // A reader begins at the top right.
    TxtTate->showFirstLineRightEnd();
}

} // namespace tovalo::ui
