#pragma once

#include <QString>

namespace tovalo::platform {
class Files;
}

namespace tovalo::ui {

// Where the settings file "Tov.ini" is read and written: beside the program when it
// runs from a folder of its own (its manual is beside it, as in the build folder or an
// unpacked copy) that it may write; otherwise, as for an installed program whoever runs
// it, in the user's configuration folder.
QString settingsFilePath(const platform::Files &files);

// Where the per-user file "tovalo.conf" is read and written: beside "Tov.ini".
QString userPrefsFilePath(const platform::Files &files);

} // namespace tovalo::ui
