#include "ui/dialogs/about_dialog.h"

#include "platform/qt/dialogs.h"
#include "platform/qt/files.h"
#include "platform/qt/shell.h"
#include "product/program_info.h"
#include "tovalo_version.h"
#include "ui/widgets/captions.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/named.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cstdint>

namespace tovalo::ui {
namespace {

namespace texts {
// A caption of this table in the user's language.
QString tr(const char *text) {
    return translated("AboutDialog", text);
}

// %1: the product's name.
constexpr char kAboutCaption[] = QT_TRANSLATE_NOOP("AboutDialog", "%1のﾊﾞｰｼﾞｮﾝ情報");
// %1: major.minor.revision.
constexpr char kVersion[] = QT_TRANSLATE_NOOP("AboutDialog", "ﾊﾞｰｼﾞｮﾝ %1");
constexpr char kOk[] = QT_TRANSLATE_NOOP("AboutDialog", "OK");
constexpr char kSysInfo[] = QT_TRANSLATE_NOOP("AboutDialog", "ｼｽﾃﾑ情報(&S)...");
constexpr char kSysInfoUnavailable[] =
    QT_TRANSLATE_NOOP("AboutDialog", "現時点ではｼｽﾃﾑ情報を使用できません");
} // namespace texts

const QString kViewerKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kViewerFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kViewerFile = QStringLiteral("MSINFO32.EXE");

QString versionText() {
    return texts::tr(texts::kVersion)
        .arg(QString::number(version::major) + QLatin1Char('.') + QString::number(version::minor) +
             QLatin1Char('.') + QString::number(version::revision));
}

QFont boldGothic(double points) {
    QFont font = paneFont();
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font) {
    auto *label = named(new QLabel(text, parent), name);
    label->setFont(font);
    return label;
}

} // namespace

AboutDialog::AboutDialog(AboutServices services, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      services_(services) {
    const QString title = QString::fromLatin1(version::productName);
    named(this, QStringLiteral("frmAbout"));
    setWindowTitle(texts::tr(texts::kAboutCaption).arg(title));
    setWindowIcon(owner->windowIcon());

    auto *picIcon = named(new QLabel(this), QStringLiteral("picIcon"));
    picIcon->setPixmap(owner->windowIcon().pixmap(32, 32));
    picIcon->setAlignment(Qt::AlignTop);
    auto *lblTitle = label(this, QStringLiteral("lblTitle"), title, boldGothic(15.75));
    auto *lblVersion = label(this, QStringLiteral("lblVersion"), versionText(), font());
    auto *Label2 = label(this, QStringLiteral("Label2"), qs(program_info::kAuthor), boldGothic(12));
    auto *Label1 =
        label(this, QStringLiteral("Label1"), qs(program_info::kAuthorMail), boldGothic(12));
    // The home page, selectable so that it can be copied into a browser.
    auto *LblHome = label(this, QStringLiteral("LblHome"), qs(program_info::kDownloadPage), font());
    LblHome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // An etched line: the frame's shadow and light side by side.
    auto *Line1 = named(new QFrame(this), QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto *cmdOK = named(new QPushButton(texts::tr(texts::kOk), this), QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto *cmdSysInfo =
        named(new QPushButton(texts::tr(texts::kSysInfo), this), QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 5, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(Label2, 2, 1);
    grid->addWidget(Label1, 3, 1);
    grid->addWidget(LblHome, 4, 1);
    grid->addWidget(Line1, 5, 0, 1, 3);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addLayout(buttons, 6, 2);
    grid->setColumnMinimumWidth(2, cmdSysInfo->sizeHint().width());
}

void AboutDialog::StartSysInfo() {
    QString viewer;
    if (!GetKeyValue(platform::RegistryRoot::LocalMachine, kViewerKey, QStringLiteral("PATH"),
                     viewer)) {
        QString folder;
        if (GetKeyValue(platform::RegistryRoot::LocalMachine, kViewerFolderKey,
                        QStringLiteral("MSINFO"), folder) &&
            services_.files.existsIncludingHidden(folder + QLatin1Char('/') + kViewerFile))
            viewer = folder + QLatin1Char('/') + kViewerFile;
    }
    if (viewer.isEmpty() || !services_.shell.startProgram(viewer))
        services_.dialogs.showMessage(this, QString::fromLatin1(version::productName),
                                      texts::tr(texts::kSysInfoUnavailable),
                                      platform::MessageIcon::None);
}

bool AboutDialog::GetKeyValue(platform::RegistryRoot root, const QString &keyName,
                              const QString &valueName, QString &value) {
    platform::Registry &registry = services_.registry;
    platform::KeyHandle key = 0;
    if (registry.openKey(root, keyName.toStdString(), key) != platform::RegStatus::Ok) {
        value.clear();
        return false;
    }
    platform::ScopedKey open(registry, key);
    std::array<std::uint8_t, 1024> buffer{};
    platform::ValueType type{};
    std::size_t size = 0;
    if (registry.queryValue(key, valueName.toStdString(), buffer, type, size) !=
        platform::RegStatus::Ok) {
        value.clear();
        return false;
    }
    const auto *bytes = reinterpret_cast<const char *>(buffer.data());
    if (type == platform::ValueType::String) {
        // The text ends at its NUL, or with the value when it was stored without one.
        value = QString::fromUtf8(bytes, std::find(bytes, bytes + size, '\0') - bytes);
    } else if (type == platform::ValueType::Number && size >= 4) {
        value = QString::number(platform::numberFromBytes(buffer));
    }
    return true;
}

} // namespace tovalo::ui
