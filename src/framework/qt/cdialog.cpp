#include "framework/cdialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <algorithm>
#include <cctype>
#include <utility>

#include "framework/accessible_names.h"
#include "framework/after_first_paint.h"
#include "framework/control_makers.h"
#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "framework/data_exchange.h"
#include "framework/focus_frame.h"
#include "platform/linux/qt_window_icon.h"

namespace corvane {

namespace {

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
        palette.setColor(QPalette::Window,
                         QColor(colors->background.r, colors->background.g, colors->background.b));
        palette.setColor(QPalette::WindowText, QColor(colors->text.r, colors->text.g, colors->text.b));
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
        if (control.kind == ControlKind::kEdit) {
            made.widget->installEventFilter(this);  // leaving a field with a held-back check
        }
        built_.push_back(made.widget);
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
    FindAccessibleNameSources();
    initialising_ = true;
    const bool defaultFocus = OnInitDialog();
    initialising_ = false;
    RefreshAccessibleNames();
    if (defaultFocus && !ended_) {
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
    ShowProgramIcon();
    const int result = exec();
    modal_ = false;
    return ended_ ? endResult_ : result;
}

bool CDialog::Create() {
    Initialise();
    if (ended_) {
        return false;
    }
    ShowProgramIcon();
    show();
    return true;
}

void CDialog::ShowProgramIcon() {
    if (const auto& icon = CWinApp::GetWindowIcon(); icon && !shownIcon_) {
        shownIcon_ = true;
        platform::ShowWindowIcon(*this, *icon);
    }
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
    if (saveAndValidate) {
        // This pass decides anew about what it reads; one with its checks in force has shown its message.
        notifications_.StartCheckedPass();
    }
    CDataExchange dx(*this, saveAndValidate);
    {
        const DialogNotifications::Exchange exchange(notifications_);
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
        } else if (!notifications_.InExchange()) {
            bool ok = false;
            const int id = edit->objectName().toInt(&ok);
            if (ok) {
                SendNotification(id, Notification::kEditChange);
            }
        }
        return;
    }
    CWnd(control, nullptr).SetWindowText(text);
    RefreshAccessibleNames();
}

namespace {

// The text a control shows, as part of a name: trimmed, on one line, without a closing colon.
QString WidgetNamePart(const QWidget* source) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(source)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(source)) {
        text = button->text();
    } else if (const auto* list = qobject_cast<const QComboBox*>(source)) {
        text = list->currentText();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(source)) {
        text = group->title();
    }
    return QString::fromStdString(NamePart(text.toStdString()));
}

}  // namespace

void CDialog::FindAccessibleNameSources() {
    const std::vector<QPointer<QWidget>>& widgets = built_;
    const std::vector<ControlTemplate>& controls = template_.controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!IsNamed(controls[i].kind) || controls[i].id == kNoId) {
            continue;
        }
        NamedControl named{widgets[i], {}};
        const auto exception = std::find_if(
            nameSources_.begin(), nameSources_.end(),
            [&](const AccessibleNameSource& source) { return source.controlId == controls[i].id; });
        if (exception != nameSources_.end()) {
            for (const int id : exception->fromIds) {
                if (CWnd* source = GetDlgItem(id)) {
                    named.sources.emplace_back(source->Widget());
                }
            }
        } else {
            for (const size_t source : NamingControls(controls, i)) {
                named.sources.emplace_back(widgets[source]);
            }
        }
        // A list with no label beside or above it heads its row itself (as a choice of what the field next
        // to it holds): its entry is its name.
        if (named.sources.empty() && qobject_cast<QComboBox*>(widgets[i].data()) != nullptr) {
            named.sources.emplace_back(widgets[i]);
        }
        // Screen readers on Linux name a list by its entry and find its label through the buddy relation.
        if (qobject_cast<QComboBox*>(widgets[i].data()) != nullptr && !named.sources.empty()) {
            if (auto* label = qobject_cast<QLabel*>(named.sources.front().data());
                label != nullptr && label->buddy() == nullptr) {
                label->setBuddy(widgets[i]);
            }
        }
        // A list that names a field renames it whenever its entry changes.
        for (const QPointer<QWidget>& source : named.sources) {
            if (auto* list = qobject_cast<QComboBox*>(source.data())) {
                connect(list, &QComboBox::currentIndexChanged, this, &CDialog::RefreshAccessibleNames,
                        Qt::UniqueConnection);
            }
        }
        namedControls_.push_back(std::move(named));
    }
}

void CDialog::RefreshAccessibleNames() {
    if (initialising_) {
        return;
    }
    for (const NamedControl& named : namedControls_) {
        if (named.control.isNull()) {
            continue;
        }
        QStringList parts;
        for (const QPointer<QWidget>& source : named.sources) {
            if (!source.isNull()) {
                if (const QString part = WidgetNamePart(source.data()); !part.isEmpty()) {
                    parts << part;
                }
            }
        }
        // Qt tells assistive technology of every name set, changed or not.
        if (QString name = parts.join(QStringLiteral(", ")); name != named.control->accessibleName()) {
            named.control->setAccessibleName(name);
        }
    }
}

void CDialog::AddHandler(int id, Notification code, std::function<void()> handler) {
    notifications_.Add(id, code, std::move(handler));
}

void CDialog::SendNotification(int id, Notification code) {
    if (notifications_.Deliver(id, code) || code != Notification::kClicked) {
        return;
    }
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::SendEditChange(int id, bool typed) {
    notifications_.DeliverEditChange(id, typed);
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && notifications_.UncheckedField() != kNoId) {
        // Another window taking the focus (a message box, another program) or a field's own context menu
        // does not leave the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const CWnd* field = GetDlgItem(notifications_.UncheckedField());
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && field != nullptr &&
            field->Widget() == watched) {
            QueueLeftFieldCheck();
        }
    } else if (event->type() == QEvent::MouseButtonRelease && waitingForRelease_ &&
               static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
        // The click that took the focus is delivered first: a button's own pass may check the field.
        waitingForRelease_ = false;
        qApp->removeEventFilter(this);
        QueueLeftFieldCheck();
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::QueueLeftFieldCheck() {
    if (leftFieldCheckQueued_) {
        return;
    }
    leftFieldCheckQueued_ = true;
    QMetaObject::invokeMethod(this, &CDialog::CheckLeftField, Qt::QueuedConnection);
}

void CDialog::CheckLeftField() {
    leftFieldCheckQueued_ = false;
    if (notifications_.UncheckedField() == kNoId || ended_ || !isVisible()) {
        return;
    }
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        if (!waitingForRelease_) {
            waitingForRelease_ = true;
            qApp->installEventFilter(this);
        }
        return;
    }
    // Behind another modal window (the folder browser, a message) the field is checked by the next pass.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
        return;
    }
    const CWnd* field = GetDlgItem(notifications_.UncheckedField());
    if (field == nullptr || field->Widget() == nullptr || field->Widget()->hasFocus()) {
        return;  // back in the field: it is checked when left again
    }
    const int id = notifications_.TakeUncheckedField();
    SendNotification(id, Notification::kEditChange);
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

void CDialog::OnSysCommand(unsigned /*id*/) {}

void CDialog::AddCommand(const std::string& caption, CommandKey key, std::function<void()> run) {
    QString text = QString::fromStdString(caption);
    if (const qsizetype tab = text.indexOf(QLatin1Char('\t')); tab >= 0) {
        text.truncate(tab);
    }
    auto* action = new QAction(text, this);
    action->setShortcut(key == CommandKey::kSave ? QKeySequence::Save : QKeySequence::Open);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    addAction(action);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CDialog::AppendSystemMenuItem(unsigned id, const std::string& text) {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    auto* action = new QAction(QString::fromStdString(text), this);
    connect(action, &QAction::triggered, this, [this, id] { OnSysCommand(id); });
    addAction(action);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CDialog::PostTask(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void CDialog::AfterFirstPaint(std::function<void()> action) {
    new corvane::AfterFirstPaint(*this, std::move(action));
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
