#pragma once

// The rows the MMS and e-mail setup dialogs share, written once for both.

#include "core/l10n/text_row.h"

namespace corvane::message_dialog_texts {

inline constexpr TextRow kPicturesLabel = {
    "拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag", "kuvien maara / paiva", "N. immagine/data",
    "Image No/jour", "Kepsz./ nap",      "Slika stev./dan",  "Snimku za den",        "撮影数/1日"};
inline constexpr TextRow kPicturesNote = {"注： 0 = 无限制",         "Note: 0 = Unlimited",
                                          "Hinweis: 0 = Unlimited",  "huom! 0 = rajaton",
                                          "Nota: -00- = illimitato", "Remarque -00- = illimite",
                                          "Megj. -00- = korlutlan",  "Navodilo -00-=neomejeno",
                                          "Pozor:0=neomezene",       "注意：0=制限なし"};
inline constexpr TextRow kCountryLabel = {"国家", "Country", "Land",   "maa",   "Nazione",
                                          "Pays", "Orszag",  "Drzava", " Zeme", "国名"};
inline constexpr TextRow kOperatorLabel = {"运营商",     "Operator", "Operateur", "operaattorit", "Operatori",
                                           "Operateurs", "Kezelok",  "Operater",  "Operater",     "通信会社"};
inline constexpr TextRow kAccountLabel = {"帐号",   "Account", "Konto", "tili", "Account",
                                          "Compte", "Fiok",    "Racun", "Ucet", "アカウント"};
inline constexpr TextRow kPasswordLabel = {"密码",         "Password", "Passwort", "salasana", "Password",
                                           "Mot de passe", "Jelszo",   "Geslo",    "Heslo",    "パスワード"};
inline constexpr TextRow kPhoneLabel = {"手机号码",     "Phone No",     "Telefonnummer", "puhelinnumero",
                                        "No. Telefono", "No telephone", "Telefonsz.",    "Telefonska stev.",
                                        "Tel. Cislo",   "電話"};
inline constexpr TextRow kRemoteControlLabel = {
    "短信远程控制",       "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
    "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
    "SMS Remote Control", "SMS Remote Control"};
// "Off": the last entry of the remote-control list, the first of the e-mail dialog's status list.
inline constexpr TextRow kOff = {"关闭",  "Off", "Aus",    "pois",    "OFF",
                                 "Arret", "Off", "Izklop", "Vypnuto", "オフ"};
inline constexpr TextRow kGenerate = {"生成配置文件", "Generate", "Generieren", "luo",       "Genera",
                                      "Creer",        "Letrehoz", "Generiraj",  "Generovat", "ファイル作成"};
inline constexpr TextRow kExit = {"退出",   "Exit",   "Back",  "poistu", "Indiet",
                                  "Retour", "Vissz.", "Nazaj", "Vystup", "終了"};

}  // namespace corvane::message_dialog_texts
