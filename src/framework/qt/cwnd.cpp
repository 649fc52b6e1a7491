#include "framework/cwnd.h"

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/cdialog.h"
#include "framework/controls.h"
#include "platform/linux/qt_window_icon.h"

namespace corvane {

int CWnd::GetDlgCtrlID() const {
    if (widget_.isNull()) {
        return kNoId;
    }
    bool ok = false;
    const int id = widget_->objectName().toInt(&ok);
    return ok ? id : kNoId;
}

void CWnd::EnableWindow(bool enable) {
    if (!widget_.isNull()) {
        widget_->setEnabled(enable);
    }
}

bool CWnd::IsWindowEnabled() const {
    return !widget_.isNull() && widget_->isEnabled();
}

void CWnd::ShowWindow(int command) {
    if (!widget_.isNull()) {
        widget_->setVisible(command != SW_HIDE);
    }
}

bool CWnd::IsWindowVisible() const {
    // Visible to the dialog: not hidden itself, whether or not the dialog is on screen yet.
    return !widget_.isNull() && !widget_->isHidden();
}

void CWnd::SetWindowText(const std::string& text) {
    if (widget_.isNull()) {
        return;
    }
    if (owner_ != nullptr) {
        owner_->SetControlText(widget_.data(), text);
        return;
    }
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget_.data())) {
        edit->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget_.data())) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
        button->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget_.data())) {
        group->setTitle(value);
    }
}

std::string CWnd::GetWindowText() const {
    if (widget_.isNull()) {
        return {};
    }
    QString value;
    if (auto* edit = qobject_cast<QLineEdit*>(widget_.data())) {
        value = edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget_.data())) {
        value = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
        value = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget_.data())) {
        value = group->title();
    } else if (auto* list = qobject_cast<QComboBox*>(widget_.data())) {
        value = list->currentIndex() >= 0 ? list->currentText() : QString();
    }
    return value.toStdString();
}

void CWnd::SetFocus() {
    if (!widget_.isNull()) {
        widget_->setFocus(Qt::OtherFocusReason);
    }
}

QLineEdit* CEdit::LineEdit() const {
    return qobject_cast<QLineEdit*>(widget_.data());
}

void CEdit::SetReadOnly(bool readOnly) {
    if (QLineEdit* edit = LineEdit()) {
        edit->setReadOnly(readOnly);
    }
}

bool CEdit::IsReadOnly() const {
    const QLineEdit* edit = LineEdit();
    return edit != nullptr && edit->isReadOnly();
}

void CEdit::LimitText(int maxBytes) {
    if (auto* edit = qobject_cast<EditField*>(widget_.data())) {
        edit->SetByteLimit(maxBytes);
    }
}

int CEdit::GetLimitText() const {
    const auto* edit = qobject_cast<EditField*>(widget_.data());
    return edit != nullptr ? edit->ByteLimit() : 0;
}

void CEdit::LimitCharacters(int maxCharacters) {
    if (auto* edit = qobject_cast<EditField*>(widget_.data())) {
        edit->SetCharacterLimit(maxCharacters);
    }
}

int CEdit::GetCharacterLimit() const {
    const auto* edit = qobject_cast<EditField*>(widget_.data());
    return edit != nullptr ? edit->CharacterLimit() : 0;
}

void CEdit::SetSel(int start, int end) {
    QLineEdit* edit = LineEdit();
    if (edit == nullptr) {
        return;
    }
    if (start < 0) {
        edit->deselect();
        return;
    }
    const int length = static_cast<int>(edit->text().size());
    const int last = (end < 0 || end > length) ? length : end;
    const int first = start > length ? length : start;
    edit->setSelection(first, last > first ? last - first : 0);
}

QComboBox* CComboBox::ComboBox() const {
    return qobject_cast<QComboBox*>(widget_.data());
}

int CComboBox::AddString(const std::string& text) {
    const std::string_view entry = text;
    return AddStrings({&entry, 1});
}

int CComboBox::AddStrings(std::span<const std::string_view> texts) {
    QStringList values;
    values.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string_view text : texts) {
        values.push_back(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    return AddEntries(values);
}

int CComboBox::AddStrings(std::span<const std::string> texts) {
    QStringList values;
    values.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        values.push_back(QString::fromStdString(text));
    }
    return AddEntries(values);
}

int CComboBox::AddEntries(const QStringList& values) {
    QComboBox* list = ComboBox();
    if (list == nullptr || values.isEmpty()) {
        return CB_ERR;
    }
    if (auto* dropDown = qobject_cast<DropDownList*>(list)) {
        return dropDown->AddItems(values);
    }
    list->addItems(values);
    return list->count() - 1;
}

void CComboBox::ResetContent() {
    if (QComboBox* list = ComboBox()) {
        list->clear();
    }
}

int CComboBox::SetCurSel(int index) {
    QComboBox* list = ComboBox();
    if (list == nullptr) {
        return CB_ERR;
    }
    if (index < 0 || index >= list->count()) {
        list->setCurrentIndex(-1);
        return CB_ERR;
    }
    list->setCurrentIndex(index);
    return index;
}

int CComboBox::GetCurSel() const {
    const QComboBox* list = ComboBox();
    return (list != nullptr && list->currentIndex() >= 0) ? list->currentIndex() : CB_ERR;
}

int CComboBox::GetCount() const {
    const QComboBox* list = ComboBox();
    return list != nullptr ? list->count() : 0;
}

std::string CComboBox::GetLBText(int index) const {
    const QComboBox* list = ComboBox();
    if (list == nullptr || index < 0 || index >= list->count()) {
        return {};
    }
    return list->itemText(index).toStdString();
}

QPushButton* CButton::PushButton() const {
    return qobject_cast<QPushButton*>(widget_.data());
}

void CStatic::SetIcon(const platform::WindowIcon& windowIcon) {
    const QIcon icon = platform::ToQIcon(windowIcon);
    if (auto* label = qobject_cast<QLabel*>(widget_.data())) {
        const QSize size = label->size().isEmpty() ? QSize(32, 32) : label->size();
        label->setPixmap(icon.pixmap(size));
    }
}

}  // namespace corvane
