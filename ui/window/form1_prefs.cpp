// The per-user file "tovalo.conf" beside "Tov.ini": what the window keeps across runs
// that "Tov.ini", with its fixed six records, has no place for.
#include "ui/window/form1.h"

#include "platform/qt/files.h"
#include "ui/widgets/number_box.h"
#include "ui/widgets/pane.h"
#include "ui/window/settings_location.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

namespace tovalo::ui {

// A file that is missing or damaged gives the defaults, as do its values that are.
// Runs while start-up holds off estimation and conversion.
void Form1::restorePrefs() {
    const settings::UserPrefs prefs =
        settings::prefsFromEntries(services_.files.readIni(userPrefsFilePath(services_.files))
                                       .value_or(settings::PrefEntries{}));
    settings_.verticalForms = prefs.verticalForms;
    settings_.tateChuYoko = prefs.tateChuYoko;
    ChkAuto->setChecked(prefs.autoUpdate);
    TxtMgn->setText(QString::number(prefs.margin));
    if (prefs.font) {
        QFont font(QString::fromStdU16String(prefs.font->face));
        font.setPointSizeF(prefs.font->points);
        font.setBold(prefs.font->bold);
        font.setItalic(prefs.font->italic);
        font.setUnderline(prefs.font->underline);
        font.setStrikeOut(prefs.font->strikeOut);
        const QColor colour = prefs.font->colour ? QColor::fromRgb(*prefs.font->colour)
                                                 : TxtTate->palette().color(QPalette::Text);
        showVerticalPaneIn(font, colour);
    }
    if (prefs.window)
        restoreWindowPlace(*prefs.window);
}

// A place on no screen that is connected now (a monitor since removed) keeps only its size.
void Form1::restoreWindowPlace(const settings::WindowPlace &place) {
    const QRect rect(place.left, place.top, place.width, place.height);
    if (QGuiApplication::screenAt(rect.center()))
        setGeometry(rect);
    else
        resize(rect.size());
    if (place.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

settings::UserPrefs Form1::currentPrefs() const {
    settings::UserPrefs prefs;
    const QRect place = normalGeometry();
    prefs.window =
        settings::WindowPlace{place.x(), place.y(), place.width(), place.height(), isMaximized()};
    if (fontChosen_) {
        const QFont font = TxtTate->font();
        prefs.font = settings::PaneFont{font.family().toStdU16String(),
                                        font.pointSizeF(),
                                        font.bold(),
                                        font.italic(),
                                        font.underline(),
                                        font.strikeOut(),
                                        TxtTate->palette().color(QPalette::Text).rgb() & 0xFFFFFFU};
    }
    prefs.autoUpdate = ChkAuto->isChecked();
    prefs.margin = ScrMgn->value();
    prefs.verticalForms = settings_.verticalForms;
    prefs.tateChuYoko = settings_.tateChuYoko;
    return prefs;
}

} // namespace tovalo::ui
