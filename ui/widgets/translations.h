#pragma once

#include <QLocale>
#include <QString>

namespace tovalo::ui {

// The file name of the English translation of the captions, built from translations/.
inline constexpr char16_t kEnglishCaptionsFile[] = u"tovalo_en.qm";

// Whether a locale's user reads the captions in English rather than in Japanese, the
// language they are written in and the one every other locale sees.
bool readsEnglish(const QLocale &locale);

// Installs into the running application the translations for a user of `locale`: for a
// reader of English the captions from `englishCaptions` (a .qm file) and Qt's own texts
// as they are; otherwise Qt's standard dialogs in Japanese, to match the captions.
// Returns false when the captions stay Japanese for want of a translation that loads.
// The translators belong to the application and leave with it.
bool installTranslations(const QLocale &locale, const QString &englishCaptions);

} // namespace tovalo::ui
