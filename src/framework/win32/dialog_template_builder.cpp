#include "framework/dialog_template_builder.h"

#include "framework/wide.h"
#include "framework/win32_api.h"

namespace corvane::win32 {

namespace {

// Appends 16-bit words and 32-bit words to a byte stream, and aligns it.
class TemplateWriter {
  public:
    void Word(uint16_t value) {
        bytes_.push_back(static_cast<uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<uint8_t>(value >> 8));
    }
    void Dword(uint32_t value) {
        Word(static_cast<uint16_t>(value & 0xFFFF));
        Word(static_cast<uint16_t>(value >> 16));
    }
    void Short(int value) { Word(static_cast<uint16_t>(static_cast<int16_t>(value))); }
    void Text(const std::string& utf8) {
        for (const wchar_t c : ToWide(utf8)) {
            Word(static_cast<uint16_t>(c));
        }
        Word(0);
    }
    void AlignDword() {
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
    }
    size_t Size() const { return bytes_.size(); }
    void PatchWord(size_t at, uint16_t value) {
        bytes_[at] = static_cast<uint8_t>(value & 0xFF);
        bytes_[at + 1] = static_cast<uint8_t>(value >> 8);
    }
    std::vector<uint32_t> Words() {
        AlignDword();
        std::vector<uint32_t> words(bytes_.size() / 4);
        for (size_t i = 0; i < words.size(); ++i) {
            words[i] = static_cast<uint32_t>(bytes_[4 * i]) |
                       (static_cast<uint32_t>(bytes_[4 * i + 1]) << 8) |
                       (static_cast<uint32_t>(bytes_[4 * i + 2]) << 16) |
                       (static_cast<uint32_t>(bytes_[4 * i + 3]) << 24);
        }
        return words;
    }

  private:
    std::vector<uint8_t> bytes_;
};

// Predefined window class atoms of the dialog manager.
constexpr uint16_t kButtonClass = 0x0080;
constexpr uint16_t kEditClass = 0x0081;
constexpr uint16_t kStaticClass = 0x0082;
constexpr uint16_t kComboBoxClass = 0x0085;

struct ItemStyle {
    uint16_t windowClass;
    DWORD style;
    DWORD exStyle;
};

ItemStyle StyleOf(const ControlTemplate& control, bool isDefault) {
    const uint32_t s = control.style;
    const bool centred = (s & Style::kCenter) != 0;
    DWORD common = WS_CHILD | WS_GROUP;
    if ((s & Style::kHidden) == 0) {
        common |= WS_VISIBLE;
    }
    if ((s & Style::kDisabled) != 0) {
        common |= WS_DISABLED;
    }
    switch (control.kind) {
        case ControlKind::kLabel: {
            // Labels show '&' as it is (no mnemonics), as the Qt backend's do.
            DWORD style = (centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX;
            if ((s & Style::kVCenter) != 0) {
                style |= SS_CENTERIMAGE;
            }
            return {kStaticClass, common | style, 0};
        }
        case ControlKind::kGroupBox:
            return {kButtonClass, common | BS_GROUPBOX, 0};
        case ControlKind::kSunkenFrame:
            // Draws its frame only: the controls it surrounds stay visible whatever the paint order.
            return {kStaticClass, common | SS_ETCHEDFRAME, 0};
        case ControlKind::kPushButton:
        case ControlKind::kDefPushButton:
            return {kButtonClass, common | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::kDropDownList:
            return {kComboBoxClass, common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::kEdit: {
            DWORD style = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | (centred ? ES_CENTER : ES_LEFT);
            if ((s & Style::kReadOnly) != 0) {
                style |= ES_READONLY;
            }
            if ((s & Style::kNumber) != 0) {
                style |= ES_NUMBER;
            }
            if ((s & Style::kPassword) != 0) {
                style |= ES_PASSWORD;
            }
            return {kEditClass, common | style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::kIcon:
            return {kStaticClass, common | SS_ICON | SS_REALSIZECONTROL, 0};
    }
    return {kStaticClass, common | SS_LEFT, 0};
}

void WriteItem(TemplateWriter& out, const ControlTemplate& control, const ItemStyle& style,
               const std::string& text) {
    out.AlignDword();
    out.Dword(0);  // help id
    out.Dword(style.exStyle);
    out.Dword(style.style);
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.width);
    out.Short(control.height);
    out.Dword(static_cast<uint32_t>(control.id));
    out.Word(0xFFFF);
    out.Word(style.windowClass);
    out.Text(text);
    out.Word(0);  // no creation data
}

}  // namespace

int TemplateDefaultButton(const DialogTemplate& dialog) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind == ControlKind::kDefPushButton && control.id != kNoId) {
            return control.id;
        }
    }
    return 0;
}

BuiltTemplate BuildDialogTemplate(const DialogTemplate& dialog, const std::string& fontName, bool shellFont,
                                  const std::vector<bool>& namedByHiddenLabel) {
    BuiltTemplate built;
    TemplateWriter out;
    DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | (shellFont ? DS_SHELLFONT : DS_SETFONT);
    if ((dialog.style & DialogStyle::kSysMenu) != 0) {
        style |= WS_SYSMENU;
    }
    if ((dialog.style & DialogStyle::kMinimizeBox) != 0) {
        style |= WS_MINIMIZEBOX;
    }
    if ((dialog.style & DialogStyle::kMaximizeBox) != 0) {
        style |= WS_MAXIMIZEBOX;
    }
    const DWORD exStyle = (dialog.style & DialogStyle::kAppWindow) != 0 ? WS_EX_APPWINDOW : 0;

    out.Word(1);       // version
    out.Word(0xFFFF);  // extended template
    out.Dword(0);      // help id
    out.Dword(exStyle);
    out.Dword(style);
    const size_t countAt = out.Size();
    out.Word(0);  // item count, patched below
    out.Short(0);
    out.Short(0);
    out.Short(dialog.width);
    out.Short(dialog.height);
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dialog.caption);
    out.Word(static_cast<uint16_t>(dialog.fontPoints));
    out.Word(FW_NORMAL);
    out.Word(static_cast<uint16_t>(DEFAULT_CHARSET << 8));  // italic 0, charset
    out.Text(fontName);

    const int defaultId = TemplateDefaultButton(dialog);
    bool defaultMade = false;
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlTemplate& control = dialog.controls[i];
        if (i < namedByHiddenLabel.size() && namedByHiddenLabel[i]) {
            ControlTemplate label = control;
            label.id = kNoId;
            const ItemStyle labelStyle{kStaticClass, WS_CHILD | SS_LEFT | SS_NOPREFIX, 0};
            WriteItem(out, label, labelStyle, {});
            built.items.push_back({i, true});
        }
        const bool isDefault = control.kind == ControlKind::kDefPushButton && control.id == defaultId &&
                               defaultId != 0 && !defaultMade;
        defaultMade = defaultMade || isDefault;
        // A list's template text is no entry; an edit's is its first text.
        const std::string text = control.kind == ControlKind::kDropDownList ? std::string() : control.text;
        WriteItem(out, control, StyleOf(control, isDefault), text);
        built.items.push_back({i, false});
    }
    out.PatchWord(countAt, static_cast<uint16_t>(built.items.size()));
    built.words = out.Words();
    return built;
}

}  // namespace corvane::win32
