#include "ui/widgets/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tovalo::ui {
namespace {

// Loads a translator with `load` and installs it, or drops it when it does not load.
template <class Load> bool install(Load load) {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (load(*translator) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool readsEnglish(const QLocale &locale) {
    return locale.language() == QLocale::English;
}

bool installTranslations(const QLocale &locale, const QString &englishCaptions) {
    if (readsEnglish(locale) && install([&](QTranslator &t) { return t.load(englishCaptions); }))
        return true;
    install([](QTranslator &t) {
        return t.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return !readsEnglish(locale);
}

} // namespace tovalo::ui
