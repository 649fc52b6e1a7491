#include "framework/controls.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>

namespace corvane {

QValidator::State ByteLimitValidator::validate(QString& input, int& /*position*/) const {
    if (limit_ <= 0) {
        return Acceptable;
    }
    const qsizetype bytes = input.toUtf8().size();
    if (bytes <= limit_ || bytes < currentBytes_) {
        return Acceptable;
    }
    return Invalid;
}

EditField::EditField(QWidget* parent) : QLineEdit(parent), validator_(new ByteLimitValidator(this)) {
    setValidator(validator_);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { validator_->SetCurrentBytes(text.toUtf8().size()); });
}

void EditField::SetByteLimit(int bytes) {
    validator_->SetLimit(bytes > 0 ? bytes : 0);
    validator_->SetCurrentBytes(text().toUtf8().size());
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

int DropDownList::AddItem(const QString& text) {
    const bool wasEmpty = count() == 0;
    const QSignalBlocker quiet(this);
    addItem(text);
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
