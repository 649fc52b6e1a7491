#include "core/l10n/camera_texts.h"

#include "core/l10n/text_row.h"
#include "core/models/models.h"

namespace corvane {
namespace {

// Captions, by the role of the control.
constexpr TextRow kCameraModeCaption = {"模式", "Mode", "Modus", "kuvaustila", "Modo",
                                        "Mode", "Mod",  "Nacin", "Rezim",      "モード"};
constexpr TextRow kImageSizeCaption = {"图象尺寸",    "Image Size",   "Foto-Groesse", "kuvan koko",
                                       "Dim. foto",   "Taille photo", "Fenykepmer.",  "Velikost slike",
                                       "Rozlis.foto", "静止画解像度"};
constexpr TextRow kVideoSizeCaption = {"录像尺寸",     "Video Size",   "Video-Groesse", "videon koko",
                                       "Dim. video",   "Taille video", "Video meret",   "Velikost videa",
                                       "Rozlis.video", "動画解像度"};
constexpr TextRow kPictureCountCaption = {"拍摄张数",     "Picture No.",  "Fot Nummer", "kuvien lkm",
                                          "Foto no.",     "Numero photo", "Fenykepsz.", "Stev. slike",
                                          "Poc. Zaznamu", "連続撮影"};
constexpr TextRow kTimeStampCaption = {"时间戳",        "Time Stamp",    "Zeit Stempel", "aikaleima",
                                       "Data/ora",      "Tampon temps",  "Idobelyeg.",   "Casovni zig",
                                       "Otisk dat/cas", "タイムスタンプ"};
constexpr TextRow kSenseLevelCaption = {"灵敏度",        "Sense Level",    "Sensor Sensib.", "herkkyystaso",
                                        "Sensore sens.", "Sensib capteur", "Erzekelo erz.",  "Obcut. senzor.",
                                        "Citlivost PIR", "センサー感度"};
constexpr TextRow kSidePirCaption = {"侧面PIR",   "Side PIR",       "Seiten-BM",   "sivutunnistin",
                                     "PIR lat.",  "Det. IR passif", "Oldal. PIVD", "Strani PIRD",
                                     "Postr.Pir", "サイドセンサー"};
constexpr TextRow kVideoLengthCaption = {"录像长度",     "Video Length",   "Video-laenge", "videon pituus",
                                         "Lungh. video", "Long. de video", "Video hossz",  "Dolzina slike",
                                         "Delka video",  "動画撮影時間"};
constexpr TextRow kIntervalCaption = {"间隔时间",   "Interval", "Intervall", "ottoviive", "Intervallo",
                                      "Intervalle", "Interval", "Interval",  "Prodleva",  "インターバル"};
constexpr TextRow kDateFormatCaption = {"时间格式",     "Date Format", "Datumsformat",   "pvm muoto",
                                        "Formato data", "Date Format", "Datum formatum", "Format datuma",
                                        "Format Data",  "日時表示"};
constexpr TextRow kSetClockCaption = {"设置时间",    "Set Clock",      "Uhr stellen", "aseta kello",
                                      "Imposta ora", "Regler horloge", "Uraollitos",  "Nastav. ure",
                                      "Datum a cas", "日時設定"};
constexpr TextRow kGetTimeCaption = {"获取时间",     "Get Time",      "Uhrzeit anfragen", "Hae aika",
                                     "Prel. Ora",    "Obtenir heure", "Idot szerez",      "Pridobi uro",
                                     "Nastavit cas", "PC時間反映"};
constexpr TextRow kTimer1Caption = {"定时设置", "Timer",     "Zeitschaltuhr", "ajastinkytkin",
                                    "Timer",    "Minuterie", "Idokapcs. ora", "Merilnik casa",
                                    "Casovac",  "タイマー"};
constexpr TextRow kTimer2Caption = {"定时设置2", "Timer2",     "Zeitschaltuhr2", "ajastinkytkin2",
                                    "Timer2",    "Minuterie2", "Idokapcs. ora2", "Merilnik casa2",
                                    "Casovac2",  "タイマー2"};
constexpr TextRow kTimer1StartCaption = {
    "开始:", "Start:", "Start:", "Start:", "Avvio:", "Start:", "Start:", "Zacetek:", "Start:", "開始:"};
constexpr TextRow kTimer1StopCaption = {
    "停止:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "終了:"};
constexpr TextRow kSerialNumberCaption = {"序列号",       "Serial No.",  "Kd.Serien Nr.", "aseta srj.n:o",
                                          "No. di serie", "No de serie", "Sorsz.",        "Serijska stev.",
                                          "Por.cislo",    "任意文字挿入"};
constexpr TextRow kTimeLapseCaption = {"定时拍摄",    "Time Lapse",  "Zeitraffer", "ajastin kuvaus",
                                       "Eff. accel.", "Accelere",    "Idolass.",   "Hitro predv.",
                                       "Casosber",    "タイムラプス"};
constexpr TextRow kFolderButtonCaption = {"选择目录", "Select",    "Auswahl", "valitse", "Seleziona",
                                          "Choix",    "Kivalaszt", "Select",  "Vybrat",  "フォルダ選択"};
constexpr TextRow kGenerateCaption = {"生成配置文件", "Generate", "Generieren", "luo",       "Invio",
                                      "Creer",        "Enter",    "Enter",      "Generovat", "ファイル作成"};
constexpr TextRow kFactoryDefaultsCaption = {
    "出厂设置",      "Default",      "Werkseinstell.", "oletusasetus.", "Imp. fabbrica.",
    "Reglage usine", "Gyari beall.", "Default",        "Reset",         "初期設定"};
constexpr TextRow kExitCaption = {"退出",   "Exit",   "Beenden", "poistu", "Indiet",
                                  "Retour", "Vissz.", "Nazaj",   "Vystup", "終了"};
// Japanese only; the other languages keep the template's "Start:", "Stop:", "Hour", "Min", "Sec".
constexpr TextRow kTimer2StartCaption = {"", "", "", "", "", "", "", "", "", "開始:"};
constexpr TextRow kTimer2StopCaption = {"", "", "", "", "", "", "", "", "", "終了:"};
constexpr TextRow kHourLabelCaption = {"", "", "", "", "", "", "", "", "", "時"};
constexpr TextRow kMinuteLabelCaption = {"", "", "", "", "", "", "", "", "", "分"};
constexpr TextRow kSecondLabelCaption = {"", "", "", "", "", "", "", "", "", "秒"};

// Entries of the language-dependent lists, in index order (the index is what the camera stores).
constexpr std::array<TextRow, 3> kCameraModeEntries = {{
    // photo, video, photo and video
    {"Camera", "Camera", "Foto-Kamera", "Kamera", "Foto", "Photo", "Camera", "Slika", "Foto", "静止画"},
    {"Video", "Video", "Video-Kamera", "Video", "Video", "Video", "Video", "Video", "Video", "動画"},
    {"Camera+Video", "Camera+Video", "Foto+Video", "kam+Video", "Foto e video", "Photo+Video", "Camera+Video",
     "Camera+Video", "Foto+Video", "静止画+動画"},
}};
constexpr std::array<TextRow, 3> kPictureCountEntries = {{
    // 1, 2, 3 pictures
    {"01 张", "01 Photo", "01 Foto", "01 kuvaa", "01 Foto", "01 Photo", "01 Fenykep", "01 Slika", "01 Foto",
     "01 Photo"},
    {"02 张", "02 Photo", "02 Foto", "02 kuvaa", "02 Foto", "02 Photo", "02 Fenykep", "02 Slika", "02 Foto",
     "02 Photo"},
    {"03 张", "03 Photo", "03 Foto", "03 kuvaa", "03 Foto", "03 Photo", "03 Fenykep", "03 Slika", "03 Foto",
     "03 Photo"},
}};
constexpr std::array<TextRow, 2> kTimeStampEntries = {{
    // on, off
    {"开", "On", "Ein", "paalla", "ON", "Marche", "Be", "Vklop", "Zapnuto", "オン"},
    {"关", "Off", "Aus", "pois", "OFF", "Arret", "Off", "Izklop", "Vypnuto", "オフ"},
}};
constexpr std::array<TextRow, 2> kTimeLapseEntries = {{
    // on, off
    {"开", "On", "Ein", "paalla", "ON", "Marche", "Be", "Vklop", "Zapnuto", "オン"},
    {"关", "Off", "Aus", "pois", "OFF", "Arret", "Ki", "Izklop", "Vypnuto", "オフ"},
}};
constexpr std::array<TextRow, 4> kSenseLevelEntries = {{
    // normal, high, low, off
    {"正常", "Normal", "Normal", "normaali", "Normale", "Normal", "Normul", "Normalno", "Normalni", "中"},
    {"高", "High", "Hoch", "korkea", "Alta", "Eleve", "Magas", "Visoko", "Vsoka", "高"},
    {"低", "Low", "Niedring", "matala", "Bassa", "Bas", "Alacsony", "Nizko", "Nizka", "低"},
    {"关闭", "Off", "Aus", "pois", "OFF", "Arret", "Ki", "Izklop", "Vypnuto", "オフ"},
}};
constexpr std::array<TextRow, 2> kOffOnEntries = {{
    // off, on
    {"关", "Off", "Aus", "pois", "OFF", "Arret", "Ki", "Izklop", "Vypnuto", "オフ"},
    {"开", "On", "Ein", "paalla", "ON", "Marche", "Be", "Vklop", "Zapnuto", "オン"},
}};
constexpr std::array<TextRow, 2> kIntervalUnitEntries = {{
    // seconds, minutes
    {"秒", "Sec", "Sek", "s", "sec.", "Sec", "mp", "Sek", "Sec", "秒"},
    {"分", "Min", "Min", "min.", "min.", "Min", "prec", "Min", "Min", "分"},
}};
constexpr std::array<TextRow, 3> kDateFormatEntries = {{
    // year-month-day, month-day-year, day-month-year
    {"年月日", "YYMMDD", "YYMMDD", "VVKKPP", "YYMMDD", "YYMMDD", "YYMMDD", "YYMMDD", "RRMMDD", "YYMMDD"},
    {"月日年", "MMDDYY", "MMDDYY", "KKPPVV", "MMDDYY", "MMDDYY", "MMDDYY", "MMDDYY", "MMDDRR", "MMDDYY"},
    {"日月年", "DDMMYY", "DDMMYY", "PPKKVV", "DDMMYY", "DDMMYY", "DDMMYY", "DDMMYY", "DDMMRR", "DDMMYY"},
}};

constexpr std::array<std::string_view, 3> kImageSizes8620 = {"12MP", "5MP", "2MP"};
constexpr std::array<std::string_view, 3> kImageSizes8520 = {"5MP", "12MP", "1.3MP"};
constexpr std::array<std::string_view, 3> kVideoSizes8620 = {"1440x1080", "1280x720", "640x480"};
constexpr std::array<std::string_view, 2> kVideoSizes8520 = {"640x480", "320x240"};

constexpr std::array<std::string_view, 36> kSerialCharacters = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F", "G", "H",
    "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

}  // namespace

CameraTexts CameraDialogTexts(int32_t language, ModelFamily family) {
    CameraTexts texts{
        CameraCaptions{
            .cameraMode = TextIn(kCameraModeCaption, language),
            .imageSize = TextIn(kImageSizeCaption, language),
            .videoSize = TextIn(kVideoSizeCaption, language),
            .pictureCount = TextIn(kPictureCountCaption, language),
            .timeStamp = TextIn(kTimeStampCaption, language),
            .senseLevel = TextIn(kSenseLevelCaption, language),
            .sidePir = TextIn(kSidePirCaption, language),
            .videoLength = TextIn(kVideoLengthCaption, language),
            .interval = TextIn(kIntervalCaption, language),
            .dateFormat = TextIn(kDateFormatCaption, language),
            .setClock = TextIn(kSetClockCaption, language),
            .getTime = TextIn(kGetTimeCaption, language),
            .timer1 = TextIn(kTimer1Caption, language),
            .timer2 = TextIn(kTimer2Caption, language),
            .timer1Start = TextIn(kTimer1StartCaption, language),
            .timer1Stop = TextIn(kTimer1StopCaption, language),
            .serialNumber = TextIn(kSerialNumberCaption, language),
            .timeLapse = TextIn(kTimeLapseCaption, language),
            .folderButton = TextIn(kFolderButtonCaption, language),
            .generate = TextIn(kGenerateCaption, language),
            .factoryDefaults = TextIn(kFactoryDefaultsCaption, language),
            .exit = TextIn(kExitCaption, language),
            .timer2Start = TextIn(kTimer2StartCaption, language),
            .timer2Stop = TextIn(kTimer2StopCaption, language),
            .hourLabel = TextIn(kHourLabelCaption, language),
            .minuteLabel = TextIn(kMinuteLabelCaption, language),
            .secondLabel = TextIn(kSecondLabelCaption, language),
        },
        CameraListTexts{
            .cameraMode = EntriesIn(kCameraModeEntries, language),
            .pictureCount = EntriesIn(kPictureCountEntries, language),
            .timeStamp = EntriesIn(kTimeStampEntries, language),
            .timeLapse = EntriesIn(kTimeLapseEntries, language),
            .senseLevel = EntriesIn(kSenseLevelEntries, language),
            .offOn = EntriesIn(kOffOnEntries, language),
            .intervalUnit = EntriesIn(kIntervalUnitEntries, language),
            .dateFormat = EntriesIn(kDateFormatEntries, language),
        },
    };
    if (DisplayLanguage(language) == kSlovenian && family == ModelFamily::k8520) {
        texts.captions.folderButton = "Izberi";
        texts.lists.intervalUnit = {"Sek.", "Min."};
    }
    return texts;
}

std::span<const std::string_view> ImageSizeEntries(ModelFamily family) {
    if (family == ModelFamily::k8620) {
        return kImageSizes8620;
    }
    return kImageSizes8520;
}

std::span<const std::string_view> VideoSizeEntries(ModelFamily family) {
    if (family == ModelFamily::k8620) {
        return kVideoSizes8620;
    }
    return kVideoSizes8520;
}

std::span<const std::string_view, 36> SerialCharacterEntries() {
    return kSerialCharacters;
}

}  // namespace corvane
