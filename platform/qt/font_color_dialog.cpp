#include "platform/qt/font_color_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QVBoxLayout>

#include <array>
#include <cstdlib>
#include <limits>

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

// The style of `family` nearest to `font`'s slant and weight, preferring a style of
// normal width.
int nearestStyle(const QString &family, const QStringList &styles, const QFont &font) {
    int best = 0;
    int bestScore = std::numeric_limits<int>::max();
    for (int row = 0; row < styles.size(); ++row) {
        const QFont candidate = QFontDatabase::font(family, styles[row], 12);
        const int score = (candidate.italic() != font.italic()) * 100000 +
                          std::abs(candidate.weight() - font.weight()) * 10 +
                          (candidate.stretch() != QFont::Unstretched &&
                           candidate.stretch() != QFont::AnyStretch) +
                          (styles[row].contains(QStringLiteral("Condensed")) ? 1 : 0);
        if (score < bestScore) {
            best = row;
            bestScore = score;
        }
    }
    return best;
}

// When another family is chosen, the chooser takes the first of its styles unless one has
// the same name as before ("Regular" is not "Book"): this picks the style with the slant
// and weight of the font chosen before instead. The lists are the chooser's families,
// styles and sizes, in that order.
void keepStyleAcrossFamilies(QFontDialog &chooser) {
    const QList<QListView *> lists = chooser.findChildren<QListView *>();
    QListView *families = lists.value(0);
    QListView *styles = lists.value(1);
    if (!families || !styles || !families->selectionModel())
        return;
    // The font chosen before: the chooser reports the new family's first style before
    // this has picked the right one, so a change of family does not count here.
    auto *before = new QFont(chooser.currentFont());
    QObject::connect(&chooser, &QObject::destroyed, [before] { delete before; });
    QObject::connect(&chooser, &QFontDialog::currentFontChanged, [before](const QFont &font) {
        if (font.family() == before->family())
            *before = font;
    });
    QObject::connect(families->selectionModel(), &QItemSelectionModel::currentChanged, styles,
                     [&chooser, styles, before](const QModelIndex &current) {
                         if (!current.isValid() || !styles->model() ||
                             styles->model()->rowCount() == 0)
                             return;
                         QStringList names;
                         for (int row = 0; row < styles->model()->rowCount(); ++row)
                             names << styles->model()->index(row, 0).data().toString();
                         const int row = nearestStyle(current.data().toString(), names, *before);
                         if (row != styles->currentIndex().row())
                             styles->setCurrentIndex(styles->model()->index(row, 0));
                         *before = chooser.currentFont();
                     });
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
    keepStyleAcrossFamilies(*fonts_);
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
