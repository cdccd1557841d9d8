#pragma once

#include "platform/qt/dialogs.h"

#include <QFileDialog>
#include <QList>

#include <optional>

class QFileInfo;

namespace tovalo::platform {

class FileKindFilter;

// One kind of file that a file dialog offers.
struct FileKind {
    QString description;
    QString pattern; // as the filter gives it

    // True for a file of this kind. Folders are always shown, to move through.
    bool accepts(const QFileInfo &file) const;
};

// The kinds of a filter of "description|pattern|" entries, in order; an entry cut
// short at the end is left out.
QList<FileKind> fileKinds(const QString &filter);

// Qt's own open or save dialog, showing the kinds of file of a filter under their
// descriptions exactly as given. Chosen names are returned as they are, no extension
// added, and an existing file is chosen for saving without a question.
class FileChooser {
public:
    FileChooser(const FileDialogRequest &request, QFileDialog::AcceptMode mode, QWidget *parent);

    std::optional<QString> choose();

private:
    void showKind(const QString &description);

    QFileDialog dialog_;
    QList<FileKind> kinds_;
    FileKindFilter *filter_;
};

} // namespace tovalo::platform
