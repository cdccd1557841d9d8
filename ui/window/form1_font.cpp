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
    if (!choice)
        return;
    QFont font = TxtTate->font();
    font.setFamily(choice->font.family());
    if (choice->font.pointSizeF() > 0)
        font.setPointSizeF(choice->font.pointSizeF());
    font.setBold(choice->font.bold());
    font.setItalic(choice->font.italic());
    font.setUnderline(choice->font.underline());
    font.setStrikeOut(choice->font.strikeOut());
    TxtTate->setFont(font);
    QPalette palette = TxtTate->palette();
    palette.setColor(QPalette::Text, choice->color);
    TxtTate->setPalette(palette);
}

} // namespace tovalo::ui
