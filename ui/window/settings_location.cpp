#include "ui/window/settings_location.h"

#include "platform/qt/files.h"
#include "ui/window/window_texts.h"

namespace tovalo::ui {

QString settingsFilePath(const platform::Files &files) {
    QString folder = files.programFolder();
    const bool ownFolder =
        files.exists(folder + QLatin1Char('/') + texts::qs(texts::kManualFileName));
    if (!ownFolder || !files.isWritableFolder(folder))
        folder = files.userConfigFolder() + QStringLiteral("/tovalo");
    return folder + QLatin1Char('/') + texts::qs(texts::kSettingsFileName);
}

QString userPrefsFilePath(const platform::Files &files) {
    return settingsFilePath(files).section(QLatin1Char('/'), 0, -2) +
           QStringLiteral("/tovalo.conf");
}

} // namespace tovalo::ui
