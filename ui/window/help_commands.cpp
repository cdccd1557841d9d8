// The help menu: the manual page beside the program, the download page and the
// version dialog.
#include "ui/window/window_commands.h"

#include "platform/qt/files.h"
#include "platform/qt/shell.h"
#include "product/program_info.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/widgets/module1.h"
#include "ui/window/window_texts.h"

#include <QUrl>

namespace tovalo::ui {

void WindowCommands::MnuManual() {
    OpenDocument(services_.shell, services_.files,
                 services_.files.dataFile(texts::qs(texts::kHelpPageFileName)));
}

void WindowCommands::MnuHome() {
    services_.shell.openUrl(QUrl(texts::qs(program_info::kDownloadPage)));
}

void WindowCommands::MnuVer() {
    AboutDialog about({services_.dialogs, services_.files, services_.registry, services_.shell},
                      &controls_.window);
    about.exec();
}

} // namespace tovalo::ui
