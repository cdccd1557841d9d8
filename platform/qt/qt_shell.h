#pragma once

#include "platform/qt/shell.h"

namespace tovalo::platform {

// Starts programs as detached processes and opens documents and addresses through
// the desktop's handlers.
class QtShell : public Shell {
public:
    bool startProgram(const QString &path) override;
    bool openDocument(const QString &path) override;
    bool openUrl(const QUrl &url) override;
};

} // namespace tovalo::platform
