#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "languages/languages.h"

namespace corvane::platform {

QString QtLocaleName(int32_t language) {
    const std::string_view locale = LanguageAt(IsLanguage(language) ? language : kDefaultLanguage).qtLocale;
    return QString::fromLatin1(locale.data(), static_cast<qsizetype>(locale.size()));
}

QtTranslations::~QtTranslations() {
    if (installed_) {
        QCoreApplication::removeTranslator(installed_.get());
    }
}

bool QtTranslations::Follow(int32_t language) {
    if (installed_) {
        QCoreApplication::removeTranslator(installed_.get());
        installed_.reset();
    }
    const QString locale = QtLocaleName(language);
    if (locale == QLatin1String("en")) {
        return false;
    }
    auto translator = std::make_unique<QTranslator>();
    // qtbase_<locale>.qm holds the texts of Qt's widgets and standard dialogs.
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed_ = std::move(translator);
    return true;
}

}  // namespace corvane::platform
