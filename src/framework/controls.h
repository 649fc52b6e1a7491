#pragma once

// The Qt widgets behind edit fields and drop-down lists, with the behaviours the dialogs rely on that
// Qt's own widgets lack: typing limits in UTF-8 bytes, digits-only typing, lists that start without a
// selection, and a signal when a list's drop-down closes without a choice.

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace corvane {

// Refuses a typed or pasted change that would make the text longer than the limit in UTF-8 bytes. A text
// already longer (set by code) may still be shortened.
class ByteLimitValidator : public QValidator {
  public:
    explicit ByteLimitValidator(QObject* parent) : QValidator(parent) {}
    void SetLimit(int bytes) { limit_ = bytes; }
    int Limit() const { return limit_; }
    void SetCurrentBytes(qsizetype bytes) { currentBytes_ = bytes; }
    State validate(QString& input, int& position) const override;

  private:
    int limit_ = 0;  // 0: no limit
    qsizetype currentBytes_ = 0;
};

class EditField : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditField(QWidget* parent);
    // Typing limit in UTF-8 bytes; 0 or less removes it. Text set by code is not cut.
    void SetByteLimit(int bytes);
    int ByteLimit() const { return validator_->Limit(); }
    // Only the digits 0-9 can be typed (pasting is not filtered, as on Windows).
    void SetDigitsOnly(bool on) { digitsOnly_ = on; }
    bool DigitsOnly() const { return digitsOnly_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    ByteLimitValidator* validator_;
    bool digitsOnly_ = false;
};

class DropDownList : public QComboBox {
    Q_OBJECT
  public:
    explicit DropDownList(QWidget* parent);
    // Adds an item; unlike QComboBox, adding to an empty list selects nothing. Returns its index.
    int AddItem(const QString& text);
    void showPopup() override;
    void hidePopup() override;

  signals:
    // The drop-down was closed (Escape, click outside, F4) without the user choosing an entry.
    void closedWithoutChoice();

  private:
    bool popupOpen_ = false;
    bool choiceMade_ = false;
};

}  // namespace corvane
