#include "framework/cdialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>

#include "framework/control_makers.h"
#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "framework/data_exchange.h"
#include "framework/focus_frame.h"

namespace corvane {

namespace {

// Counts nested UpdateData calls; restored on every way out.
class ExchangeScope {
  public:
    explicit ExchangeScope(int& depth) : depth_(depth) { ++depth_; }
    ~ExchangeScope() { --depth_; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

  private:
    int& depth_;
};

Qt::WindowFlags FlagsFor(uint32_t style) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags |= (style & DialogStyle::kAppWindow) != 0 ? Qt::Window : Qt::Dialog;
    if ((style & DialogStyle::kSysMenu) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((style & DialogStyle::kMinimizeBox) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if ((style & DialogStyle::kMaximizeBox) != 0) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

}  // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), template_(dialogTemplate), platform_(platform) {
    setObjectName(QString::number(template_.id));
    setWindowFlags(FlagsFor(template_.style));
    setWindowTitle(QString::fromStdString(template_.caption));
    setFont(ResolveDialogFont(template_.fontName, template_.fontPoints));
    baseUnits_ = BaseUnitsOf(font());
    if (const std::optional<DialogColors> colors = CWinApp::GetDialogColors()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colors->background);
        palette.setColor(QPalette::WindowText, colors->text);
        setPalette(palette);
        setAutoFillBackground(true);
    }
    const QSize client(baseUnits_.ToPixelsX(template_.width), baseUnits_.ToPixelsY(template_.height));
    if ((template_.style & DialogStyle::kMaximizeBox) != 0) {
        resize(client);
        setMinimumSize(client);
    } else {
        setFixedSize(client);
    }
    BuildControls();
    focusFrame_ = new FocusFrame(this);
}

CDialog::~CDialog() = default;

void CDialog::BuildControls() {
    std::vector<QWidget*> frames;
    for (const ControlTemplate& control : template_.controls) {
        QRect geometry = baseUnits_.ToPixels(control.x, control.y, control.width, control.height);
        MadeControl made = MakeControl(*this, control, baseUnits_, geometry);
        const int id = control.id;
        if (control.kind == ControlKind::kDefPushButton && defaultButtonId_ == 0 && id != kNoId) {
            static_cast<QPushButton*>(made.widget)->setDefault(true);
            defaultButtonId_ = id;
        }
        if (made.isFrame) {
            frames.push_back(made.widget);
        }
        if (id != kNoId) {
            made.widget->setObjectName(QString::number(id));
        }
        made.widget->setGeometry(geometry);
        if ((control.style & Style::kDisabled) != 0) {
            made.widget->setEnabled(false);
        }
        if ((control.style & Style::kHidden) != 0) {
            made.widget->setVisible(false);
        }
        if (id != kNoId && controls_.count(id) == 0) {
            controls_.emplace(id, std::move(made.handle));
        }
    }
    // Frames stay behind the controls they surround and never take their clicks.
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        (*it)->lower();
        (*it)->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void CDialog::Initialise() {
    if (initialised_) {
        ended_ = false;
        return;
    }
    initialised_ = true;
    ended_ = false;
    if (OnInitDialog() && !ended_) {
        // Default focus: the first control that takes the keyboard focus.
        QWidget* first = nextInFocusChain();
        while (first != this && first != nullptr) {
            if (first->isEnabled() && !first->isHidden() && (first->focusPolicy() & Qt::TabFocus) != 0 &&
                isAncestorOf(first)) {
                first->setFocus(Qt::TabFocusReason);
                break;
            }
            first = first->nextInFocusChain();
        }
    }
}

int CDialog::DoModal() {
    Initialise();
    if (ended_) {
        return endResult_;
    }
    modal_ = true;
    const int result = exec();
    modal_ = false;
    return ended_ ? endResult_ : result;
}

bool CDialog::Create() {
    Initialise();
    if (ended_) {
        return false;
    }
    show();
    return true;
}

void CDialog::EndDialog(int result) {
    ended_ = true;
    endResult_ = result;
    if (modal_ || isVisible()) {
        ending_ = true;
        done(result);
        ending_ = false;
    }
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    {
        const ExchangeScope scope(exchangeDepth_);
        DoDataExchange(dx);
    }
    if (dx.Failed()) {
        FocusFailedControl(dx.LastControlId());
        return false;
    }
    return true;
}

void CDialog::FocusFailedControl(int id) {
    CWnd* control = GetDlgItem(id);
    if (control == nullptr || control->Widget() == nullptr) {
        return;
    }
    control->Widget()->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control->Widget())) {
        edit->selectAll();
    }
}

CWnd* CDialog::GetDlgItem(int id) {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.get();
}

CEdit* CDialog::GetEdit(int id) {
    return dynamic_cast<CEdit*>(GetDlgItem(id));
}

CComboBox* CDialog::GetComboBox(int id) {
    return dynamic_cast<CComboBox*>(GetDlgItem(id));
}

CButton* CDialog::GetButton(int id) {
    return dynamic_cast<CButton*>(GetDlgItem(id));
}

CStatic* CDialog::GetStatic(int id) {
    return dynamic_cast<CStatic*>(GetDlgItem(id));
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
    if (CWnd* control = GetDlgItem(id)) {
        control->SetWindowText(text);
    }
}

std::string CDialog::GetDlgItemText(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? std::string() : it->second->GetWindowText();
}

void CDialog::SetWindowText(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

std::string CDialog::GetWindowText() const {
    return windowTitle().toStdString();
}

void CDialog::SetDefID(int id) {
    if (CButton* old = GetButton(defaultButtonId_); old != nullptr && old->PushButton() != nullptr) {
        old->PushButton()->setDefault(false);
    }
    defaultButtonId_ = 0;
    if (CButton* button = GetButton(id); button != nullptr && button->PushButton() != nullptr) {
        button->PushButton()->setDefault(true);
        defaultButtonId_ = id;
    }
}

void CDialog::SetControlText(QWidget* control, const std::string& text) {
    if (control == nullptr) {
        return;
    }
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (edit->text() != value) {
            edit->setText(value);  // textChanged delivers the notification
        } else if (exchangeDepth_ == 0) {
            bool ok = false;
            const int id = edit->objectName().toInt(&ok);
            if (ok) {
                SendNotification(id, Notification::kEditChange);
            }
        }
        return;
    }
    CWnd(control, nullptr).SetWindowText(text);
}

void CDialog::AddHandler(int id, Notification code, std::function<void()> handler) {
    handlers_.push_back({{id, code}, std::move(handler)});
}

void CDialog::SendNotification(int id, Notification code) {
    if (exchangeDepth_ > 0 || id == kNoId) {
        return;
    }
    for (auto it = handlers_.rbegin(); it != handlers_.rend(); ++it) {
        if (it->first.first == id && it->first.second == code) {
            // Copy: the handler may add handlers.
            const std::function<void()> handler = it->second;
            handler();
            return;
        }
    }
    if (code == Notification::kClicked) {
        if (id == IDOK) {
            OnOK();
        } else if (id == IDCANCEL) {
            OnCancel();
        }
    }
}

void CDialog::Command(int id) {
    SendNotification(id, Notification::kClicked);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange& /*dx*/) {}

void CDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            event->accept();
            if (auto* focused = qobject_cast<QPushButton*>(focusWidget());
                focused != nullptr && focused->isEnabled()) {
                focused->click();
                return;
            }
            if (defaultButtonId_ != 0) {
                CButton* button = GetButton(defaultButtonId_);
                if (button != nullptr && button->PushButton() != nullptr &&
                    button->PushButton()->isEnabled()) {
                    button->PushButton()->click();
                }
                return;
            }
            Command(IDOK);
            return;
        }
        case Qt::Key_Escape:
            event->accept();
            Command(IDCANCEL);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CDialog::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    event->ignore();
    Command(IDCANCEL);
}

void CDialog::accept() {
    Command(IDOK);
}

void CDialog::reject() {
    Command(IDCANCEL);
}

}  // namespace corvane
