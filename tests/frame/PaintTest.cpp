#include "tests/frame/FrameTestSupport.h"

#include "base/Handles.h"
#include "frame/Bitmap.h"
#include "frame/Image.h"
#include "frame/Panel.h"

#include <gtest/gtest.h>

using frametest::App;

namespace {

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        form.SetBorderStyle(frame::BorderStyle::None);
        form.SetClientSize(40, 40);
        form.SetColor(RGB(0, 0, 200));
        image = form.MakeChild<frame::Image>();
        image->SetBounds(10, 10, 10, 10);
        image->Picture().SetSize(10, 10);
        image->Picture().Canvas().Brush().color = RGB(0, 200, 0);
        image->Picture().Canvas().FillRect(RECT{0, 0, 10, 10});
        form.OnPaint = [this](frame::Form*, frame::Canvas& canvas) {
            ++paints;
            canvas.Brush().color = RGB(200, 0, 0);
            canvas.FillRect(RECT{0, 0, 5, 5});
        };
    }

    // Whether the point is in the window's region waiting to be painted.
    bool Marked(int x, int y) {
        base::GdiRegion update(CreateRectRgn(0, 0, 0, 0));
        GetUpdateRgn(form.Handle(), update.Get(), FALSE);
        return PtInRegion(update.Get(), x, y) != FALSE;
    }

    void Print(frame::Bitmap& target) {
        SendMessageA(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Canvas().Handle()),
                     PRF_CLIENT | PRF_ERASEBKGND);
    }

    frame::Form form;
    frame::Image* image = nullptr;
    int paints = 0;
};

TEST_F(PaintTest, BackgroundThenOwnPaintingThenWindowlessChildren) {
    frame::Bitmap picture(40, 40, frame::PixelFormat::Bits24);
    Print(picture);
    EXPECT_EQ(picture.PixelColor(30, 30), RGB(0, 0, 200));
    EXPECT_EQ(picture.PixelColor(2, 2), RGB(200, 0, 0));
    EXPECT_EQ(picture.PixelColor(15, 15), RGB(0, 200, 0));
    EXPECT_EQ(paints, 1);
}

TEST_F(PaintTest, AnOpaqueControlIsNotErasedFirst) {
    form.SetOpaque(true);
    frame::Bitmap picture(40, 40, frame::PixelFormat::Bits24);
    Print(picture);
    EXPECT_EQ(picture.PixelColor(30, 30), RGB(0, 0, 0)) << "left as it was";
    EXPECT_EQ(picture.PixelColor(15, 15), RGB(0, 200, 0));
}

TEST_F(PaintTest, DoubleBufferedPaintingErasesIntoTheBuffer) {
    form.SetDoubleBuffered(true);
    form.Show();
    std::vector<DWORD> eraseTargets;  // object types of the erased DCs
    frame::WindowProcedure previous = form.WindowProc();
    form.SetWindowProc([&](frame::Message& message) {
        if (message.msg == WM_ERASEBKGND)
            eraseTargets.push_back(GetObjectType(reinterpret_cast<HGDIOBJ>(message.wParam)));
        previous(message);
    });
    paints = 0;
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    form.SetWindowProc(previous);
    EXPECT_EQ(paints, 1);
    // The system's own erase of the window may come too, but one erase went
    // to a memory DC, which is the buffer.
    EXPECT_NE(std::find(eraseTargets.begin(), eraseTargets.end(), static_cast<DWORD>(OBJ_MEMDC)), eraseTargets.end());

    // A repaint of part of the window draws the controls at their places
    // and nothing outside that part.
    image->Picture().Canvas().Brush().color = RGB(0, 0, 90);
    image->Picture().Canvas().FillRect(RECT{0, 0, 10, 10});
    ValidateRect(form.Handle(), nullptr);  // the change's own repaint would cover the whole image
    const RECT part{12, 13, 18, 17};
    RedrawWindow(form.Handle(), &part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(form.Handle());
    EXPECT_EQ(GetPixel(screen, 12, 13), RGB(0, 0, 90));
    EXPECT_EQ(GetPixel(screen, 17, 16), RGB(0, 0, 90));
    EXPECT_EQ(GetPixel(screen, 11, 11), RGB(0, 200, 0)) << "outside the part";
    EXPECT_EQ(GetPixel(screen, 2, 2), RGB(200, 0, 0));

    // Paints one after the other share a buffer: a moved control leaves no
    // trail of the last paint behind.
    image->SetBounds(25, 25, 10, 10);
    UpdateWindow(form.Handle());
    EXPECT_EQ(GetPixel(screen, 15, 15), RGB(0, 0, 200));
    EXPECT_EQ(GetPixel(screen, 30, 30), RGB(0, 0, 90));
    ReleaseDC(form.Handle(), screen);
}

}  // namespace

// A moved control leaves no trail: its old place and its new one are marked,
// and only the space between them when the two overlap.
TEST_F(PaintTest, AMovedControlMarksWhereItWasAndWhereItIs) {
    form.Show();
    ValidateRect(form.Handle(), nullptr);
    image->SetBounds(11, 10, 10, 10);
    EXPECT_TRUE(Marked(10, 15) && Marked(20, 15));

    ValidateRect(form.Handle(), nullptr);
    image->SetBounds(11, 28, 10, 10);
    EXPECT_TRUE(Marked(15, 15) && Marked(15, 30));
    EXPECT_FALSE(Marked(15, 24)) << "apart, the two places are marked each on its own";
}

// Controls changed while a message is handled are marked together when the
// message ends: none of the marks is lost on the way.
TEST_F(PaintTest, MarksMadeDuringAMessageReachTheWindowWhenItEnds) {
    form.Show();
    auto* other = form.MakeChild<frame::Image>();
    other->SetBounds(25, 25, 5, 5);
    bool markedWhileHandling = true;
    image->OnMouseMove = [&](frame::Control*, frame::ShiftState, int, int) {
        image->SetBounds(0, 0, 10, 10);
        other->SetBounds(30, 30, 5, 5);
        markedWhileHandling = Marked(5, 5);
    };
    ValidateRect(form.Handle(), nullptr);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
    EXPECT_FALSE(markedWhileHandling);
    EXPECT_TRUE(Marked(5, 5) && Marked(15, 15) && Marked(27, 27) && Marked(32, 32));
    EXPECT_FALSE(Marked(22, 5));
}

// A window that paints itself whole paints what a message changed as soon as
// the message ends, or when a control is updated, with no WM_PAINT; a
// message handled inside it (a query sent meanwhile) leaves the outer marks
// alone.
TEST_F(PaintTest, ABufferedOpaqueWindowPaintsTheMarksWhenTheOuterMessageEnds) {
    form.SetDoubleBuffered(true);
    form.SetOpaque(true);
    form.SetBounds(200, 150, form.Width(), form.Height());  // client and screen coordinates differ
    auto* panel = form.MakeChild<frame::Panel>();
    panel->SetBounds(0, 30, 8, 8);
    form.Show();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    bool handledInside = false;
    bool panelLeftMarked = true;
    image->OnMouseMove = [&](frame::Control*, frame::ShiftState, int, int) {
        image->SetBounds(25, 25, 10, 10);
        const int before = paints;
        SendMessageA(form.Handle(), WM_NULL, 0, 0);
        handledInside = paints != before || Marked(30, 30);
        // A window's own repaint is not among the held marks, whatever
        // painting them at once did.
        panel->Repaint();
        panelLeftMarked = GetUpdateRect(panel->Handle(), nullptr, FALSE) != FALSE;
    };
    paints = 0;
    SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
    EXPECT_FALSE(handledInside);
    EXPECT_FALSE(panelLeftMarked);
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(Marked(15, 15) || Marked(30, 30)) << "nothing left for WM_PAINT";
    HDC screen = GetDC(form.Handle());
    EXPECT_EQ(GetPixel(screen, 30, 30), RGB(0, 200, 0));
    ReleaseDC(form.Handle(), screen);
}
