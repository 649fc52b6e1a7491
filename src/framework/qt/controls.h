#pragma once

// The Qt widgets behind edit fields and drop-down lists, with the behaviours the dialogs rely on that
// Qt's own widgets lack: typing limits in UTF-8 bytes or in characters with a signal when a change is
// refused for its length, digits-only typing, lists that start without a selection, and a signal when a
// list's drop-down closes without a choice.

#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <utility>

namespace corvane {

// Refuses a typed or pasted change that would make the text longer than the limit, counted in UTF-8
// bytes (what a record field holds) or in characters (what a user sees). A text already longer (set by
// code) may stay as it is or be shortened.
class LengthLimitValidator : public QValidator {
  public:
    enum class Unit { kBytes, kCharacters };
    explicit LengthLimitValidator(QObject* parent) : QValidator(parent) {}
    void SetLimit(int limit, Unit unit) {
        limit_ = limit;
        unit_ = unit;
    }
    int Limit(Unit unit) const { return unit == unit_ ? limit_ : 0; }
    void SetCurrentText(const QString& text) { currentLength_ = Length(text); }
    State validate(QString& input, int& position) const override;
    // True once after validate refused a change for its length.
    bool TakeRefusal() { return std::exchange(refused_, false); }

  private:
    qsizetype Length(const QString& text) const;

    int limit_ = 0;  // 0: no limit
    Unit unit_ = Unit::kBytes;
    qsizetype currentLength_ = 0;
    mutable bool refused_ = false;
};

class EditField : public QLineEdit {
    Q_OBJECT
  public:
    // Background of a read-only field: the grey of the classic Windows read-only edit (button face), so
    // that it does not look like a field one can type in.
    static QColor ReadOnlyBackground() { return QColor(240, 240, 240); }

    explicit EditField(QWidget* parent);
    // Typing limit in UTF-8 bytes; 0 or less removes it. Text set by code is not cut.
    void SetByteLimit(int bytes);
    int ByteLimit() const { return validator_->Limit(LengthLimitValidator::Unit::kBytes); }
    // Typing limit in characters (Unicode code points), replacing any byte limit; 0 or less removes it.
    void SetCharacterLimit(int characters);
    int CharacterLimit() const { return validator_->Limit(LengthLimitValidator::Unit::kCharacters); }
    // Only the digits 0-9 can be typed (pasting is not filtered, as on Windows).
    void SetDigitsOnly(bool on) { digitsOnly_ = on; }
    bool DigitsOnly() const { return digitsOnly_; }

  signals:
    // A typed, pasted or dropped change was refused because the text would pass the limit; the text is
    // as it was.
    void limitRefused();

  protected:
    // Reports a refusal once the event that caused it (key, paste by shortcut or menu, drop, input
    // method) is done.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ShowReadOnlyState();

    LengthLimitValidator* validator_ = nullptr;  // set after construction: events arrive before
    bool digitsOnly_ = false;
};

class DropDownList : public QComboBox {
    Q_OBJECT
  public:
    explicit DropDownList(QWidget* parent);
    // Adds items; unlike QComboBox, adding to an empty list selects nothing, and nothing is signalled.
    // Returns the last one's index.
    int AddItems(const QStringList& texts);
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
