#include "tests/frame/FrameTestSupport.h"

#include "frame/Bitmap.h"
#include "frame/GraphicControl.h"

#include <gtest/gtest.h>

using frametest::App;

namespace {

// Fills itself with one colour and, to prove the clipping, tries to paint
// far beyond its bounds too.
class Block : public frame::GraphicControl {
public:
    explicit Block(frame::Color color) : m_fill(color) {}
    void Paint(frame::Canvas& canvas) override {
        canvas.Brush().color = m_fill;
        canvas.FillRect(RECT{-50, -50, 500, 500});
    }

private:
    frame::Color m_fill;
};

struct MouseLog {
    std::vector<std::string> events;
    void Attach(frame::Control* control, const std::string& name) {
        control->OnMouseDown = [this, name](frame::Control*, frame::MouseButton, frame::ShiftState, int x, int y) {
            events.push_back(name + " down " + std::to_string(x) + "," + std::to_string(y));
        };
        control->OnMouseMove = [this, name](frame::Control*, frame::ShiftState, int x, int y) {
            events.push_back(name + " move " + std::to_string(x) + "," + std::to_string(y));
        };
        control->OnMouseUp = [this, name](frame::Control*, frame::MouseButton, frame::ShiftState, int x, int y) {
            events.push_back(name + " up " + std::to_string(x) + "," + std::to_string(y));
        };
        control->OnClick = [this, name](frame::Control*) { events.push_back(name + " click"); };
    }
};

class GraphicControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        form.SetBorderStyle(frame::BorderStyle::None);
        form.SetClientSize(100, 100);
        bottom = form.MakeChild<Block>(0x0000FF);  // red
        bottom->SetBounds(10, 10, 40, 40);
        top = form.MakeChild<Block>(0x00FF00);  // green
        top->SetBounds(30, 30, 40, 40);
        log.Attach(&form, "form");
        log.Attach(bottom, "bottom");
        log.Attach(top, "top");
        form.HandleNeeded();
    }

    void Send(UINT msg, int x, int y, WPARAM keys = 0) {
        SendMessageA(form.Handle(), msg, keys, MAKELPARAM(x, y));
    }

    frame::Form form;
    Block* bottom = nullptr;
    Block* top = nullptr;
    MouseLog log;
};

TEST_F(GraphicControlTest, PaintedInZOrderAndClippedToTheirBounds) {
    frame::Bitmap target(100, 100, frame::PixelFormat::Bits24);
    form.PaintControls(target.Canvas());
    EXPECT_EQ(target.PixelColor(15, 15), RGB(255, 0, 0));
    EXPECT_EQ(target.PixelColor(35, 35), RGB(0, 255, 0)) << "the later control is on top";
    EXPECT_EQ(target.PixelColor(65, 65), RGB(0, 255, 0));
    EXPECT_EQ(target.PixelColor(5, 5), RGB(0, 0, 0)) << "nothing leaks outside a control";
    EXPECT_EQ(target.PixelColor(80, 20), RGB(0, 0, 0));

    top->Hide();
    form.PaintControls(target.Canvas());
    EXPECT_EQ(target.PixelColor(35, 35), RGB(255, 0, 0));
}

TEST_F(GraphicControlTest, MouseGoesToTheTopmostControlUnderThePointInItsOwnCoordinates) {
    Send(WM_LBUTTONDOWN, 35, 35, MK_LBUTTON);
    Send(WM_LBUTTONUP, 35, 35);
    Send(WM_LBUTTONDOWN, 12, 14, MK_LBUTTON);
    Send(WM_LBUTTONUP, 12, 14);
    Send(WM_LBUTTONDOWN, 90, 5, MK_LBUTTON);
    Send(WM_LBUTTONUP, 90, 5);
    EXPECT_EQ(log.events, (std::vector<std::string>{"top down 5,5", "top up 5,5", "top click", "bottom down 2,4",
                                                    "bottom up 2,4", "bottom click", "form down 90,5", "form up 90,5",
                                                    "form click"}));
}

TEST_F(GraphicControlTest, APressedControlKeepsTheMouseUntilTheButtonIsUp) {
    Send(WM_LBUTTONDOWN, 60, 60, MK_LBUTTON);
    Send(WM_MOUSEMOVE, 15, 15, MK_LBUTTON);  // over the bottom control now
    Send(WM_LBUTTONUP, 15, 15);                // released outside: no click
    Send(WM_MOUSEMOVE, 15, 15);
    EXPECT_EQ(log.events, (std::vector<std::string>{"top down 30,30", "top move -15,-15", "top up -15,-15",
                                                    "bottom move 5,5"}));
}

TEST_F(GraphicControlTest, HiddenAndDisabledControlsAreNotHit) {
    top->Hide();
    Send(WM_LBUTTONDOWN, 35, 35, MK_LBUTTON);
    Send(WM_LBUTTONUP, 35, 35);
    bottom->SetEnabled(false);
    Send(WM_MOUSEMOVE, 35, 35);
    EXPECT_EQ(log.events, (std::vector<std::string>{"bottom down 25,25", "bottom up 25,25", "bottom click",
                                                    "form move 35,35"}));
}

TEST_F(GraphicControlTest, LosingTheCaptureEndsTheRouting) {
    // What happens when a handler starts the system's window-move loop.
    Send(WM_LBUTTONDOWN, 60, 60, MK_LBUTTON);
    ReleaseCapture();
    Send(WM_MOUSEMOVE, 15, 15);
    EXPECT_EQ(log.events, (std::vector<std::string>{"top down 30,30", "bottom move 5,5"}));
}

TEST_F(GraphicControlTest, HandCursorOverAControlThatAsksForIt) {
    top->SetCursor(frame::Cursor::HandPoint);
    form.Show();
    SetWindowPos(form.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
    SetCursorPos(50, 50);
    SendMessageA(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
    SetCursorPos(15, 15);
    SendMessageA(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

}  // namespace
