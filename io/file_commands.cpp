// "開く" and "保存": the source pane from a text file, the vertical pane into a text
// file or a web page.
#include "io/window_commands.h"

#include "app/pane.h"
#include "io/html_export.h"
#include "io/io_texts.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "platform/text/decode.h"

#include <QMainWindow>

namespace tovalo::io {

// The file's text replaces the source pane's, as an edit of the source would. A file
// that cannot be read leaves the pane as it was.
void WindowCommands::MnuOpen() {
    const std::optional<QString> name = services_.dialogs.openFileName(
        &controls_.window, {QString(), CommonDialog1.FileName, texts::qs(texts::kOpenFilter)});
    if (!name)
        return;
    CommonDialog1.FileName = *name;
    if (name->isEmpty())
        return;
    const std::optional<QByteArray> bytes = services_.files.readBytes(*name);
    if (!bytes)
        return;
    controls_.TxtOri.setText(text::decodeText(std::string_view(bytes->data(), bytes->size())));
}

// The file is replaced as a whole or not at all; when that fails, the user learns why.
void WindowCommands::MnuSave() {
    const std::optional<QString> name = services_.dialogs.saveFileName(
        &controls_.window, {QString(), CommonDialog1.FileName, texts::qs(texts::kSaveFilter)});
    if (!name)
        return;
    CommonDialog1.FileName = *name;
    if (name->isEmpty())
        return;
    const std::string bytes = savedFileBytes(name->toStdU16String(), controls_.TxtTate.text());
    QString error;
    if (!services_.files.writeBytesAtomically(*name, QByteArray::fromStdString(bytes), error))
        services_.dialogs.showMessage(&controls_.window, controls_.window.windowTitle(),
                                      texts::qs(texts::kSaveFailed) + QLatin1Char('\n') + *name +
                                          QLatin1Char('\n') + error,
                                      platform::MessageIcon::Warning);
}

} // namespace tovalo::io
