#include "dialogs/res/camera_templates.h"

#include "core/models/models.h"
#include "dialogs/res/family_template.h"

namespace corvane {
namespace {

using namespace family_template;

// The frames around the rows have no caption.
constexpr Row Frame(FamilyIds ids, Where at8620, Where at8520 = kSame) {
    return family_template::GroupBox(ids, "", at8620, at8520);
}
// The "Hour", "Min" and "Sec" labels above the time fields and the ":" between them.
constexpr Row Centred(FamilyIds ids, const char* text, Where at8620, Where at8520) {
    return {ControlKind::kLabel, ids, at8620, at8520, text, Style::kCenter};
}
constexpr Row Number(FamilyIds ids, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kEdit, ids, at8620, at8520, "", kNumberField};
}
constexpr Row ReadOnlyEdit(FamilyIds ids, Where at8620, Where at8520) {
    return {ControlKind::kEdit, ids, at8620, at8520, "", Style::kReadOnly | Style::kAutoHScroll};
}
// The ids of a control that differ between the families.
using Ids = CameraFamilyIds;
constexpr PerFamily<Ids> Per{kCamera8620Ids, kCamera8520Ids};

// Wider than the classic layout so that the longest entries of every language show whole with Qt's
// drop-down arrow and the wider fallback fonts ("Video-Kamera", "1440x1080", "01 Fenykep", "Vypnuto").
constexpr int kCameraModeWidth = 64;
constexpr int kPictureCountWidth = 56;
constexpr int kTimerWidth = 45;  // the timer on/off lists

constexpr uint32_t kCameraDialogStyle = DialogStyle::kSysMenu | DialogStyle::kMaximizeBox;

// Both templates, one row per control in creation order: ids (one for both, or {8620, 8520}), text, 8620
// place, 8520 place (left out where it is the 8620 one). The 8520 template has no beep and memory card
// cycle rows and lies higher from the clock row down; its timer 2 controls and some unit labels have other
// ids.
// clang-format off
constexpr Row kCameraRows[] = {
    // frames first, so that every control lies above them
    Frame(1065,          {8, 9, 130, 22}),
    Frame(1066,          {156, 9, 125, 22},   {156, 9, 124, 22}),
    Frame(1067,          {8, 34, 130, 22}),
    Frame(1068,          {156, 34, 125, 22},  {156, 34, 124, 22}),
    Frame(1069,          {8, 59, 130, 22}),
    Frame(1070,          {156, 59, 125, 22},  {156, 59, 124, 22}),
    Frame(1071,          {8, 84, 130, 22}),
    Frame(1072,          {156, 84, 125, 22},  {156, 84, 124, 22}),
    Frame(1073,          {8, 109, 130, 22}),
    Frame(1074,          {156, 109, 125, 22}, {156, 109, 124, 22}),
    Frame({1075, kNoId}, {8, 132, 130, 22},   kAbsent),
    Frame({1076, kNoId}, {156, 132, 125, 22}, kAbsent),
    Frame(kNoId,         {8, 156, 273, 22},   {8, 135, 272, 23}),  // clock
    Frame(kNoId,         {8, 180, 273, 32},   {8, 163, 272, 33}),  // timer 1
    Frame(kNoId,         {8, 216, 273, 34},   {8, 201, 272, 35}),  // timer 2
    Frame(kNoId,         {8, 251, 273, 21},   {8, 240, 272, 23}),  // serial number
    Frame(kNoId,         {8, 276, 273, 33},   {8, 269, 272, 34}),  // time lapse

    Label(IDC_CAMERA_MODE_LABEL,   "Camera Mode",  {14, 16, 50, 8}),
    List(IDC_CAMERA_MODE,                          {69, 14, kCameraModeWidth, 60}),
    Label(IDC_IMAGE_SIZE_LABEL,    "Image Size",   {163, 16, 57, 8}),
    List(IDC_IMAGE_SIZE,                           {221, 14, 48, 60}),
    Label(IDC_VIDEO_SIZE_LABEL,    "Video Size",   {14, 42, 51, 8}),
    List(IDC_VIDEO_SIZE,                           {69, 39, kCameraModeWidth, 60}),
    Label(IDC_PICTURE_COUNT_LABEL, "Picture No.",  {162, 42, 59, 8}),
    List(IDC_PICTURE_COUNT,                        {221, 39, kPictureCountWidth, 60}),
    Label(IDC_TIME_STAMP_LABEL,    "Time Stamp",   {14, 68, 51, 8}),
    List(IDC_TIME_STAMP,                           {69, 64, 48, 60}),
    Label(IDC_SENSE_LEVEL_LABEL,   "Sense Level",  {163, 69, 51, 8}),
    List(IDC_SENSE_LEVEL,                          {221, 64, 48, 60}),
    Label(IDC_SIDE_PIR_LABEL,      "Side Pir",     {14, 90, 51, 8}),
    List(IDC_SIDE_PIR,                             {69, 89, 48, 60}),
    Label(IDC_VIDEO_LENGTH_LABEL,  "Video Length", {160, 92, 60, 8}),
    Number(IDC_VIDEO_LENGTH,                       {221, 89, 26, 12}),
    Label(kNoId,                   "Sec",          {250, 91, 18, 8}),
    Label(IDC_INTERVAL_LABEL,      "Interval",     {14, 117, 51, 8}),
    List(IDC_INTERVAL_UNIT,                        {69, 114, 29, 60}),
    Number(IDC_INTERVAL,                           {101, 114, 19, 14}),
    Label(IDC_DATE_FORMAT_LABEL,   "Date Format",  {161, 117, 58, 8}),
    List(IDC_DATE_FORMAT,                          {219, 114, 48, 60}),
    Label(Per(&Ids::beepLabel),    "Beep Sound",   {13, 139, 51, 8},                  kAbsent),
    List(Per(&Ids::beep),                          {69, 136, 48, 60},                 kAbsent),
    Label(Per(&Ids::sdCycleLabel), "SD Cycle",     {161, 139, 51, 8},                 kAbsent),
    List(Per(&Ids::sdCycle),                       {219, 137, 48, 60},                kAbsent),

    Label(IDC_SET_CLOCK_LABEL,   "Set Clock", {14, 162, 51, 8},   {14, 143, 51, 8}),
    ReadOnlyEdit(IDC_CLOCK_TEXT,              {71, 160, 117, 14}, {71, 141, 117, 14}),
    Button(IDC_GET_TIME,         "GetTime",   {204, 160, 63, 14}, {204, 141, 63, 14}),

    Label(IDC_TIMER1_LABEL,         "Timer",  {14, 198, 54, 8},           {13, 182, 55, 8}),
    List(IDC_TIMER1,                          {70, 196, kTimerWidth, 60}, {70, 180, kTimerWidth, 60}),
    Label(IDC_TIMER1_START_LABEL,   "Start:", {91, 184, 27, 8},           {96, 168, 27, 8}),
    Centred(1118,                   "Hour",   {117, 185, 23, 8},          {123, 169, 23, 8}),
    Number(IDC_TIMER1_START_HOUR,             {117, 195, 23, 14},         {123, 179, 23, 14}),
    Centred(kNoId,                  ":",      {142, 198, 6, 8},           {148, 182, 6, 8}),
    Centred(1122,                   "Min",    {150, 185, 21, 8},          {156, 169, 21, 8}),
    Number(IDC_TIMER1_START_MINUTE,           {150, 195, 21, 14},         {156, 179, 21, 14}),
    Label(IDC_TIMER1_STOP_LABEL,    "Stop:",  {177, 184, 27, 8},          {179, 168, 27, 8}),
    Centred({1119, 1120},           "Hour",   {207, 184, 24, 8},          {207, 168, 24, 8}),
    Number(IDC_TIMER1_STOP_HOUR,              {207, 194, 24, 14},         {207, 178, 24, 14}),
    Centred(kNoId,                  ":",      {233, 197, 6, 8},           {233, 181, 6, 8}),
    Centred(1123,                   "Min",    {241, 184, 20, 8},          {241, 168, 20, 8}),
    Number(IDC_TIMER1_STOP_MINUTE,            {241, 194, 20, 14},         {241, 178, 20, 14}),

    Label(Per(&Ids::timer2Label),        "Timer",  {14, 235, 55, 8},           {13, 221, 55, 8}),
    List(Per(&Ids::timer2),                        {70, 233, kTimerWidth, 60}, {70, 219, kTimerWidth, 60}),
    Label(IDC_TIMER2_START_LABEL,        "Start:", {91, 221, 24, 8},           {96, 207, 27, 8}),
    Centred({1121, 1119},                "Hour",   {117, 223, 23, 8},          {123, 209, 23, 8}),
    Number(Per(&Ids::timer2StartHour),             {117, 233, 23, 14},         {123, 219, 23, 14}),
    Centred(kNoId,                       ":",      {142, 236, 6, 8},           {148, 222, 6, 8}),
    Centred({1125, 1124},                "Min",    {150, 223, 21, 8},          {156, 209, 21, 8}),
    Number(Per(&Ids::timer2StartMinute),           {150, 233, 21, 14},         {156, 219, 21, 14}),
    Label(IDC_TIMER2_STOP_LABEL,         "Stop:",  {177, 221, 27, 8},          {179, 207, 27, 8}),
    Centred({1120, 1121},                "Hour",   {207, 221, 24, 8},          {207, 207, 24, 8}),
    Number(Per(&Ids::timer2StopHour),              {207, 231, 24, 14},         {207, 217, 24, 14}),
    Centred(kNoId,                       ":",      {233, 234, 6, 8},           {233, 220, 6, 8}),
    Centred({1124, 1125},                "Min",    {241, 221, 20, 8},          {241, 207, 20, 8}),
    Number(Per(&Ids::timer2StopMinute),            {241, 231, 20, 14},         {241, 217, 20, 14}),

    Label(IDC_SERIAL_LABEL,    "Serial No.", {15, 257, 51, 8},   {15, 250, 51, 8}),
    List(IDC_SERIAL,                         {71, 255, 48, 60},  {71, 248, 48, 60}),
    List(IDC_SERIAL_CHAR1,                   {123, 254, 21, 60}, {123, 247, 21, 60}),
    List(IDC_SERIAL_CHAR1 + 1,               {151, 254, 21, 60}, {151, 247, 21, 60}),
    List(IDC_SERIAL_CHAR1 + 2,               {180, 254, 21, 60}, {180, 247, 21, 60}),
    List(IDC_SERIAL_CHAR1 + 3,               {208, 254, 21, 60}, {208, 247, 21, 60}),

    Label(IDC_TIME_LAPSE_LABEL,          "Time Lapse", {15, 293, 51, 8},   {15, 286, 51, 8}),
    List(IDC_TIME_LAPSE,                               {71, 292, 48, 60},  {71, 285, 48, 60}),
    Centred(1126,                        "Hour",       {135, 282, 22, 8},  {135, 275, 22, 8}),
    Number(IDC_TIME_LAPSE_HOUR,                        {135, 292, 22, 14}, {135, 285, 22, 14}),
    Centred(kNoId,                       ":",          {159, 295, 6, 8},   {159, 288, 6, 8}),
    Centred(1127,                        "Min",        {166, 282, 22, 8},  {166, 275, 22, 8}),
    Number(IDC_TIME_LAPSE_MINUTE,                      {166, 292, 22, 14}, {166, 285, 22, 14}),
    Centred(kNoId,                       ":",          {189, 295, 6, 8},   {189, 288, 6, 8}),
    Centred(IDC_TIME_LAPSE_SECOND_LABEL, "Sec",        {196, 282, 22, 8},  {196, 275, 22, 8}),
    Number(IDC_TIME_LAPSE_SECOND,                      {196, 292, 22, 14}, {196, 285, 22, 14}),

    Button(IDC_FOLDER_BUTTON, "", {12, 317, 50, 14},  {12, 308, 50, 14}),
    Button(IDC_READ_FILE,     "", {65, 317, 50, 14},  {65, 308, 50, 14}),
    Edit(IDC_OUTPUT_FOLDER,       {118, 316, 149, 14}, {118, 307, 149, 14}),

    DefButton(IDOK,              "OK",      {20, 338, 60, 14},  {20, 328, 60, 14}),
    Button(IDC_FACTORY_SETTINGS, "Button1", {103, 338, 62, 14}, {103, 328, 62, 14}),
    Button(IDCANCEL,             "Cancel",  {185, 338, 60, 14}, {185, 328, 60, 14}),
};
// clang-format on
static_assert(family_template::RowsAreSound(kCameraRows));

}  // namespace

// Both templates are built on first use.
const DialogTemplate& CameraDialogTemplate(ModelFamily family) {
    using family_template::BuildTemplate;
    static const DialogTemplate k8620 =
        BuildTemplate({140, "Corvane 8620", 289, 355, kCameraDialogStyle, "SimSun", 9, {}}, kCameraRows,
                      ModelFamily::k8620);
    static const DialogTemplate k8520 =
        BuildTemplate({129, "Corvane 8520", 288, 348, kCameraDialogStyle, "SimSun", 9, {}}, kCameraRows,
                      ModelFamily::k8520);
    return family == ModelFamily::k8620 ? k8620 : k8520;
}

}  // namespace corvane
