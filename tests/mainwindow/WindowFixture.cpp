#include "WindowFixture.h"

#include "frame/Image.h"
#include "kiln/Graphics/BitmapView.h"
#include "kiln/widget/LayeredFormMaker.h"

#include <algorithm>
#include <cstring>

namespace mainwindowtest {
namespace {

// One main window for the whole program, shaped from its compact background
// as start-up leaves it, but with none of the layout's controls: each test
// adds the widgets it drives.
class MainWindowEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        testsupport::InProcessDriver::StartWindow();
        MainForm->Background()->Picture().Assign(MainForm->SmallBk()->Picture());
        m_shape.Attach(MainForm->Background());
        frame::Image& coreBk = *MainForm->CoreBk();
        coreBk.SetBounds(29, 279, coreBk.Width(), coreBk.Height());
        MainForm->Show();
        testsupport::PumpMessages();
    }

    // The main form lives until the application object goes, which may be
    // before this environment does.
    void TearDown() override { m_shape.Detach(); }

private:
    kiln::TLayeredFormMaker m_shape;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment);

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

}  // namespace

int EntryOf(const LuOcPrimaryItemSet& items, uint32_t number) {
    for (size_t entry = 0; entry < items.Count(); ++entry)
        if (items.Item(entry) && items.Item(entry)->Number() == number) return static_cast<int>(entry);
    return -1;
}

uint32_t PixelOf(frame::Bitmap& picture, int x, int y) {
    const kiln::PixelView view = kiln::ViewOf(picture);
    uint32_t pixel = 0;
    std::memcpy(&pixel, view.Pixel(x, y), std::min(view.bytesPerPixel, 4));
    return pixel;
}

std::string ShippedBoard(const char* name) {
    return SimulatedBoard::ShippedBoard(name);
}

std::string TestBoard(const char* name) {
    return std::string(MAINWINDOW_BOARD_DIR "/") + name;
}

void WindowTest::SetUp() {
    m_controlsBefore = MainForm->Controls().size();
    LoadBoard("");
}

void WindowTest::TearDown() {
    MainForm->SetHoverTarget(HoverSlot{});
    std::vector<frame::Control*> controls = MainForm->Controls();
    for (size_t i = m_controlsBefore; i < controls.size(); ++i) MainForm->RemoveControl(controls[i]);
    SimulatedBoard::ClearFaults();
    testsupport::PumpMessages();
}

void WindowTest::LoadBoard(const std::string& path) {
    m_sets.reset();
    SimulatedBoard::Load(path);
    m_sets = std::make_unique<BoardSets>();
}

void WindowTest::Move(int x, int y, bool leftHeld) {
    SendMessageA(MainForm->Handle(), WM_MOUSEMOVE, leftHeld ? MK_LBUTTON : 0, At(x, y));
}

void WindowTest::Press(int x, int y, UINT message) {
    const WPARAM keys = message == WM_LBUTTONDOWN ? MK_LBUTTON : message == WM_RBUTTONDOWN ? MK_RBUTTON : 0;
    SendMessageA(MainForm->Handle(), message, keys, At(x, y));
}

void WindowTest::Release(int x, int y, UINT message) {
    SendMessageA(MainForm->Handle(), message, 0, At(x, y));
}

POINT WindowTest::Centre(const frame::Control& control) {
    return POINT{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
}

}  // namespace mainwindowtest
