#include "framework/control_makers.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <memory>
#include <utility>

#include "framework/cdialog.h"
#include "framework/controls.h"

namespace corvane {

MadeControl MakeLabel(CDialog& dialog, const ControlTemplate& control, QRect& geometry) {
    auto* label = new QLabel(&dialog);
    label->setTextFormat(Qt::PlainText);
    Qt::Alignment alignment = (control.style & Style::kCenter) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
    alignment |= (control.style & Style::kVCenter) != 0 ? Qt::AlignVCenter : Qt::AlignTop;
    label->setAlignment(alignment);
    if (control.kind == ControlKind::kLabel) {
        label->setWordWrap(true);
        label->setText(QString::fromStdString(control.text));
    } else if (geometry.width() <= 0 || geometry.height() <= 0) {
        geometry.setSize(QSize(32, 32));  // an icon control takes the icon's size
    }
    return {label, std::make_unique<CStatic>(label, &dialog)};
}

MadeControl MakeGroupBox(CDialog& dialog, const ControlTemplate& control) {
    auto* group = new QGroupBox(QString::fromStdString(control.text), &dialog);
    return {group, std::make_unique<CStatic>(group, &dialog), true};
}

MadeControl MakeSunkenFrame(CDialog& dialog) {
    auto* frame = new QFrame(&dialog);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return {frame, std::make_unique<CStatic>(frame, &dialog), true};
}

MadeControl MakePushButton(CDialog& dialog, const ControlTemplate& control) {
    auto* button = new QPushButton(QString::fromStdString(control.text), &dialog);
    // Enter is routed by the dialog's keyPressEvent, never by Qt's automatic default buttons.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &dialog,
                     [&dialog, id = control.id] { dialog.SendNotification(id, Notification::kClicked); });
    return {button, std::make_unique<CButton>(button, &dialog)};
}

MadeControl MakeDropDownList(CDialog& dialog, const ControlTemplate& control, const DialogBaseUnits& units,
                             QRect& geometry) {
    auto* list = new DropDownList(&dialog);
    // The template height is that of the opened list; the closed box is one line high.
    const int closedHeight = units.cy + 8;
    const int itemHeight = units.cy + 2;
    list->setMaxVisibleItems(std::max(1, (geometry.height() - closedHeight) / itemHeight));
    geometry.setHeight(closedHeight);
    const int id = control.id;
    QObject::connect(list, &QComboBox::activated, &dialog,
                     [&dialog, id](int) { dialog.SendNotification(id, Notification::kSelChange); });
    QObject::connect(list, &DropDownList::closedWithoutChoice, &dialog,
                     [&dialog, id] { dialog.SendNotification(id, Notification::kSelEndCancel); });
    return {list, std::make_unique<CComboBox>(list, &dialog)};
}

MadeControl MakeEdit(CDialog& dialog, const ControlTemplate& control) {
    auto* edit = new EditField(&dialog);
    if (!control.text.empty()) {  // setting the empty text of a new field lays it out again for nothing
        edit->setText(QString::fromStdString(control.text));
    }
    const bool centred = (control.style & Style::kCenter) != 0;
    edit->setAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    edit->setReadOnly((control.style & Style::kReadOnly) != 0);
    edit->SetDigitsOnly((control.style & Style::kNumber) != 0);
    if ((control.style & Style::kPassword) != 0) {
        edit->setEchoMode(QLineEdit::Password);
    }
    // QLineEdit signals textEdited (a change by the user) just before textChanged.
    auto typed = std::make_shared<bool>(false);
    QObject::connect(edit, &QLineEdit::textEdited, &dialog, [typed] { *typed = true; });
    QObject::connect(edit, &QLineEdit::textChanged, &dialog, [&dialog, id = control.id, typed] {
        dialog.SendEditChange(id, std::exchange(*typed, false));
    });
    QObject::connect(edit, &EditField::limitRefused, &dialog,
                     [&dialog, id = control.id] { dialog.SendNotification(id, Notification::kMaxText); });
    return {edit, std::make_unique<CEdit>(edit, &dialog)};
}

MadeControl MakeControl(CDialog& dialog, const ControlTemplate& control, const DialogBaseUnits& units,
                        QRect& geometry) {
    switch (control.kind) {
        case ControlKind::kLabel:
        case ControlKind::kIcon:
            return MakeLabel(dialog, control, geometry);
        case ControlKind::kGroupBox:
            return MakeGroupBox(dialog, control);
        case ControlKind::kSunkenFrame:
            return MakeSunkenFrame(dialog);
        case ControlKind::kPushButton:
        case ControlKind::kDefPushButton:
            return MakePushButton(dialog, control);
        case ControlKind::kDropDownList:
            return MakeDropDownList(dialog, control, units, geometry);
        case ControlKind::kEdit:
            return MakeEdit(dialog, control);
    }
    return MakeLabel(dialog, control, geometry);
}

}  // namespace corvane
