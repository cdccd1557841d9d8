// The help menu: the manual page beside the program, the download page and the
// version dialog.
#include "io/window_commands.h"

#include "app/program_info.h"
#include "io/frm_about.h"
#include "io/io_texts.h"
#include "io/module1.h"
#include "platform/qt/files.h"
#include "platform/qt/shell.h"

#include <QUrl>

namespace tovalo::io {

void WindowCommands::MnuManual() {
    OpenDocument(services_.shell, services_.files,
                 services_.files.dataFile(texts::qs(texts::kManualFileName)));
}

void WindowCommands::MnuHome() {
    services_.shell.openUrl(QUrl(texts::qs(app::program_info::kDownloadPage)));
}

void WindowCommands::MnuVer() {
    frmAbout about({services_.dialogs, services_.files, services_.registry, services_.shell},
                   &controls_.window);
    about.exec();
}

} // namespace tovalo::io
