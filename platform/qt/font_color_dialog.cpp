#include "platform/qt/font_color_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QVBoxLayout>

#include <array>

namespace tovalo::platform {
namespace {

struct NamedColor {
    const char *name;
    QRgb rgb;
};

namespace texts {
// A caption of this dialog in the user's language: its installed translation, or the
// Japanese text itself.
QString tr(const char *text) {
    return QCoreApplication::translate("FontDialog", text);
}

constexpr char kCaption[] = QT_TRANSLATE_NOOP("FontDialog", "フォント");
constexpr char kColorLabel[] = QT_TRANSLATE_NOOP("FontDialog", "色(&C):");
} // namespace texts

// The sixteen colours of the classic colour list, black first.
constexpr std::array<NamedColor, 16> kColors{{
    {QT_TRANSLATE_NOOP("FontDialog", "黒"), 0x000000},
    {QT_TRANSLATE_NOOP("FontDialog", "栗色"), 0x800000},
    {QT_TRANSLATE_NOOP("FontDialog", "緑"), 0x008000},
    {QT_TRANSLATE_NOOP("FontDialog", "オリーブ"), 0x808000},
    {QT_TRANSLATE_NOOP("FontDialog", "紺"), 0x000080},
    {QT_TRANSLATE_NOOP("FontDialog", "紫"), 0x800080},
    {QT_TRANSLATE_NOOP("FontDialog", "青緑"), 0x008080},
    {QT_TRANSLATE_NOOP("FontDialog", "灰色"), 0x808080},
    {QT_TRANSLATE_NOOP("FontDialog", "銀色"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FontDialog", "赤"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FontDialog", "ライム"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FontDialog", "黄"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FontDialog", "青"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FontDialog", "赤紫"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FontDialog", "水色"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FontDialog", "白"), 0xFFFFFF},
}};

QPixmap swatch(QColor color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    return pixmap;
}

// A font of symbols or pictures rather than of a script of words.
bool isSymbolFont(const QString &family) {
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.isEmpty() || systems.contains(QFontDatabase::Symbol);
}

// Hides the symbol fonts in the chooser's list of families each time the chooser fills
// it; the rows stay, as the chooser finds its families by row. The list is the first of
// the chooser's lists: families, styles, sizes.
void offerOnlyScriptFonts(QFontDialog &chooser) {
    QListView *families = chooser.findChildren<QListView *>().value(0);
    if (!families || !families->model())
        return;
    const auto hideSymbolFonts = [families] {
        const QAbstractItemModel *model = families->model();
        for (int row = 0; row < model->rowCount(); ++row)
            families->setRowHidden(row, isSymbolFont(model->index(row, 0).data().toString()));
    };
    QObject::connect(families->model(), &QAbstractItemModel::modelReset, families, hideSymbolFonts);
    hideSymbolFonts();
}

} // namespace

FontColorDialog::FontColorDialog(const FontChoice &current, QWidget *parent)
    : QDialog(parent), fonts_(new QFontDialog(this)), colors_(new QComboBox(this)) {
    setWindowTitle(texts::tr(texts::kCaption));
    setObjectName(QStringLiteral("FontColorDialog"));

    // Qt's chooser shown as a part of this dialog, without its own buttons.
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setObjectName(QStringLiteral("FontChooser"));

    colors_->setObjectName(QStringLiteral("TextColor"));
    colors_->setAccessibleName(QStringLiteral("TextColor"));
    for (const NamedColor &c : kColors)
        colors_->addItem(QIcon(swatch(QColor(c.rgb))), texts::tr(c.name), QColor(c.rgb));
    if (colors_->findData(current.color) < 0)
        colors_->addItem(QIcon(swatch(current.color)), current.color.name(), current.color);
    colors_->setCurrentIndex(colors_->findData(current.color));
    offerOnlyScriptFonts(*fonts_);
    // A family the system lacks is offered as the family that stands in for it.
    QFont shown = current.font;
    shown.setFamily(QFontInfo(current.font).family());
    fonts_->setCurrentFont(shown);
    auto *colorLabel = new QLabel(texts::tr(texts::kColorLabel), this);
    colorLabel->setBuddy(colors_);

    // Apply is offered as in the classic dialog; only OK hands the choice back.
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(colors_);
    colorRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

FontChoice FontColorDialog::choice() const {
    return {fonts_->currentFont(), colors_->currentData().value<QColor>()};
}

} // namespace tovalo::platform
