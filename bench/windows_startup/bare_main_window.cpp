// A bare Win32 program of the same shape as corvane.exe's main window (template 102: its controls, sizes
// and font, its language and model lists filled), with nothing of the project: the floor that corvane.exe's
// start-up is measured against, and a stand-in for checking the Wine harness (prefix, CJK font, Xvfb,
// keyboard and mouse) without the real program.
//
//   corvane_bare_main_window.exe [--lang en|zh|ja]
//
// The window is built as an in-memory DLGTEMPLATEEX and run with DialogBoxIndirectParamW, as the Win32
// backend of the framework does. A click on one of the three setup buttons prints
//   setup=<camera|mms|smtp> language=<list entry> model=<list entry> font="<face>" missing_glyphs=N
//   clipped=<control ids|none>
// on the standard output (UTF-8) and ends the program, so that a harness test can tell that its keys and
// clicks arrived and that the dialog font shows every text whole.

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

namespace {

#ifndef CORVANE_BARE_VERSION
#define CORVANE_BARE_VERSION "1.2.27"
#endif
#define WIDEN2(x) L##x
#define WIDEN(x) WIDEN2(x)

constexpr int kCameraSetup = 1000;
constexpr int kMmsSetup = 1001;
constexpr int kSmtpSetup = 1002;
constexpr int kUpdateLink = 1076;
constexpr int kVersion = 1077;
constexpr int kLanguageLabel = 1078;
constexpr int kModelLabel = 1079;
constexpr int kLanguageList = 1080;
constexpr int kModelList = 1081;
constexpr DWORD kNoId = 0xFFFFFFFF;  // labels and frames nobody addresses

// The main window's texts in one language.
struct Texts {
    const wchar_t* camera;
    const wchar_t* mms;
    const wchar_t* smtp;
    const wchar_t* link;
    const wchar_t* version;
    const wchar_t* languageLabel;
    const wchar_t* modelLabel;
    const wchar_t* firstLanguageEntry;
};

constexpr Texts kEnglish = {L"Camera Setup",
                            L"MMS Setup",
                            L"Smtp Setup",
                            L"Click here to get the latest updates",
                            L"Version:" WIDEN(CORVANE_BARE_VERSION),
                            L"Select Language",
                            L"Camera Model",
                            L"Chinese"};
constexpr Texts kChinese = {
    L"相机设置", L"彩信设置", L"SMTP设置", L"获取最新版本程序更新", L"程序版本:" WIDEN(CORVANE_BARE_VERSION),
    L"选择语言", L"机器型号", L"中文"};
constexpr Texts kJapanese = {L"本体設定",
                             L"MMS設定",
                             L"SMTP設定",
                             L"Click here to get the latest updates",
                             L"Version:" WIDEN(CORVANE_BARE_VERSION),
                             L"Select Language",
                             L"Camera Model",
                             L"Chinese"};

const wchar_t* const kLanguageEntries[] = {nullptr,     L"English", L"Deutsch",   L"Suomi", L"Italiano",
                                           L"Francais", L"Magyar",  L"Slovensko", L"Cesky", L"Japanese"};
const wchar_t* const kModelEntries[] = {L"Vyn 8520M", L"Vyn 8620M", L"Vyn 8520MG", L"Vyn 8620MG"};

struct State {
    const Texts* texts = &kEnglish;
    int language = 1;  // list position
};

// DLGTEMPLATEEX and DLGITEMTEMPLATEEX are variable-length records of WORDs, each item DWORD-aligned.
class TemplateWriter {
  public:
    void Word(WORD w) { data_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const wchar_t* text) {
        for (; *text != 0; ++text) {
            Word(static_cast<WORD>(*text));
        }
        Word(0);
    }
    void AlignDword() {
        if (data_.size() % 2 != 0) {
            Word(0);
        }
    }
    void Control(DWORD id, WORD windowClass, DWORD style, short x, short y, short cx, short cy,
                 const wchar_t* text) {
        AlignDword();
        Dword(0);  // help id
        Dword(0);  // extended style
        Dword(style | WS_CHILD | WS_VISIBLE);
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Dword(id);
        Word(0xFFFF);  // predefined class by atom
        Word(windowClass);
        Text(text);
        Word(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

  private:
    std::vector<WORD> data_;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;
constexpr WORD kComboBox = 0x0085;

void BuildMainTemplate(TemplateWriter& t) {
    t.Word(1);       // dlgVer
    t.Word(0xFFFF);  // signature: DLGTEMPLATEEX
    t.Dword(0);      // help id
    t.Dword(WS_EX_APPWINDOW);
    t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE);
    t.Word(11);  // controls
    t.Word(0);
    t.Word(0);
    t.Word(354);
    t.Word(170);
    t.Word(0);  // no menu
    t.Word(0);  // predefined dialog class
    t.Text(L"Corvane");
    t.Word(9);    // points
    t.Word(400);  // weight
    t.Word(0);    // italic, charset
    t.Text(L"SimSun");

    t.Control(kVersion, kStatic, SS_CENTER, 112, 3, 108, 8, L"Static");
    t.Control(kNoId, kStatic, SS_GRAYFRAME | SS_SUNKEN, 26, 19, 294, 45, L"");
    t.Control(kLanguageLabel, kStatic, SS_CENTER, 29, 37, 68, 8, L"Static");
    t.Control(kLanguageList, kComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 101, 34, 64, 118, L"");
    t.Control(kModelLabel, kStatic, SS_CENTER, 172, 37, 72, 8, L"Static");
    t.Control(kModelList, kComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 252, 33, 56, 112, L"");
    t.Control(kNoId, kStatic, SS_GRAYFRAME | SS_SUNKEN, 25, 80, 295, 63, L"");
    t.Control(kCameraSetup, kButton, BS_PUSHBUTTON | WS_TABSTOP, 36, 94, 84, 39, L"Button1");
    t.Control(kMmsSetup, kButton, BS_PUSHBUTTON | WS_TABSTOP, 132, 94, 84, 39, L"Button2");
    t.Control(kSmtpSetup, kButton, BS_PUSHBUTTON | WS_TABSTOP, 228, 93, 84, 39, L"Button3");
    t.Control(kUpdateLink, kButton, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | WS_TABSTOP, 69, 146, 201, 14,
              L"Button4");
}

void SetTexts(HWND dialog, const State& state) {
    const Texts& texts = *state.texts;
    SetDlgItemTextW(dialog, kCameraSetup, texts.camera);
    SetDlgItemTextW(dialog, kMmsSetup, texts.mms);
    SetDlgItemTextW(dialog, kUpdateLink, texts.link);
    SetDlgItemTextW(dialog, kVersion, texts.version);
    SetDlgItemTextW(dialog, kLanguageLabel, texts.languageLabel);
    SetDlgItemTextW(dialog, kModelLabel, texts.modelLabel);
    SetDlgItemTextW(dialog, kSmtpSetup, texts.smtp);

    const HWND list = GetDlgItem(dialog, kLanguageList);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* entry : kLanguageEntries) {
        SendMessageW(list, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(entry != nullptr ? entry : texts.firstLanguageEntry));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(state.language), 0);
}

std::wstring ListText(HWND dialog, int id) {
    const HWND list = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return L"none";
    }
    std::wstring text(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, index, 0)), L'\0');
    SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

// What the harness checks about the fonts: the face the dialog font resolved to, how many characters of the
// control texts it has no glyph for, and the controls whose text is wider than the control.
std::string FontReport(HWND dialog) {
    const HDC dc = GetDC(dialog);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    // The family of the font file in use: GetTextFace answers the name asked for, also when substituted.
    std::wstring face = L"none";
    if (const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr); size != 0) {
        std::vector<char> buffer(size);
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (GetOutlineTextMetricsW(dc, size, metrics) != 0) {
            face = reinterpret_cast<const wchar_t*>(buffer.data() +
                                                    reinterpret_cast<uintptr_t>(metrics->otmpFamilyName));
        }
    }
    int missing = 0;
    std::string clipped;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(child)), L'\0');
        GetWindowTextW(child, text.data(), static_cast<int>(text.size()) + 1);
        if (text.empty()) {
            continue;
        }
        std::vector<WORD> glyphs(text.size());
        GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS);
        for (const WORD glyph : glyphs) {
            missing += glyph == 0xFFFF ? 1 : 0;
        }
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        RECT box{};
        GetClientRect(child, &box);
        if (extent.cx > box.right - box.left || extent.cy > box.bottom - box.top) {
            clipped.append(clipped.empty() ? "" : ",").append(std::to_string(GetDlgCtrlID(child)));
        }
    }
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    std::string report = "font=\"";
    report.append(Utf8(face)).append("\" missing_glyphs=").append(std::to_string(missing));
    report.append(" clipped=").append(clipped.empty() ? "none" : clipped);
    return report;
}

// UTF-8 bytes as they are, whatever the console's code page.
void ReportSetup(HWND dialog, const char* setup) {
    std::string line = "setup=";
    line.append(setup).append(" language=").append(Utf8(ListText(dialog, kLanguageList)));
    line.append(" model=").append(Utf8(ListText(dialog, kModelList)));
    line.append(" ").append(FontReport(dialog)).append("\n");
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
              nullptr);
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<State*>(lParam);
            SetWindowTextW(dialog, L"Corvane");
            SetTexts(dialog, *state);
            const HWND models = GetDlgItem(dialog, kModelList);
            for (const wchar_t* entry : kModelEntries) {
                SendMessageW(models, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
            }
            SendMessageW(models, CB_SETCURSEL, 0, 0);
            EnableWindow(GetDlgItem(dialog, kSmtpSetup), FALSE);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (id == kModelList && code == CBN_SELCHANGE) {
                // Only the MG models send e-mail.
                const LRESULT model = SendDlgItemMessageW(dialog, kModelList, CB_GETCURSEL, 0, 0);
                EnableWindow(GetDlgItem(dialog, kSmtpSetup), model >= 2);
            } else if (id == kLanguageList && code == CBN_SELCHANGE) {
                state->language =
                    static_cast<int>(SendDlgItemMessageW(dialog, kLanguageList, CB_GETCURSEL, 0, 0));
                state->texts = state->language == 0   ? &kChinese
                               : state->language == 9 ? &kJapanese
                                                      : &kEnglish;
                SetTexts(dialog, *state);
            } else if (code == BN_CLICKED && (id == kCameraSetup || id == kMmsSetup || id == kSmtpSetup)) {
                ReportSetup(dialog, id == kCameraSetup ? "camera" : id == kMmsSetup ? "mms" : "smtp");
                EndDialog(dialog, IDOK);
            } else if (id == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        }
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC: {
            // The program's dialog colour, as corvane.exe paints it.
            static const HBRUSH background = CreateSolidBrush(RGB(111, 153, 224));
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(background);
        }
        default:
            return FALSE;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    State state;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wcscmp(argv[i], L"--lang") == 0) {
            const std::wstring lang = argv[++i];
            if (lang == L"zh") {
                state.texts = &kChinese;
                state.language = 0;
            } else if (lang == L"ja") {
                state.texts = &kJapanese;
                state.language = 9;
            }
        }
    }
    TemplateWriter main;
    BuildMainTemplate(main);
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), main.Get(), nullptr, MainProc,
                                                   reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? 0 : 1;
}
