#include "core/l10n/card_texts.h"

#include <array>
#include <string_view>

#include "core/l10n/per_language.h"

namespace corvane {

namespace {

// A text around one inserted path: before + path + after. Latin-script languages without diacritics, as
// every other text of the program.
struct Around {
    std::string_view before;
    std::string_view after;
};
using Table = PerLanguage<Around>;

constexpr Table kWrittenTo = {
    {"已写入：", ""},     {"Written to: ", ""},  {"Gespeichert unter: ", ""}, {"Tallennettu: ", ""},
    {"Scritto in: ", ""}, {"Ecrit dans : ", ""}, {"Mentve ide: ", ""},        {"Zapisano v: ", ""},
    {"Zapsano do: ", ""}, {"書き込み先：", ""},
};

constexpr Table kCardGone = {
    {"存储卡已不在 ", "。请重新插入存储卡，或选择其他文件夹。没有写入任何文件。"},
    {"The memory card is no longer mounted at ",
     ". Insert the card again or choose another folder. Nothing was written."},
    {"Die Speicherkarte ist nicht mehr unter ",
     " eingebunden. Bitte die Karte wieder einstecken oder einen anderen Ordner waehlen. Es wurde nichts "
     "geschrieben."},
    {"Muistikortti ei ole enaa liitettyna kohteeseen ",
     ". Aseta kortti uudelleen tai valitse toinen kansio. Mitaan ei kirjoitettu."},
    {"La scheda di memoria non e piu montata in ",
     ". Reinserire la scheda o scegliere un'altra cartella. Non e stato scritto nulla."},
    {"La carte memoire n'est plus montee sur ",
     ". Reinserez la carte ou choisissez un autre dossier. Rien n'a ete ecrit."},
    {"A memoriakartya mar nincs csatlakoztatva itt: ",
     ". Helyezze be ujra a kartyat, vagy valasszon masik mappat. Semmi sem lett kiirva."},
    {"Pomnilniska kartica ni vec priklopljena na ",
     ". Ponovno vstavite kartico ali izberite drugo mapo. Nic ni bilo zapisano."},
    {"Pametova karta uz neni pripojena v ",
     ". Vlozte kartu znovu nebo zvolte jinou slozku. Nic nebylo zapsano."},
    {"メモリーカードは ",
     " にマウントされていません。カードを挿し直すか、別のフォルダーを選んでください。何も書き込まれていません"
     "。"},
};

std::string Insert(const Table& table, int32_t language, const std::string& path) {
    const Around& text = table.In(language);
    return std::string(text.before) + path + std::string(text.after);
}

}  // namespace

std::string WrittenToText(int32_t language, const std::string& filePath) {
    return Insert(kWrittenTo, language, filePath);
}

std::string CardGoneText(int32_t language, const std::string& folder) {
    return Insert(kCardGone, language, folder);
}

}  // namespace corvane
