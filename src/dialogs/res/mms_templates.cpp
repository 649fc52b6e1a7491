#include "dialogs/res/mms_templates.h"

#include "core/models/models.h"
#include "dialogs/res/family_template.h"

namespace corvane {
namespace {

using namespace family_template;

// Wider than the classic layout so that the Japanese mode label and the longest preset names ("Ceska
// republika", "Vodafone Prepay") show whole with Qt's drop-down arrow and the fallback fonts.
constexpr int kModeLabelWidth = 58;
constexpr int kCountryListWidth = 75;
constexpr int kOperatorListWidth = 72;
// The 8520 hours list, wide enough for "Vypnuto" beside Qt's arrow.
constexpr int kHours8520Width = 46;
// Account and password labels as wide as the other field labels ("Mot de passe"); the "Phone NO 03" label
// as wide as the "Phone NO 02" one, clear of the field at 81.
constexpr int kFieldLabelWidth = 59;

constexpr Row CentredEdit(FamilyIds ids, Where at8620, Where at8520 = kSame) {
    return {ControlKind::kEdit, ids, at8620, at8520, "", Style::kCenter | Style::kAutoHScroll};
}
// The ids of a control that differ between the families.
using Ids = MmsFamilyIds;
constexpr PerFamily<Ids> Per{kMms8620Ids, kMms8520Ids};

// The 8520 template lies lower from the URL row down.
constexpr Where kFieldRows8520 = Down(2);
constexpr Where kFolderRow8520 = Down(7);
constexpr Where kButtons8520 = Down(9);

constexpr uint32_t kMmsDialogStyle = DialogStyle::kSysMenu;

// Both templates, one row per control in creation order: ids (one for both, or {8620, 8520}), text, 8620
// place, 8520 place (left out where it is the 8620 one; Down(n): the 8620 place n units lower). The two
// differ in the frames and the remote control row.
// clang-format off
constexpr Row kMmsRows[] = {
    // frames first, so that every control lies above them
    GroupBox(IDC_MMS_FRAME, "MMS", {3, 3, 285, 340},   {3, 3, 285, 353}),
    GroupBox(kNoId,         "",    {12, 28, 269, 24}),
    GroupBox(kNoId,         "",    {12, 49, 269, 28}),
    GroupBox({1083, kNoId}, "",    {12, 75, 269, 24},  {12, 75, 268, 25}),
    GroupBox(kNoId,         "",    {12, 98, 269, 206}, {13, 99, 267, 210}),

    Label(IDC_MMS_MODE_LABEL,     "MMS Mode",         {12, 14, kModeLabelWidth, 8}),
    List(IDC_MMS_MODE,                                {70, 12, 60, 60}),
    Label(IDC_MMS_SEND_LABEL,     "MMS Send",         {150, 14, 56, 8}),
    List(IDC_MMS_SEND,                                {208, 12, 60, 60}),
    Label(IDC_MMS_PICTURES_LABEL, "Picture No./ day", {24, 37, 75, 8}),
    CentredEdit(IDC_MMS_PICTURES,                     {106, 34, 23, 14}),
    Label(IDC_MMS_PICTURES_NOTE,  "Static",           {151, 35, 112, 8}),
    Label(IDC_MMS_COUNTRY_LABEL,  "State",            {23, 59, 47, 8}),
    List(IDC_MMS_COUNTRY,                             {71, 58, kCountryListWidth, 102}),
    Label(IDC_MMS_OPERATOR_LABEL, "Operators",        {150, 59, 53, 8}),
    List(IDC_MMS_OPERATOR,                            {206, 58, kOperatorListWidth, 128}),

    // the 8520 template has its "H" fixed, without an id, and creates it before the hours list
    Label(Per(&Ids::hoursLabel), "SMS Remote Control", {17, 85, 88, 12},   {15, 86, 90, 8}),
    Label(kNoId,                 "H",                  kAbsent,            {160, 86, 11, 8}),
    List(Per(&Ids::hoursList),                         {109, 82, 60, 102}, {111, 83, kHours8520Width, 97}),
    Label(Per(&Ids::hoursUnit),  "H",                  {177, 84, 8, 8},    kAbsent),

    Label(IDC_MMS_URL_LABEL,      "URL",         {20, 109, 37, 8},               kFieldRows8520),
    Edit(IDC_MMS_URL,                            {81, 107, 186, 14},             kFieldRows8520),
    List(IDC_MMS_APN_TYPE,                       {19, 127, 51, 60},              kFieldRows8520),
    Edit(IDC_MMS_APN,                            {81, 127, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_GATEWAY_LABEL,  "GateWay",     {20, 149, 59, 8},               kFieldRows8520),
    Edit(IDC_MMS_GATEWAY,                        {81, 147, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_PORT_LABEL,     "Port",        {20, 169, 59, 8},               kFieldRows8520),
    Edit(IDC_MMS_PORT,                           {81, 167, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_PHONE_LABEL,    "Phone NO",    {20, 189, 61, 8},               kFieldRows8520),
    Edit(IDC_MMS_PHONE,                          {81, 187, 118, 14},             kFieldRows8520),
    List(IDC_MMS_PHONE_TYPE,                     {206, 187, 60, 60},             kFieldRows8520),
    Label(IDC_MMS_EMAIL_LABEL,    "Email",       {20, 209, 59, 8},               kFieldRows8520),
    Edit(IDC_MMS_EMAIL,                          {81, 207, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_ACCOUNT_LABEL,  "Account",     {20, 229, kFieldLabelWidth, 8}, kFieldRows8520),
    Edit(IDC_MMS_ACCOUNT,                        {81, 227, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_PASSWORD_LABEL, "Password",    {20, 249, kFieldLabelWidth, 8}, kFieldRows8520),
    Edit(IDC_MMS_PASSWORD,                       {81, 247, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_PHONE2_LABEL,   "Phone NO 02", {20, 269, 60, 8},               kFieldRows8520),
    Edit(IDC_MMS_PHONE2,                         {81, 267, 186, 14},             kFieldRows8520),
    Label(IDC_MMS_PHONE3_LABEL,   "Phone NO 03", {20, 289, 60, 8},               kFieldRows8520),
    Edit(IDC_MMS_PHONE3,                         {81, 287, 186, 14},             kFieldRows8520),

    Button(IDC_MMS_FOLDER_BUTTON, "Button1", {19, 306, 50, 14},  kFolderRow8520),
    Button(IDC_MMS_READ_FILE,     "",        {72, 306, 50, 14},  kFolderRow8520),
    Edit(IDC_MMS_FOLDER,                     {125, 307, 142, 14}, kFolderRow8520),

    DefButton(IDOK,  "OK",     {71, 326, 50, 14},  kButtons8520),
    Button(IDCANCEL, "Cancel", {174, 325, 50, 14}, kButtons8520),
};
// clang-format on
static_assert(family_template::RowsAreSound(kMmsRows));

}  // namespace

// Both templates are built on first use.
const DialogTemplate& MmsDialogTemplate(ModelFamily family) {
    using family_template::BuildTemplate;
    static const DialogTemplate k8620 = BuildTemplate(
        {142, "Corvane 8620", 292, 346, kMmsDialogStyle, "SimSun", 9, {}}, kMmsRows, ModelFamily::k8620);
    static const DialogTemplate k8520 = BuildTemplate(
        {130, "Corvane 8520", 292, 358, kMmsDialogStyle, "SimSun", 9, {}}, kMmsRows, ModelFamily::k8520);
    return family == ModelFamily::k8620 ? k8620 : k8520;
}

}  // namespace corvane
