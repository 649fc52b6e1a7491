#include "core/l10n/preset_texts.h"

#include <array>

#include "core/l10n/per_language.h"

namespace corvane {
namespace {

// Each text is split where the dialog's word for Manual goes.
struct Parts {
    std::string_view before;
    std::string_view after;
};

// clang-format off
constexpr PerLanguage<Parts> kNoPresetSettings = {
    {"没有该运营商的已知网络设置，未生成文件。请选择“", "”模式，自行输入这些设置。"},
    {"No network settings are known for this operator, so no file was generated. Choose \"",
     "\" mode to type them in yourself."},
    {"Fuer diesen Netzbetreiber sind keine Netzeinstellungen bekannt, daher wurde keine Datei erzeugt. Im Modus \"",
     "\" koennen Sie sie selbst eingeben."},
    {"Taman operaattorin verkkoasetuksia ei tunneta, joten tiedostoa ei luotu. Valitse tila \"",
     "\", niin voit kirjoittaa ne itse."},
    {"Non sono note impostazioni di rete per questo operatore, quindi nessun file e stato generato. Scegliere la modalita \"",
     "\" per inserirle."},
    {"Aucun parametre reseau n'est connu pour cet operateur, aucun fichier n'a donc ete genere. Choisissez le mode \"",
     "\" pour les saisir vous-meme."},
    {"Ehhez a szolgaltatohoz nem ismertek halozati beallitasok, ezert nem jott letre fajl. A \"",
     "\" modban beirhatja oket."},
    {"Za tega operaterja niso znane omrezne nastavitve, zato datoteka ni bila ustvarjena. V nacinu \"",
     "\" jih lahko vnesete sami."},
    {"Pro tohoto operatora nejsou znama zadna sitova nastaveni, proto nebyl vytvoren zadny soubor. V rezimu \"",
     "\" je muzete zadat sami."},
    {"この通信会社のネットワーク設定は不明のため、ファイルは作成されませんでした。「",
     "」モードを選ぶと、設定を入力できます。"},
};
// clang-format on

}  // namespace

std::string NoPresetSettingsMessage(int32_t language, std::string_view manualWord) {
    const Parts& parts = kNoPresetSettings.In(language);
    std::string text(parts.before);
    text += manualWord;
    text += parts.after;
    return text;
}

}  // namespace corvane
