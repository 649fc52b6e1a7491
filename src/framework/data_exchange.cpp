#include "framework/data_exchange.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "core/l10n/framework_texts.h"
#include "framework/cdialog.h"
#include "platform/platform.h"

namespace corvane {

CWnd* CDataExchange::PrepareCtrl(int id) {
    lastId_ = id;
    restore_ = nullptr;
    return dialog_.GetDlgItem(id);
}

CWnd* CDataExchange::PrepareEditCtrl(int id) {
    return PrepareCtrl(id);
}

void CDataExchange::Fail() {
    failed_ = true;
}

bool CDataExchange::Holding() const {
    return saveAndValidate && dialog_.HoldingChecks();
}

void CDataExchange::Refuse(const std::function<void()>& show) {
    if (Holding()) {
        if (restore_) {
            restore_();
        }
        dialog_.HoldField(lastId_);
        return;
    }
    show();
    Fail();
}

bool CDataExchange::MayWrite(int id) const {
    return !dialog_.IsFieldHeld(id);
}

namespace {

template <class Handle>
void Bind(CDataExchange& dx, int id, Handle& control, Handle* found) {
    if (dx.Failed()) {
        return;
    }
    dx.PrepareCtrl(id);
    control = found != nullptr ? *found : Handle();
}

std::string Replace(std::string text, const std::string& marker, const std::string& value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

}  // namespace

void DDX_Control(CDataExchange& dx, int id, CEdit& control) {
    Bind(dx, id, control, dx.Dialog().GetEdit(id));
}

void DDX_Control(CDataExchange& dx, int id, CComboBox& control) {
    Bind(dx, id, control, dx.Dialog().GetComboBox(id));
}

void DDX_Control(CDataExchange& dx, int id, CButton& control) {
    Bind(dx, id, control, dx.Dialog().GetButton(id));
}

void DDX_Control(CDataExchange& dx, int id, CStatic& control) {
    Bind(dx, id, control, dx.Dialog().GetStatic(id));
}

bool ParseInt32(const std::string& text, int32_t& value) {
    std::size_t at = 0;
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (at < text.size() && isSpace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t digitsStart = at;
    int64_t magnitude = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1) {
            return false;  // wider than 32 bits
        }
        ++at;
    }
    if (at == digitsStart) {
        return false;
    }
    while (at < text.size() && isSpace(text[at])) {
        ++at;
    }
    if (at != text.size()) {
        return false;
    }
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max() ||
        signedValue < std::numeric_limits<int32_t>::min()) {
        return false;
    }
    value = static_cast<int32_t>(signedValue);
    return true;
}

void DDX_Text(CDataExchange& dx, int id, int32_t& value) {
    if (dx.Failed() || dx.PrepareEditCtrl(id) == nullptr) {
        return;
    }
    if (!dx.saveAndValidate) {
        if (dx.MayWrite(id)) {
            dx.Dialog().SetDlgItemText(id, std::to_string(value));
        }
        return;
    }
    int32_t parsed = 0;
    if (!ParseInt32(dx.Dialog().GetDlgItemText(id), parsed)) {
        CDialog& dialog = dx.Dialog();
        dx.Refuse([&dialog] {
            dialog.GetPlatform().ShowFrameworkMessage(IntegerExpectedMessage(dialog.MessageLanguage()));
        });
        return;
    }
    if (dx.Holding()) {
        dx.SetRestore([&value, old = value] { value = old; });
    }
    value = parsed;
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (dx.Failed() || dx.PrepareEditCtrl(id) == nullptr) {
        return;
    }
    if (dx.saveAndValidate) {
        if (dx.Holding()) {
            dx.SetRestore([&value, old = value] { value = old; });
        }
        value = dx.Dialog().GetDlgItemText(id);
    } else if (dx.MayWrite(id)) {
        dx.Dialog().SetDlgItemText(id, value);
    }
}

void DDX_CBIndex(CDataExchange& dx, int id, int32_t& index) {
    if (dx.Failed() || dx.PrepareCtrl(id) == nullptr) {
        return;
    }
    CComboBox* list = dx.Dialog().GetComboBox(id);
    if (list == nullptr) {
        return;
    }
    if (dx.saveAndValidate) {
        index = list->GetCurSel();
    } else {
        list->SetCurSel(index);
    }
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int maxBytes) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.saveAndValidate) {
        if (CEdit* edit = dx.Dialog().GetEdit(dx.LastControlId())) {
            edit->LimitText(maxBytes);
        }
        return;
    }
    if (value.size() > static_cast<std::size_t>(maxBytes < 0 ? 0 : maxBytes)) {
        CDialog& dialog = dx.Dialog();
        dx.Refuse([&dialog, maxBytes] {
            dialog.GetPlatform().ShowFrameworkMessage(MaxCharsMessage(maxBytes, dialog.MessageLanguage()));
        });
    }
}

void DDV_MaxCharacters(CDataExchange& dx, const std::string& value, int maxCharacters) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.saveAndValidate) {
        if (CEdit* edit = dx.Dialog().GetEdit(dx.LastControlId())) {
            edit->LimitCharacters(maxCharacters);
        }
        return;
    }
    if (CharacterCount(value) > static_cast<std::size_t>(maxCharacters < 0 ? 0 : maxCharacters)) {
        CDialog& dialog = dx.Dialog();
        dx.Refuse([&dialog, maxCharacters] {
            dialog.GetPlatform().ShowFrameworkMessage(
                MaxCharsMessage(maxCharacters, dialog.MessageLanguage()));
        });
    }
}

void DDV_MinMaxInt(CDataExchange& dx, int32_t value, int32_t min, int32_t max) {
    if (dx.Failed() || !dx.saveAndValidate) {
        return;
    }
    if (value < min || value > max) {
        CDialog& dialog = dx.Dialog();
        dx.Refuse([&dialog, min, max] {
            dialog.GetPlatform().ShowFrameworkMessage(MinMaxIntMessage(min, max, dialog.MessageLanguage()));
        });
    }
}

void DDV_Check(CDataExchange& dx, bool passes, const std::function<std::string()>& message) {
    if (dx.Failed() || !dx.saveAndValidate) {
        return;
    }
    if (!passes) {
        CDialog& dialog = dx.Dialog();
        dx.Refuse([&dialog, &message] { dialog.GetPlatform().ShowMessage(message()); });
    }
}

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        // Every byte except UTF-8 continuation bytes (10xxxxxx) starts a character.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string IntegerExpectedMessage(int32_t language) {
    return std::string(FrameworkMessagesIn(language).integerExpected);
}

std::string MaxCharsMessage(int maxBytes, int32_t language) {
    return Replace(std::string(FrameworkMessagesIn(language).maxChars), "%1", std::to_string(maxBytes));
}

std::string MinMaxIntMessage(int32_t min, int32_t max, int32_t language) {
    return Replace(Replace(std::string(FrameworkMessagesIn(language).minMaxInt), "%1", std::to_string(min)),
                   "%2", std::to_string(max));
}

}  // namespace corvane
