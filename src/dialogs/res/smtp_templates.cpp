#include "dialogs/res/smtp_templates.h"

#include "core/models/models.h"
#include "dialogs/res/family_template.h"

namespace corvane {
namespace {

using namespace family_template;

// The pictures-per-day label: two lines high, centred on the field's line, so that the longer captions
// ("kuvien maara / paiva", "N. immagine/data") wrap instead of being cut.
constexpr Row TwoLineLabel(FamilyIds ids, const char* text, Where at8620, Where at8520) {
    return {ControlKind::kLabel, ids, at8620, at8520, text, Style::kVCenter};
}
constexpr Row NumberEdit(FamilyIds ids, Where at8620, Where at8520) {
    return {ControlKind::kEdit, ids, at8620, at8520, "", Style::kAutoHScroll | kNumberField};
}
constexpr Row PasswordEdit(FamilyIds ids, Where at8620, Where at8520) {
    return {ControlKind::kEdit, ids, at8620, at8520, "", Style::kAutoHScroll | Style::kPassword};
}
// The ids of a control that differ between the families.
using Ids = SmtpFamilyIds;
constexpr PerFamily<Ids> Per{kSmtp8620Ids, kSmtp8520Ids};

// Country and operator lists wider than the classic layout, the operator list moved left, so that the
// longest preset names ("Ceska republika", "Pannon (contract)") show whole with Qt's drop-down arrow.
constexpr int kCountryWidth = 70;
constexpr int kOperatorLabelX = 147;
constexpr int kOperatorX = 201;
constexpr int kOperatorWidth = 75;

constexpr uint32_t kSmtpDialogStyle = DialogStyle::kSysMenu | DialogStyle::kMaximizeBox;

// Both templates, one row per control in creation order, which is the Tab order: from the top of the
// dialog down, so that it opens on its first list, as the camera and MMS dialogs do. Each row: ids (one
// for both, or {8620, 8520}), text, 8620 place, 8520 place (left out where it is the 8620 one; Down(n): the
// 8620 place n units lower). The 8520 template has no SMTP status list, lies lower from the pictures row
// down and gives the remote control and phone controls other ids.
// clang-format off
constexpr Row kSmtpRows[] = {
    GroupBox(1094,                "",            {11, 0, 267, 27}),
    Label(IDC_SMTP_MODE_LABEL,    "Static",      {18, 11, 51, 8}),
    List(IDC_SMTP_MODE,                          {72, 9, 62, 30}),
    Label(Per(&Ids::statusLabel), "SMTP Status", {153, 12, 51, 8},  kAbsent),
    List(Per(&Ids::status),                      {209, 10, 62, 80}, kAbsent),

    GroupBox(1095,                        "",       {11, 24, 267, 24}, {11, 25, 267, 24}),
    TwoLineLabel(IDC_SMTP_PICTURES_LABEL, "Static", {17, 29, 53, 16},  {17, 30, 53, 16}),
    NumberEdit(IDC_SMTP_PICTURES,                   {72, 32, 28, 14},  {72, 33, 28, 14}),
    Label(IDC_SMTP_NOTE,                  "Static", {119, 34, 107, 8}, {119, 35, 107, 8}),

    // the country and operator row lies lower in the 8520 template
    GroupBox(1096,                 "",       {12, 45, 266, 25},                    Down(3)),
    Label(IDC_SMTP_COUNTRY_LABEL,  "Static", {20, 56, 50, 8},                      Down(2)),
    List(IDC_SMTP_COUNTRY,                   {73, 55, kCountryWidth, 112},         Down(2)),
    Label(IDC_SMTP_OPERATOR_LABEL, "Static", {kOperatorLabelX, 56, 52, 8},         Down(2)),
    List(IDC_SMTP_OPERATOR,                  {kOperatorX, 54, kOperatorWidth, 79}, Down(2)),

    GroupBox({kNoId, 1131},              "",       {12, 70, 266, 28},  {12, 72, 263, 24}),
    Label(Per(&Ids::remoteControlLabel), "Static", {19, 80, 97, 8},    {15, 81, 73, 8}),
    List(Per(&Ids::remoteControl),                 {120, 78, 62, 112}, {95, 78, 48, 105}),
    Label(kNoId,                         "H",      {185, 81, 8, 8},    {150, 82, 10, 8}),

    GroupBox({kNoId, 1107},             "GPRS Setting", {13, 97, 265, 58},  {13, 99, 265, 63}),
    Label(IDC_SMTP_APN_LABEL,           "APN",          {19, 111, 48, 8},   {19, 117, 48, 8}),
    Edit(IDC_SMTP_APN,                                  {72, 106, 200, 14}, {72, 112, 200, 14}),
    Label(IDC_SMTP_ACCOUNT_LABEL,       "Static",       {19, 127, 48, 8},   {19, 133, 48, 8}),
    Edit(IDC_SMTP_ACCOUNT,                              {72, 122, 200, 14}, {72, 128, 200, 14}),
    Label(IDC_SMTP_GPRS_PASSWORD_LABEL, "Static",       {19, 143, 50, 8},   {19, 149, 50, 8}),
    Edit(IDC_SMTP_GPRS_PASSWORD,                        {72, 139, 200, 14}, {72, 145, 200, 14}),

    GroupBox(1104,                         "Sender", {13, 157, 265, 75}, {13, 162, 265, 73}),
    Label(IDC_SMTP_SERVER_LABEL,           "Static", {20, 168, 50, 8},   {20, 174, 50, 8}),
    Edit(IDC_SMTP_SERVER,                            {72, 165, 200, 14}, {72, 171, 200, 14}),
    Label(IDC_SMTP_PORT_LABEL,             "Static", {19, 186, 50, 8},   {19, 192, 50, 8}),
    Edit(IDC_SMTP_PORT,                              {72, 182, 200, 14}, {72, 188, 200, 14}),
    Label(IDC_SMTP_SENDER_LABEL,           "Static", {20, 201, 50, 8},   {20, 207, 50, 8}),
    Edit(IDC_SMTP_SENDER,                            {72, 198, 200, 14}, {72, 204, 200, 14}),
    Label(IDC_SMTP_SENDER_PASSWORD_LABEL,  "Static", {19, 216, 50, 8},   {19, 223, 50, 8}),
    PasswordEdit(IDC_SMTP_SENDER_PASSWORD,           {72, 214, 200, 14}, {72, 220, 200, 14}),

    GroupBox(1105,                  "Recipients", {13, 232, 266, 30}, {13, 237, 266, 28}),
    Label(IDC_SMTP_RECIPIENT_LABEL, "Static",     {19, 247, 50, 8},   {19, 250, 50, 8}),
    Edit(IDC_SMTP_RECIPIENT,                      {71, 244, 200, 14}, {71, 247, 200, 14}),

    GroupBox({kNoId, 1083},      "SMS",    {13, 262, 266, 26}, {13, 266, 263, 28}),
    Label(Per(&Ids::phoneLabel), "Static", {17, 272, 50, 8},   {18, 279, 51, 8}),
    Edit(Per(&Ids::phone),                 {71, 269, 201, 14}, {73, 276, 196, 14}),

    Button(IDC_SMTP_FOLDER_BUTTON, "Button", {16, 293, 50, 14},  {16, 303, 50, 14}),
    Button(IDC_SMTP_READ_FILE,     "",       {69, 293, 50, 14},  {69, 303, 50, 14}),
    Edit(IDC_SMTP_FOLDER,                    {122, 293, 149, 14}, {122, 303, 149, 14}),

    Button(IDC_SMTP_GENERATE,      "Button", {55, 312, 50, 14},  {55, 327, 50, 14}),
    // the test e-mail, between Generate and Exit, its progress on a line below them
    Button(IDC_SMTP_TEST_MAIL,     "Button", {110, 312, 61, 14}, {110, 327, 61, 14}),
    Button(IDCANCEL,               "Button", {176, 312, 50, 14}, {176, 327, 50, 14}),
    Label(IDC_SMTP_TEST_STATUS,    "",       {16, 330, 262, 8},  {16, 345, 262, 8}),
};
// clang-format on
static_assert(family_template::RowsAreSound(kSmtpRows));

}  // namespace

// Both templates are built on first use.
const DialogTemplate& SmtpDialogTemplate(ModelFamily family) {
    using family_template::BuildTemplate;
    static const DialogTemplate k8620 = BuildTemplate(
        {143, "Corvane 8620", 292, 342, kSmtpDialogStyle, "SimSun", 9, {}}, kSmtpRows, ModelFamily::k8620);
    static const DialogTemplate k8520 = BuildTemplate(
        {147, "Corvane 8520", 286, 357, kSmtpDialogStyle, "SimSun", 9, {}}, kSmtpRows, ModelFamily::k8520);
    return family == ModelFamily::k8620 ? k8620 : k8520;
}

}  // namespace corvane
