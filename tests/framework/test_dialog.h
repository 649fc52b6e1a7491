#pragma once

// A small dialog with one field of each kind the setup dialogs use, recording what reaches its handlers.

#include <string>
#include <vector>

#include "framework/cdialog.h"
#include "framework/data_exchange.h"
#include "framework/dialog_template.h"

namespace corvane::test {

inline const DialogTemplate& TestTemplate() {
    static const DialogTemplate kTemplate{
        900,
        "Test",
        200,
        124,
        DialogStyle::kSysMenu,
        "SimSun",
        9,
        {
            {kNoId, ControlKind::kGroupBox, 2, 2, 196, 90, "Values"},
            {kNoId, ControlKind::kLabel, 8, 12, 40, 8, "Length", Style::kCenter},
            {1001, ControlKind::kEdit, 50, 10, 30, 12, "", Style::kNumber | Style::kCenter},
            {1002, ControlKind::kEdit, 50, 26, 80, 12, ""},
            {1003, ControlKind::kEdit, 50, 42, 30, 12, "", Style::kNumber},
            {1004, ControlKind::kEdit, 50, 58, 80, 12, ""},
            {1005, ControlKind::kEdit, 50, 74, 80, 12, "", Style::kReadOnly},
            {1010, ControlKind::kDropDownList, 140, 26, 50, 60, "", Style::kVScroll},
            {1011, ControlKind::kDropDownList, 140, 42, 50, 60, "", Style::kDisabled},
            {1, ControlKind::kDefPushButton, 10, 102, 50, 14, "OK"},
            {1020, ControlKind::kPushButton, 70, 102, 50, 14, "Other"},
            {2, ControlKind::kPushButton, 130, 102, 50, 14, "Cancel"},
            // Listed after the buttons it surrounds, as templates may do.
            {kNoId, ControlKind::kSunkenFrame, 4, 96, 192, 24},
            {1030, ControlKind::kIcon, 184, 4, 0, 0},
        },
    };
    return kTemplate;
}

class TestDialog : public CDialog {
  public:
    explicit TestDialog(platform::Platform& platform) : CDialog(TestTemplate(), platform) {
        SetMessageMap<TestDialog>({
            {1001, Notification::kEditChange, &TestDialog::OnChangeLength},
            {1002, Notification::kEditChange, &TestDialog::OnChangeName},
            {1010, Notification::kSelChange, &TestDialog::OnSelchangeList},
            {1010, Notification::kSelEndCancel, &TestDialog::OnCloseupList},
            {1011, Notification::kSelChange, &TestDialog::OnSelchangeDisabled},
            {1020, Notification::kClicked, &TestDialog::OnOther},
        });
    }

    // Exchanged values, in exchange order.
    int32_t length = 10;       // 1001, 1..60 (the dialog's own range message)
    std::string name = "abc";  // 1002, at most 6 bytes
    int32_t hour = 0;          // 1003, 0..23 (framework range message)
    std::string phone;         // 1004, at most 5 digits (the dialog's own message)
    std::string note;          // 1005, read-only
    int32_t language = 2;      // 1: the dialog's own messages in Chinese, else English

    CComboBox list;
    std::vector<std::string> events;
    bool passOkToBase = false;
    bool allowCancel = false;
    bool endDuringInit = false;

    using CDialog::AddHandler;

  protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Control(dx, 1010, list);
        DDX_Text(dx, 1001, length);
        DDV_Check(dx, length >= 1 && length <= 60, [this] { return RangeMessage(1, 60); });
        DDX_Text(dx, 1002, name);
        DDV_MaxChars(dx, name, 6);
        DDX_Text(dx, 1003, hour);
        DDV_MinMaxInt(dx, hour, 0, 23);
        DDX_Text(dx, 1004, phone);
        DDV_Check(dx, phone.size() <= 5, [this] { return PhoneMessage(5); });
        DDX_Text(dx, 1005, note);
    }

    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        list.AddString("zero");
        list.AddString("one");
        list.AddString("two");
        list.SetCurSel(0);
        events.push_back("OnInitDialog");
        if (endDuringInit) {
            EndDialog(7);
        }
        return true;
    }

    void OnOK() override {
        events.push_back("OnOK");
        if (passOkToBase) {
            CDialog::OnOK();
        }
    }

    void OnCancel() override {
        events.push_back("OnCancel");
        if (allowCancel) {
            CDialog::OnCancel();
        }
    }

  private:
    // The dialog's own check messages, as a program using the framework defines them.
    std::string RangeMessage(int32_t min, int32_t max) const {
        const std::string low = std::to_string(min);
        const std::string high = std::to_string(max);
        return language == 1 ? "请输入一个介于" + low + "和" + high + "之间的值!"
                             : "Please enter an integer between " + low + " and " + high + "!";
    }
    std::string PhoneMessage(int maxDigits) const {
        return language == 1 ? "最大允许手机号码位数 " + std::to_string(maxDigits) + "!"
                             : "The max allowable number of digits phone " + std::to_string(maxDigits) + "!";
    }

    void OnChangeLength() { events.push_back("change 1001"); }
    void OnChangeName() { events.push_back("change 1002"); }
    void OnSelchangeList() { events.push_back("selchange 1010 -> " + std::to_string(list.GetCurSel())); }
    void OnCloseupList() { events.push_back("closed 1010"); }
    void OnSelchangeDisabled() { events.push_back("selchange 1011"); }
    void OnOther() { events.push_back("clicked 1020"); }
};

}  // namespace corvane::test
