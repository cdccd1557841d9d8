// The display font of the vertical pane, chosen through the font dialog.
#include "ui/window/form1.h"

#include "platform/qt/dialogs.h"
#include "ui/widgets/pane.h"
#include "ui/window/window_texts.h"

namespace tovalo::ui {

void Form1::FontChange() {
    services_.dialogs.showMessage(this, texts::qs(texts::kTitle), texts::tr(texts::kFontWarning),
                                  platform::MessageIcon::None);
    const std::optional<platform::FontChoice> choice = services_.dialogs.chooseFont(
        this, {TxtTate->font(), TxtTate->palette().color(QPalette::Text)});
    if (choice)
        showVerticalPaneIn(choice->font, choice->color);
}

// Face, size, style and colour; a font without a size in points keeps the pane's size.
void Form1::showVerticalPaneIn(const QFont &chosen, const QColor &colour) {
    QFont font = TxtTate->font();
    font.setFamily(chosen.family());
    if (chosen.pointSizeF() > 0)
        font.setPointSizeF(chosen.pointSizeF());
    font.setBold(chosen.bold());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    font.setStrikeOut(chosen.strikeOut());
    TxtTate->setFont(font);
    QPalette palette = TxtTate->palette();
    palette.setColor(QPalette::Text, colour);
    TxtTate->setPalette(palette);
    fontChosen_ = true;
}

} // namespace tovalo::ui
