#include "platform/qt_translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "core/l10n/language.h"

namespace corvane::platform {
namespace {

bool QtTranslationsInstalled() {
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_de.qm"));
}

// Qt's texts as its dialogs look them up: a message box or dialog button, and the folder browser's labels.
QString CancelButton() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}
QString FolderBrowserDirectory() {
    return QCoreApplication::translate("QFileDialog", "Directory:");
}

TEST(QtTranslations, QtsOwnTextsFollowTheProgramLanguage) {
    if (!QtTranslationsInstalled()) {
        GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    }
    struct Case {
        int32_t language;
        bool translated;
        const char* cancel;
        const char* directory;
    };
    const Case cases[] = {
        {kGerman, true, "Abbrechen", "Verzeichnis:"},
        {kFrench, true, "Annuler", "Dossier :"},
        {kJapanese, true, "キャンセル", "ディレクトリ:"},
        {kChinese, true, "取消", "目录："},
        {kCzech, true, "Zrušit", "Adresář:"},
        // No Slovenian translation in Qt: English, and the German one is gone.
        {kSlovenian, false, "Cancel", "Directory:"},
        {kEnglish, false, "Cancel", "Directory:"},
        {kHungarian, true, "Mégse", "Könyvtár:"},
        {0, false, "Cancel", "Directory:"},
    };
    QtTranslations translations;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(translations.Follow(c.language), c.translated);
        EXPECT_EQ(CancelButton(), QString::fromUtf8(c.cancel));
        EXPECT_EQ(FolderBrowserDirectory(), QString::fromUtf8(c.directory));
    }
}

TEST(QtTranslations, EndingRemovesTheTranslation) {
    if (!QtTranslationsInstalled()) {
        GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    }
    {
        QtTranslations translations;
        ASSERT_TRUE(translations.Follow(kItalian));
        EXPECT_EQ(CancelButton(), QStringLiteral("Annulla"));
    }
    EXPECT_EQ(CancelButton(), QStringLiteral("Cancel"));
}

TEST(QtTranslations, LocaleNamesOfTheTenLanguages) {
    const char* const expected[] = {"zh_CN", "en", "de", "fi", "it", "fr", "hu", "sl", "cs", "ja"};
    for (int32_t language = 1; language <= kLanguageCount; ++language) {
        EXPECT_EQ(QtLocaleName(language), QString::fromLatin1(expected[language - 1])) << language;
    }
    EXPECT_EQ(QtLocaleName(11), QStringLiteral("en"));
    EXPECT_EQ(QtLocaleName(-1), QStringLiteral("en"));
}

}  // namespace
}  // namespace corvane::platform
