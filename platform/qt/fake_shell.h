#pragma once

#include "platform/qt/shell.h"

#include <QStringList>
#include <QUrl>

namespace tovalo::platform {

// A shell that records what it was asked to start or open, for tests. It succeeds
// unless told to fail.
class FakeShell : public Shell {
public:
    QStringList startedPrograms;
    QStringList openedDocuments;
    QList<QUrl> openedUrls;
    bool fail = false;

    bool startProgram(const QString &path) override {
        if (fail)
            return false;
        startedPrograms.append(path);
        return true;
    }
    bool openDocument(const QString &path) override {
        if (fail)
            return false;
        openedDocuments.append(path);
        return true;
    }
    bool openUrl(const QUrl &url) override {
        if (fail)
            return false;
        openedUrls.append(url);
        return true;
    }
};

} // namespace tovalo::platform
