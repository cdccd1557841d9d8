// "開く" and "保存": the source pane from a text file, the vertical pane into a text
// file or a web page.
#include "ui/window/window_commands.h"

#include "html/html_export.h"
#include "platform/encoding/detect.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "ui/widgets/pane.h"
#include "ui/window/window_texts.h"

#include <QFileInfo>
#include <QMainWindow>

namespace tovalo::ui {
namespace {

// The largest file that opens: one or two million Japanese characters, far more than
// any vertical text for a mail or a web page holds, and little enough for the window to
// show and convert within two seconds. A file of 100 MB would freeze the window for
// half a minute and could never be converted.
constexpr qint64 kMaxOpenBytes = qint64{4} << 20;

} // namespace

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
    if (const std::optional<QString> name = chooseFileName(false, texts::kOpenFilter))
        openFile(*name);
}

// The file's text replaces the source pane's as one edit of the source, which undo takes
// back. Only an ordinary file is read, so that a device or a pipe cannot hang the window;
// a file that cannot be read leaves the pane as it was, and one that is too large says so.
// The encoding is recognised from the bytes; a file that holds no text (a picture, a
// program) is refused by name instead of filling the pane with garbage.
void WindowCommands::openFile(const QString &name) {
    const std::optional<qint64> size = services_.files.fileSize(name);
    if (!size)
        return;
    if (*size > kMaxOpenBytes) {
        warn(texts::tr(texts::kOpenTooLarge).arg(kMaxOpenBytes >> 20) + QLatin1Char('\n') + name);
        return;
    }
    const std::optional<QByteArray> bytes = services_.files.readBytes(name);
    if (!bytes)
        return;
    const std::optional<std::u16string> text =
        text::decodeTextFile(std::string_view(bytes->data(), bytes->size()));
    if (!text) {
        warn(texts::tr(texts::kOpenNotText) + QLatin1Char('\n') + name);
        return;
    }
    controls_.TxtOri.replaceAllAsEdit(*text);
    showFileInTitle(name);
}

void WindowCommands::showFileInTitle(const QString &name) {
    controls_.window.setWindowTitle(
        texts::qs(texts::kTitleWithFile).arg(QFileInfo(name).fileName(), texts::qs(texts::kTitle)));
}

void WindowCommands::warn(const QString &text) {
    services_.dialogs.showMessage(&controls_.window, texts::qs(texts::kTitle), text,
                                  platform::MessageIcon::Warning);
}

// The file is replaced as a whole or not at all; when that fails, the user learns why.
void WindowCommands::MnuSave() {
    const std::optional<QString> name = chooseFileName(true, texts::kSaveFilter);
    if (!name)
        return;
    const std::string bytes =
        html::savedFileBytes(name->toStdU16String(), controls_.TxtTate.text());
    QString error;
    if (services_.files.writeBytesAtomically(*name, QByteArray::fromStdString(bytes), error))
        showFileInTitle(*name);
    else
        warn(texts::tr(texts::kSaveFailed) + QLatin1Char('\n') + *name + QLatin1Char('\n') + error);
}

} // namespace tovalo::ui
