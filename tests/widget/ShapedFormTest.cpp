#include "kiln/widget/LayeredFormMaker.h"

#include "WidgetTestSupport.h"
#include "frame/Application.h"
#include "frame/Form.h"
#include "frame/Image.h"

#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>
#include <vector>

namespace {

using widgettest::AssertionStop;
using widgettest::PaintPicture;
using widgettest::ThrowingAsserts;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBlue = RGB(0, 0, 200);

class ShapedFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame::Application::Instance().Initialize();
        form = std::make_unique<frame::Form>();
        form->SetName("ShapedForm");
        form->SetScaled(false);
        form->SetClientSize(300, 200);
        image = form->MakeChild<frame::Image>();
        PaintPicture(image->Picture(), 120, 80, kBlue, kMagenta, RECT{40, 20, 80, 60});
    }

    std::unique_ptr<frame::Form> form;
    frame::Image* image = nullptr;
};

TEST_F(ShapedFormTest, FormTakesPictureSizeShapeAndKeyColour) {
    kiln::TLayeredFormMaker maker;
    ASSERT_TRUE(maker.Attach(image));
    EXPECT_TRUE(maker.IsAttached());
    EXPECT_EQ(form.get(), maker.Form());
    EXPECT_EQ(frame::BorderStyle::None, form->BorderStyle());
    EXPECT_EQ(120, form->ClientWidth());
    EXPECT_EQ(80, form->ClientHeight());
    EXPECT_EQ(kMagenta, frame::ColorToRGB(maker.TransparentColor()));
    EXPECT_EQ(kMagenta, frame::ColorToRGB(form->GetColor()));

    HWND window = form->Handle();
    EXPECT_EQ(WS_EX_LAYERED, GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(kMagenta, key);
    EXPECT_EQ(DWORD(LWA_COLORKEY), flags);

    maker.RemoveFromWindow(window);
    EXPECT_EQ(0, GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
}

TEST_F(ShapedFormTest, NoImageOrImageOnNoFormIsRefusedWithoutChange) {
    kiln::TLayeredFormMaker maker;
    EXPECT_FALSE(maker.Attach(nullptr));
    frame::Image loose;
    EXPECT_FALSE(maker.Attach(&loose));
    EXPECT_FALSE(maker.IsAttached());
    EXPECT_EQ(300, form->ClientWidth());
    // A refused attach leaves the maker free for a real one.
    EXPECT_TRUE(maker.Attach(image));
}

TEST_F(ShapedFormTest, AttachingTwiceIsAProgrammingError) {
    kiln::TLayeredFormMaker maker;
    ASSERT_TRUE(maker.Attach(image));
    ThrowingAsserts asserts;
    try {
        maker.Attach(image);
        FAIL() << "second attach went through";
    } catch (const AssertionStop& stop) {
        EXPECT_NE(std::string::npos,
                  std::string(stop.what()).find("Assertion failed: !IsAttached(), file kiln/widget/Source/TShapedForm"));
    }
}


TEST_F(ShapedFormTest, ScaledFormIsToldAndStopped) {
    form->SetScaled(true);
    kiln::TLayeredFormMaker maker;
    testsupport::MessageRecorder recorder;
    try {
        maker.Attach(image);
        FAIL() << "a scaled form was shaped";
    } catch (const AssertionStop& stop) {
        EXPECT_NE(std::string::npos, std::string(stop.what())
                                         .find("Assertion failed: m_form->Scaled == false, file "
                                               "kiln/widget/Source/TShapedForm, line "));
    }
    const auto& shown = testsupport::MessageRecorder::Messages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Scaled is not set false", shown[0].first);
    EXPECT_EQ("ShapedForm", shown[0].second);
}

// Presses a mouse button on the form's client area, as the system would
// deliver it, and collects what the form's own window procedure receives.
class DragTest : public ShapedFormTest {
protected:
    void SetUp() override {
        ShapedFormTest::SetUp();
        image->OnMouseDown = [this](frame::Control*, frame::MouseButton button, frame::ShiftState, int, int) {
            earlierHandlerButtons.push_back(button);
        };
        ASSERT_TRUE(maker.Attach(image));
        frame::WindowProcedure standard = form->WindowProc();
        form->SetWindowProc([this, standard](frame::Message& message) {
            // The system's move loop would wait for a real mouse release.
            if (message.msg == WM_NCLBUTTONDOWN) {
                captionPresses.push_back(message.wParam);
                return;
            }
            standard(message);
        });
    }

    void Press(UINT down, UINT up, WPARAM keys) {
        HWND window = form->Handle();
        SendMessageW(window, down, keys, MAKELPARAM(10, 10));
        SendMessageW(window, up, 0, MAKELPARAM(10, 10));
    }

    kiln::TLayeredFormMaker maker;
    std::vector<frame::MouseButton> earlierHandlerButtons;
    std::vector<WPARAM> captionPresses;
};

TEST_F(DragTest, LeftButtonMovesTheFormAndEveryButtonReachesTheEarlierHandler) {
    Press(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    ASSERT_EQ(1u, captionPresses.size());
    EXPECT_EQ(WPARAM(HTCAPTION), captionPresses[0]);

    Press(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
    EXPECT_EQ(1u, captionPresses.size());
    EXPECT_EQ((std::vector<frame::MouseButton>{frame::MouseButton::Left, frame::MouseButton::Right}),
              earlierHandlerButtons);
}

// A maker that dies before its form must not leave a handler on the picture
// that reaches into it: the picture gets back the handler it had before.
TEST_F(ShapedFormTest, MakerDyingBeforeItsFormGivesThePictureBackItsHandler) {
    std::vector<frame::MouseButton> earlierHandlerButtons;
    auto earlier = [&](frame::Control*, frame::MouseButton button, frame::ShiftState, int, int) {
        earlierHandlerButtons.push_back(button);
    };
    image->OnMouseDown = earlier;
    auto maker = std::make_unique<kiln::TLayeredFormMaker>();
    ASSERT_TRUE(maker->Attach(image));
    ASSERT_NE(typeid(earlier), image->OnMouseDown.target_type());
    maker.reset();
    EXPECT_EQ(typeid(earlier), image->OnMouseDown.target_type());

    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(std::vector<frame::MouseButton>{frame::MouseButton::Left}, earlierHandlerButtons);

    // Detached, a maker can shape the form again.
    kiln::TLayeredFormMaker second;
    EXPECT_TRUE(second.Attach(image));
    second.Detach();
    EXPECT_FALSE(second.IsAttached());
    EXPECT_EQ(typeid(earlier), image->OnMouseDown.target_type());
}

}  // namespace
