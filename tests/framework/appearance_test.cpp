// How the framework's dialogs show the keyboard focus and read-only fields, checked on the drawn pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <memory>

#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "framework/focus_frame.h"
#include "support/fake_platform.h"
#include "test_dialog.h"

namespace corvane {
namespace {

const QColor kDialogBlue(111, 153, 224);

// WCAG relative luminance and contrast ratio of two colours.
double Luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class AppearanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        {
            CWinApp app;
            app.SetDialogBkColor({111, 153, 224}, {255, 255, 255});
            dialog = std::make_unique<test::TestDialog>(platform);
        }
        ASSERT_TRUE(dialog->Create());
        QApplication::setActiveWindow(dialog.get());
    }

    QLineEdit* Edit(int id) const { return dialog->findChild<QLineEdit*>(QString::number(id)); }
    QColor Pixel(const QWidget* widget, QPoint where) const {
        return dialog->grab().toImage().pixelColor(widget->mapTo(dialog.get(), where));
    }

    platform::FakePlatform platform;
    std::unique_ptr<test::TestDialog> dialog;
};

TEST_F(AppearanceTest, FocusFrameSurroundsTheFocusedControlAndFollowsTab) {
    const FocusFrame* frame = dialog->GetFocusFrame();
    ASSERT_NE(frame, nullptr);
    // The first control that takes the focus has it after initialisation.
    QWidget* first = QApplication::focusWidget();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(frame->Target(), first);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), first->geometry().adjusted(-FocusFrame::kMargin, -FocusFrame::kMargin,
                                                            FocusFrame::kMargin, FocusFrame::kMargin));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* second = QApplication::focusWidget();
    ASSERT_NE(second, first);
    EXPECT_EQ(frame->Target(), second);
    EXPECT_TRUE(frame->geometry().contains(second->geometry()));

    // It takes no clicks: the control under its ring still gets them.
    EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    // Drawn: black right outside the control, white at the ring's outer edge.
    const QImage shot = dialog->grab().toImage();
    const QPoint topLeft = second->geometry().topLeft();
    EXPECT_EQ(shot.pixelColor(topLeft + QPoint(-1, -1)), FocusFrame::InnerColor());
    EXPECT_EQ(shot.pixelColor(topLeft + QPoint(-FocusFrame::kMargin, -FocusFrame::kMargin)),
              FocusFrame::OuterColor());
}

TEST_F(AppearanceTest, FocusFrameStandsOutOnTheDialogBlue) {
    // WCAG asks 3:1 for a focus indicator against what surrounds it.
    EXPECT_GE(Contrast(FocusFrame::InnerColor(), kDialogBlue), 3.0);
    // The style's own focus mark, in the highlight colour, does not.
    EXPECT_LT(Contrast(dialog->palette().color(QPalette::Highlight), kDialogBlue), 3.0);
}

TEST_F(AppearanceTest, FocusFrameLeavesWithTheFocus) {
    Edit(1002)->setFocus();
    ASSERT_EQ(dialog->GetFocusFrame()->Target(), Edit(1002));
    Edit(1002)->clearFocus();
    EXPECT_EQ(dialog->GetFocusFrame()->Target(), nullptr);
    EXPECT_FALSE(dialog->GetFocusFrame()->isVisible());
}

TEST_F(AppearanceTest, ReadOnlyFieldsAreDrawnGreyAndTurnWhiteWhenEditable) {
    QLineEdit* readOnly = Edit(1005);
    QLineEdit* editable = Edit(1004);
    ASSERT_TRUE(readOnly->isReadOnly());
    const QPoint inside(readOnly->width() - 6, readOnly->height() / 2);  // right of any text
    EXPECT_EQ(Pixel(readOnly, inside), EditField::ReadOnlyBackground());
    EXPECT_EQ(Pixel(editable, inside), QColor(Qt::white));

    // Read-only state changed at run time, as the setup dialogs do when the mode changes.
    dialog->GetEdit(1005)->SetReadOnly(false);
    dialog->GetEdit(1004)->SetReadOnly(true);
    EXPECT_EQ(Pixel(readOnly, inside), QColor(Qt::white));
    EXPECT_EQ(Pixel(editable, inside), EditField::ReadOnlyBackground());
    // Text stays dark on both.
    EXPECT_GE(Contrast(editable->palette().color(QPalette::Text), EditField::ReadOnlyBackground()), 4.5);
}

}  // namespace
}  // namespace corvane
