#pragma once

#include <QString>
#include <QTranslator>
#include <cstdint>
#include <memory>

namespace corvane::platform {

// Qt's own texts (message box buttons, the folder browser) in the program's language, from the Qt
// translations the system has (Debian: qt6-translations-l10n). Where Qt has none, they stay English.
class QtTranslations {
  public:
    QtTranslations() = default;
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Replaces the translation installed before with the one of `language` (1..10; others are English).
    // False when Qt's texts are English afterwards: English itself, or no translation available.
    bool Follow(int32_t language);

  private:
    std::unique_ptr<QTranslator> installed_;
};

// Qt's locale name of a program language ("zh_CN", "de", ...); English for values outside 1..10.
QString QtLocaleName(int32_t language);

}  // namespace corvane::platform
