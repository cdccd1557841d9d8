// "開く" and "保存": the source pane from a text file, the vertical pane into a text
// file or a web page.
#include "ui/window/window_commands.h"

#include "html/html_export.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "platform/text/decode.h"
#include "ui/widgets/pane.h"
#include "ui/window/window_texts.h"

#include <QMainWindow>

namespace tovalo::ui {
namespace {

// The largest file that opens: one or two million Japanese characters, far more than
// any vertical text for a mail or a web page holds, and little enough for the window to
// show and convert within two seconds. A file of 100 MB would freeze the window for
// half a minute and could never be converted.
constexpr qint64 kMaxOpenBytes = qint64{4} << 20;

} // namespace

// The file's text replaces the source pane's as one edit of the source, which undo takes
// back. Only an ordinary file is read, so that a device or a pipe cannot hang the window;
// a file that cannot be read leaves the pane as it was, and one that is too large says so.
std::optional<QString> WindowCommands::chooseFileName(bool forSaving, const char *filter) {
    const platform::FileDialogRequest request{QString(), lastFileName_, texts::tr(filter)};
    const std::optional<QString> name =
        forSaving ? services_.dialogs.saveFileName(&controls_.window, request)
                  : services_.dialogs.openFileName(&controls_.window, request);
    if (!name)
        return std::nullopt;
    lastFileName_ = *name;
    if (name->isEmpty())
        return std::nullopt;
    return name;
}

void WindowCommands::MnuOpen() {
    const std::optional<QString> name = chooseFileName(false, texts::kOpenFilter);
    if (!name)
        return;
    const std::optional<qint64> size = services_.files.fileSize(*name);
    if (!size)
        return;
    if (*size > kMaxOpenBytes) {
        services_.dialogs.showMessage(&controls_.window, controls_.window.windowTitle(),
                                      texts::tr(texts::kOpenTooLarge).arg(kMaxOpenBytes >> 20) +
                                          QLatin1Char('\n') + *name,
                                      platform::MessageIcon::Warning);
        return;
    }
    const std::optional<QByteArray> bytes = services_.files.readBytes(*name);
    if (!bytes)
        return;
    controls_.TxtOri.replaceAllAsEdit(
        text::decodeText(std::string_view(bytes->data(), bytes->size())));
}

// The file is replaced as a whole or not at all; when that fails, the user learns why.
void WindowCommands::MnuSave() {
    const std::optional<QString> name = chooseFileName(true, texts::kSaveFilter);
    if (!name)
        return;
    const std::string bytes =
        html::savedFileBytes(name->toStdU16String(), controls_.TxtTate.text());
    QString error;
    if (!services_.files.writeBytesAtomically(*name, QByteArray::fromStdString(bytes), error))
        services_.dialogs.showMessage(&controls_.window, controls_.window.windowTitle(),
                                      texts::tr(texts::kSaveFailed) + QLatin1Char('\n') + *name +
                                          QLatin1Char('\n') + error,
                                      platform::MessageIcon::Warning);
}

} // namespace tovalo::ui
