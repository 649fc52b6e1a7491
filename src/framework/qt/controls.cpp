#include "framework/controls.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QTimer>

namespace corvane {

qsizetype LengthLimitValidator::Length(const QString& text) const {
    return unit_ == Unit::kBytes ? text.toUtf8().size() : text.toUcs4().size();
}

QValidator::State LengthLimitValidator::validate(QString& input, int& /*position*/) const {
    if (limit_ <= 0) {
        return Acceptable;
    }
    const qsizetype length = Length(input);
    // A text set by code past the limit is checked again unchanged (focus changes): that is no refusal.
    if (length <= limit_ || length <= currentLength_) {
        return Acceptable;
    }
    refused_ = true;
    return Invalid;
}

EditField::EditField(QWidget* parent) : QLineEdit(parent) {
    validator_ = new LengthLimitValidator(this);
    setValidator(validator_);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { validator_->SetCurrentText(text); });
}

void EditField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ReadOnlyChange) {
        ShowReadOnlyState();
    }
    QLineEdit::changeEvent(event);
}

void EditField::ShowReadOnlyState() {
    QPalette colours = palette();
    if (isReadOnly()) {
        colours.setColor(QPalette::Base, ReadOnlyBackground());
        colours.setColor(QPalette::Text, QColor(0, 0, 0));
    } else {
        const QPalette inherited = parentWidget() != nullptr ? parentWidget()->palette() : QPalette();
        colours.setColor(QPalette::Base, inherited.color(QPalette::Base));
        colours.setColor(QPalette::Text, inherited.color(QPalette::Text));
    }
    setPalette(colours);
}

void EditField::SetByteLimit(int bytes) {
    validator_->SetLimit(bytes > 0 ? bytes : 0, LengthLimitValidator::Unit::kBytes);
    validator_->SetCurrentText(text());
}

void EditField::SetCharacterLimit(int characters) {
    validator_->SetLimit(characters > 0 ? characters : 0, LengthLimitValidator::Unit::kCharacters);
    validator_->SetCurrentText(text());
}

namespace {

// The events through which a user changes the text: keys (typing, paste and cut shortcuts), input
// methods, drops, the context menu's paste, and the middle button's paste of the selection.
bool IsUserEdit(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::Drop:
        case QEvent::ContextMenu:
        case QEvent::MouseButtonRelease:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool EditField::event(QEvent* event) {
    if (validator_ == nullptr) {
        return QLineEdit::event(event);
    }
    validator_->TakeRefusal();  // a check of text set by code is no refusal of the user's
    const bool handled = QLineEdit::event(event);
    if (validator_->TakeRefusal() && IsUserEdit(event->type())) {
        emit limitRefused();
    }
    return handled;
}

namespace {

bool HasNonDigit(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return true;
        }
    }
    return false;
}

}  // namespace

void EditField::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (digitsOnly_ && !isReadOnly() && (event->modifiers() & commandKeys) == 0) {
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint() && HasNonDigit(text)) {
            event->accept();  // swallowed: a typed non-digit changes nothing
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EditField::inputMethodEvent(QInputMethodEvent* event) {
    if (digitsOnly_ && HasNonDigit(event->commitString())) {
        QInputMethodEvent stripped(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&stripped);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) { choiceMade_ = true; });
}

int DropDownList::AddItems(const QStringList& texts) {
    const bool wasEmpty = count() == 0;
    const QSignalBlocker quiet(this);
    addItems(texts);
    if (wasEmpty) {
        setCurrentIndex(-1);
    }
    return count() - 1;
}

void DropDownList::showPopup() {
    popupOpen_ = true;
    choiceMade_ = false;
    QComboBox::showPopup();
}

void DropDownList::hidePopup() {
    QComboBox::hidePopup();
    if (!popupOpen_) {
        return;
    }
    popupOpen_ = false;
    // Qt reports a choice (activated) around the hide; decide once the current event is done.
    QTimer::singleShot(0, this, [this] {
        if (!choiceMade_) {
            emit closedWithoutChoice();
        }
    });
}

}  // namespace corvane
