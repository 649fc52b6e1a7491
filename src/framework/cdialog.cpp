#include "framework/cdialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "framework/data_exchange.h"

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
}

CDialog::~CDialog() = default;

void CDialog::BuildControls() {
    std::vector<QWidget*> frames;
    for (const ControlTemplate& control : template_.controls) {
        const QString text = QString::fromStdString(control.text);
        const bool centred = (control.style & Style::kCenter) != 0;
        QRect geometry = baseUnits_.ToPixels(control.x, control.y, control.width, control.height);
        QWidget* widget = nullptr;
        std::unique_ptr<CWnd> handle;
        const int id = control.id;
        switch (control.kind) {
            case ControlKind::kLabel:
            case ControlKind::kIcon: {
                auto* label = new QLabel(this);
                label->setTextFormat(Qt::PlainText);
                Qt::Alignment alignment = centred ? Qt::AlignHCenter : Qt::AlignLeft;
                alignment |= (control.style & Style::kVCenter) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
                label->setAlignment(alignment);
                if (control.kind == ControlKind::kLabel) {
                    label->setWordWrap(true);
                    label->setText(text);
                } else if (geometry.width() <= 0 || geometry.height() <= 0) {
                    geometry.setSize(QSize(32, 32));  // an icon control takes the icon's size
                }
                widget = label;
                handle = std::make_unique<CStatic>(label, this);
                break;
            }
            case ControlKind::kGroupBox: {
                auto* group = new QGroupBox(text, this);
                frames.push_back(group);
                widget = group;
                handle = std::make_unique<CStatic>(group, this);
                break;
            }
            case ControlKind::kSunkenFrame: {
                auto* frame = new QFrame(this);
                frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                frames.push_back(frame);
                widget = frame;
                handle = std::make_unique<CStatic>(frame, this);
                break;
            }
            case ControlKind::kPushButton:
            case ControlKind::kDefPushButton: {
                auto* button = new QPushButton(text, this);
                // Enter is routed by keyPressEvent, never by Qt's automatic default buttons.
                button->setAutoDefault(false);
                if (control.kind == ControlKind::kDefPushButton && defaultButtonId_ == 0 && id != kNoId) {
                    button->setDefault(true);
                    defaultButtonId_ = id;
                }
                connect(button, &QPushButton::clicked, this,
                        [this, id] { SendNotification(id, Notification::kClicked); });
                widget = button;
                handle = std::make_unique<CButton>(button, this);
                break;
            }
            case ControlKind::kDropDownList: {
                auto* list = new DropDownList(this);
                // The template height is that of the opened list; the closed box is one line high.
                const int closedHeight = baseUnits_.cy + 8;
                const int itemHeight = baseUnits_.cy + 2;
                list->setMaxVisibleItems(std::max(1, (geometry.height() - closedHeight) / itemHeight));
                geometry.setHeight(closedHeight);
                connect(list, &QComboBox::activated, this,
                        [this, id](int) { SendNotification(id, Notification::kSelChange); });
                connect(list, &DropDownList::closedWithoutChoice, this,
                        [this, id] { SendNotification(id, Notification::kSelEndCancel); });
                widget = list;
                handle = std::make_unique<CComboBox>(list, this);
                break;
            }
            case ControlKind::kEdit: {
                auto* edit = new EditField(this);
                edit->setText(text);
                edit->setAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
                edit->setReadOnly((control.style & Style::kReadOnly) != 0);
                edit->SetDigitsOnly((control.style & Style::kNumber) != 0);
                if ((control.style & Style::kPassword) != 0) {
                    edit->setEchoMode(QLineEdit::Password);
                }
                connect(edit, &QLineEdit::textChanged, this,
                        [this, id] { SendNotification(id, Notification::kEditChange); });
                widget = edit;
                handle = std::make_unique<CEdit>(edit, this);
                break;
            }
        }
        if (id != kNoId) {
            widget->setObjectName(QString::number(id));
        }
        widget->setGeometry(geometry);
        if ((control.style & Style::kDisabled) != 0) {
            widget->setEnabled(false);
        }
        if ((control.style & Style::kHidden) != 0) {
            widget->setVisible(false);
        }
        if (id != kNoId && controls_.count(id) == 0) {
            controls_.emplace(id, std::move(handle));
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

int RunModalScripted(CDialog& dialog, const std::function<void(CDialog&)>& script) {
    // A timer of this call only: when the dialog ends before its loop starts, the script never runs later.
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, &dialog, [&dialog, &script] {
        script(dialog);
        if (!dialog.IsEnded()) {
            dialog.EndDialog(-1);
        }
    });
    start.start(0);
    const int result = dialog.DoModal();
    start.stop();
    return result;
}

}  // namespace corvane
