#include "core/l10n/read_back_texts.h"

#include <array>

#include "core/l10n/text_row.h"

namespace corvane {
namespace {

// clang-format off
constexpr TextRow kButton = {"读取文件", "Read file", "Einlesen", "Lataa", "Leggi file", "Charger", "Beolvas",
                               "Preberi", "Nacist", "読み込み"};

constexpr TextRow kNotRead = {"未读取：", "Not read: ", "Nicht gelesen: ", "Ei luettu: ", "Non letto: ",
                                "Non lu : ", "Nem sikerult beolvasni: ", "Ni prebrano: ", "Nenacteno: ",
                                "読み込めません："};
constexpr TextRow kNothingChanged = {"未更改任何设置。", "No setting was changed.", "Keine Einstellung wurde geaendert.",
                                       "Mitaan asetusta ei muutettu.", "Nessuna impostazione e stata modificata.",
                                       "Aucun reglage n'a ete modifie.", "Egyetlen beallitas sem valtozott.",
                                       "Nobena nastavitev ni bila spremenjena.", "Zadne nastaveni nebylo zmeneno.",
                                       "設定は変更されていません。"};

constexpr TextRow kReadFrom = {"已读取：", "Read from: ", "Gelesen aus: ", "Luettu tiedostosta: ", "Letto da: ",
                                 "Lu depuis : ", "Beolvasva innen: ", "Prebrano iz: ", "Nacteno z: ", "読み込み元："};

constexpr std::array<TextRow, 9> kProblems = {{
    // kMissing
    {"文件不存在。", "There is no such file.", "Die Datei gibt es nicht.", "Tiedostoa ei ole.",
     "Il file non esiste.", "Le fichier n'existe pas.", "A fajl nem letezik.", "Datoteka ne obstaja.",
     "Soubor neexistuje.", "ファイルがありません。"},
    // kUnreadable
    {"无法读取文件。", "The file cannot be read.", "Die Datei kann nicht gelesen werden.",
     "Tiedostoa ei voi lukea.", "Il file non puo essere letto.", "Le fichier ne peut pas etre lu.",
     "A fajl nem olvashato.", "Datoteke ni mogoce prebrati.", "Soubor nelze precist.",
     "ファイルを読み込めません。"},
    // kOtherKind
    {"文件类型不对。", "The file is of another kind.", "Die Datei ist von anderer Art.",
     "Tiedosto on eri tyyppia.", "Il file e di un altro tipo.", "Le fichier est d'un autre type.",
     "A fajl mas tipusu.", "Datoteka je druge vrste.", "Soubor je jineho druhu.",
     "ファイルの種類が違います。"},
    // kWrongSize
    {"文件已损坏：大小错误。", "The file is damaged: wrong size.", "Die Datei ist beschaedigt: falsche Groesse.",
     "Tiedosto on vaurioitunut: vaara koko.", "Il file e danneggiato: dimensione errata.",
     "Le fichier est endommage : taille incorrecte.", "A fajl serult: hibas meret.",
     "Datoteka je poskodovana: napacna velikost.", "Soubor je poskozen: chybna velikost.",
     "ファイルが壊れています：サイズが不正です。"},
    // kBadFraming
    {"文件已损坏：记录格式错误。", "The file is damaged: bad record framing.",
     "Die Datei ist beschaedigt: fehlerhafter Datensatzrahmen.",
     "Tiedosto on vaurioitunut: virheellinen tietuerakenne.",
     "Il file e danneggiato: struttura dei record errata.",
     "Le fichier est endommage : structure des enregistrements incorrecte.",
     "A fajl serult: hibas rekordszerkezet.", "Datoteka je poskodovana: napacna zgradba zapisov.",
     "Soubor je poskozen: chybna struktura zaznamu.", "ファイルが壊れています：レコードの形式が不正です。"},
    // kBadChecksum
    {"文件已损坏：校验和不符。", "The file is damaged: the checksum does not match.",
     "Die Datei ist beschaedigt: die Pruefsumme stimmt nicht.",
     "Tiedosto on vaurioitunut: tarkistussumma ei tasmaa.",
     "Il file e danneggiato: il checksum non corrisponde.",
     "Le fichier est endommage : la somme de controle ne correspond pas.",
     "A fajl serult: az ellenorzo osszeg nem egyezik.",
     "Datoteka je poskodovana: kontrolna vsota se ne ujema.",
     "Soubor je poskozen: kontrolni soucet nesouhlasi.", "ファイルが壊れています：チェックサムが一致しません。"},
    // kOutOfRange
    {"有设置值超出范围。", "A setting is out of range.", "Ein Wert liegt ausserhalb seines Bereichs.",
     "Asetus on sallitun alueen ulkopuolella.", "Un'impostazione e fuori intervallo.",
     "Un reglage est hors limites.", "Egy beallitas kivul esik a tartomanyon.",
     "Nastavitev je zunaj dovoljenega obsega.", "Nastaveni je mimo povoleny rozsah.", "設定値が範囲外です。"},
    // kOtherFamily
    {"文件属于另一个相机系列。", "The file is for the other camera family.",
     "Die Datei ist fuer die andere Kamerafamilie.", "Tiedosto on toiselle kameraperheelle.",
     "Il file e per l'altra famiglia di fotocamere.", "Le fichier est pour l'autre famille de cameras.",
     "A fajl a masik kameracsaladhoz keszult.", "Datoteka je za drugo druzino kamer.",
     "Soubor je pro jinou radu fotoaparatu.", "ファイルは別のカメラシリーズ用です。"},
    // kCardGone
    {"存储卡已不在此处。请重新插入存储卡，或选择其他文件夹。",
     "The memory card is no longer mounted there. Insert the card again or choose another folder.",
     "Die Speicherkarte ist dort nicht mehr eingebunden. Bitte die Karte wieder einstecken oder einen anderen "
     "Ordner waehlen.",
     "Muistikortti ei ole enaa liitettyna. Aseta kortti uudelleen tai valitse toinen kansio.",
     "La scheda di memoria non e piu montata. Reinserire la scheda o scegliere un'altra cartella.",
     "La carte memoire n'est plus montee. Reinserez la carte ou choisissez un autre dossier.",
     "A memoriakartya mar nincs csatlakoztatva. Helyezze be ujra a kartyat, vagy valasszon masik mappat.",
     "Pomnilniska kartica ni vec priklopljena. Ponovno vstavite kartico ali izberite drugo mapo.",
     "Pametova karta uz neni pripojena. Vlozte kartu znovu nebo zvolte jinou slozku.",
     "メモリーカードはマウントされていません。カードを挿し直すか、別のフォルダーを選んでください。"},
}};
// clang-format on

}  // namespace

std::string_view ReadBackButtonCaption(int32_t language) {
    return TextIn(kButton, language);
}

std::string ReadBackRefusalMessage(int32_t language, std::string_view path, ReadBackProblem problem,
                                   std::string_view finding) {
    std::string message(TextIn(kNotRead, language));
    message += path;
    message += "\n\n";
    message += TextIn(kProblems[static_cast<size_t>(problem)], language);
    if (!finding.empty()) {
        message += "\n(";
        message += finding;
        message += ")";
    }
    message += "\n\n";
    message += TextIn(kNothingChanged, language);
    return message;
}

std::string ReadBackDoneMessage(int32_t language, std::string_view path) {
    std::string message(TextIn(kReadFrom, language));
    message += path;
    return message;
}

}  // namespace corvane
