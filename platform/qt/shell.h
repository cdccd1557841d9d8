#pragma once

#include <QString>

class QUrl;

namespace tovalo::platform {

// The desktop's ways of starting things: programs, documents and web addresses.
// None of them waits for what it started.
class Shell {
public:
    virtual ~Shell() = default;

    // Starts the executable file at path, with no arguments, in a window of its own.
    // False when path names no executable file or the start failed.
    virtual bool startProgram(const QString &path) = 0;
    // Opens the file at path with the program the desktop associates with its type.
    virtual bool openDocument(const QString &path) = 0;
    // Opens a web address in the user's web browser.
    virtual bool openUrl(const QUrl &url) = 0;
};

} // namespace tovalo::platform
