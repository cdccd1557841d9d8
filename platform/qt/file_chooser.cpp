#include "platform/qt/file_chooser.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace tovalo::platform {

// Shows the files of the chosen kind. Qt's dialog would read the patterns from the
// descriptions and match them as Linux does (where "*.*" misses names without a dot and
// programs have no ".exe"), so the dialog's own model lists everything and this filter
// decides.
class FileKindFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void show(const FileKind &kind) {
        kind_ = kind;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override {
        const auto *files = static_cast<const QFileSystemModel *>(sourceModel());
        return kind_.accepts(files->fileInfo(files->index(row, 0, parent)));
    }

private:
    FileKind kind_{QString(), QStringLiteral("*")};
};

bool FileKind::accepts(const QFileInfo &file) const {
    if (file.isDir() || pattern == QLatin1String("*.*"))
        return true;
    if (pattern.compare(QLatin1String("*.exe"), Qt::CaseInsensitive) == 0)
        return file.isExecutable();
    const QStringList globs = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &glob : globs) {
        const QRegularExpression match(
            QRegularExpression::wildcardToRegularExpression(glob.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
        if (match.match(file.fileName()).hasMatch())
            return true;
    }
    return false;
}

QList<FileKind> fileKinds(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QList<FileKind> kinds;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty())
            kinds.append({parts[i], parts[i + 1]});
    return kinds;
}

FileChooser::FileChooser(const FileDialogRequest &request, QFileDialog::AcceptMode mode,
                         QWidget *parent)
    : dialog_(parent), kinds_(fileKinds(request.filter)), filter_(new FileKindFilter(&dialog_)) {
    dialog_.setOption(QFileDialog::DontUseNativeDialog);
    dialog_.setOption(QFileDialog::DontConfirmOverwrite);
    dialog_.setAcceptMode(mode);
    dialog_.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    if (!request.title.isEmpty())
        dialog_.setWindowTitle(request.title);
    dialog_.setProxyModel(filter_);
    QStringList descriptions;
    for (const FileKind &kind : kinds_)
        descriptions.append(kind.description);
    if (!descriptions.isEmpty())
        dialog_.setNameFilters(descriptions);
    if (!request.fileName.isEmpty())
        dialog_.selectFile(request.fileName);
    QObject::connect(&dialog_, &QFileDialog::filterSelected, &dialog_,
                     [this](const QString &description) { showKind(description); });
    if (!kinds_.isEmpty())
        showKind(kinds_.first().description);
}

// Runs after the dialog has applied the patterns it reads from the description.
void FileChooser::showKind(const QString &description) {
    for (const FileKind &kind : kinds_)
        if (kind.description == description) {
            if (auto *files = dialog_.findChild<QFileSystemModel *>())
                files->setNameFilters({QStringLiteral("*")});
            filter_->show(kind);
            return;
        }
}

std::optional<QString> FileChooser::choose() {
    if (dialog_.exec() != QDialog::Accepted || dialog_.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog_.selectedFiles().first();
}

} // namespace tovalo::platform
