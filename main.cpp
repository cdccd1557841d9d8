// The desktop program: the main window with the system's real services.
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_files.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_order.h"
#include "platform/registry/file_registry.h"
#include "ui/widgets/captions.h"
#include "ui/widgets/translations.h"
#include "ui/window/form1.h"
#include "ui/window/start_file.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovalo"));

    tovalo::platform::QtDialogs dialogs;
    tovalo::platform::QtFiles files;
    // The captions are Japanese; a user whose locale is English reads them in English,
    // from the translation installed with the program's data.
    tovalo::ui::installTranslations(
        QLocale::system(), files.dataFile(tovalo::ui::qs(tovalo::ui::kEnglishCaptionsFile)));
    tovalo::platform::FileRegistry registry;
    tovalo::platform::QtClipboard clipboard;
    tovalo::platform::QtShell shell;
    tovalo::platform::QtWindowOrder windowOrder;
    tovalo::ui::Form1 form({dialogs, files, registry, clipboard, shell, windowOrder});
    form.startUp();
    form.show();
    // A file named on the command line ("Open with" on the desktop) opens as with "開く",
    // once the start-up filled the window.
    if (const std::optional<QString> file =
            tovalo::ui::fileToOpenAtStart(QApplication::arguments()))
        form.openFile(*file);
    return QApplication::exec();
}
