#include "framework/edit_field.h"

#include <string>

#include "framework/cdialog.h"
#include "framework/win32_api.h"

namespace corvane::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x43564546;  // "CVEF"
constexpr const wchar_t* kStateProperty = L"Corvane.EditField";

struct EditState {
    CDialog* dialog = nullptr;
    int bytes = 0;
    int characters = 0;
    int userDepth = 0;
    bool restoring = false;
};

EditState* StateOf(HWND edit) {
    return edit != nullptr ? static_cast<EditState*>(GetPropW(edit, kStateProperty)) : nullptr;
}

std::wstring TextOf(HWND edit) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

size_t Utf8Bytes(const std::wstring& text) {
    if (text.empty()) {
        return 0;
    }
    return static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                   nullptr, 0, nullptr, nullptr));
}

size_t CodePoints(const std::wstring& text) {
    size_t count = 0;
    for (const wchar_t c : text) {
        if (c < 0xDC00 || c > 0xDFFF) {  // a low surrogate ends a character counted at its high one
            ++count;
        }
    }
    return count;
}

size_t Length(const EditState& state, const std::wstring& text) {
    return state.bytes > 0 ? Utf8Bytes(text) : CodePoints(text);
}

// The messages through which the user changes an edit's text.
bool IsUserEdit(UINT message) {
    switch (message) {
        case WM_CHAR:
        case WM_KEYDOWN:
        case WM_IME_CHAR:
        case WM_IME_COMPOSITION:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case WM_CONTEXTMENU:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                               DWORD_PTR data) {
    auto* state = reinterpret_cast<EditState*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, EditProcedure, kSubclassId);
        RemovePropW(edit, kStateProperty);
        delete state;
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    if (!IsUserEdit(message) || state->userDepth > 0) {
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    const std::wstring before = TextOf(edit);
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&selectionEnd));
    ++state->userDepth;
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    --state->userDepth;
    if (!IsWindow(edit)) {
        return result;
    }
    const std::wstring after = TextOf(edit);
    if (after == before) {
        return result;
    }
    const int limit = state->bytes > 0 ? state->bytes : state->characters;
    const size_t length = Length(*state, after);
    if (limit > 0 && length > static_cast<size_t>(limit) && length > Length(*state, before)) {
        state->restoring = true;
        SetWindowTextW(edit, before.c_str());
        SendMessageW(edit, EM_SETSEL, selectionStart, static_cast<LPARAM>(selectionEnd));
        state->restoring = false;
        if (state->dialog != nullptr) {
            state->dialog->OnEditRefused(edit);
        }
        return result;
    }
    if (state->dialog != nullptr) {
        state->dialog->OnEditTyped(edit);
    }
    return result;
}

}  // namespace

void AttachEditField(HWND edit, CDialog* dialog) {
    if (edit == nullptr || StateOf(edit) != nullptr) {
        return;
    }
    auto* state = new EditState;
    state->dialog = dialog;
    if (!SetWindowSubclass(edit, EditProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
        delete state;
        return;
    }
    SetPropW(edit, kStateProperty, state);
}

void SetByteLimit(HWND edit, int bytes) {
    if (EditState* state = StateOf(edit)) {
        state->bytes = bytes > 0 ? bytes : 0;
        state->characters = 0;
    }
}

void SetCharacterLimit(HWND edit, int characters) {
    if (EditState* state = StateOf(edit)) {
        state->characters = characters > 0 ? characters : 0;
        state->bytes = 0;
    }
}

int ByteLimit(HWND edit) {
    const EditState* state = StateOf(edit);
    return state != nullptr ? state->bytes : 0;
}

int CharacterLimit(HWND edit) {
    const EditState* state = StateOf(edit);
    return state != nullptr ? state->characters : 0;
}

bool IsChangingForUser(HWND edit) {
    const EditState* state = StateOf(edit);
    return state != nullptr && (state->userDepth > 0 || state->restoring);
}

}  // namespace corvane::win32
