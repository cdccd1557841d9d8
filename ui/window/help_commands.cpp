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

// A help page that is not installed opens nothing; one that the desktop cannot open (no
// browser, no opener program) is named in a message, so that the user can open it himself.
void WindowCommands::MnuManual() {
    const QString page = services_.files.dataFile(texts::qs(texts::kHelpPageFileName));
    if (services_.files.existsIncludingHidden(page) &&
        !OpenDocument(services_.shell, services_.files, page))
        warn(texts::tr(texts::kCannotOpen) + QLatin1Char('\n') + page);
}

void WindowCommands::MnuHome() {
    const QString address = texts::qs(program_info::kDownloadPage);
    if (!services_.shell.openUrl(QUrl(address)))
        warn(texts::tr(texts::kCannotOpen) + QLatin1Char('\n') + address);
}

void WindowCommands::MnuVer() {
    AboutDialog about({services_.dialogs, services_.files, services_.registry, services_.shell},
                      &controls_.window);
    about.exec();
}

} // namespace tovalo::ui
