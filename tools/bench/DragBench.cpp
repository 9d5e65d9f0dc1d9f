// Measures one drag step of the main window's value widgets on the default
// simulated board, in the program's own window with all its controls: the
// pointer moves one pixel with the button held, and the step ends when the
// widget is repainted. The large slider reads its bar
// picture from disk on every step; the ratio bar reads the core's ratio and
// the base clock from the firmware. Prints the median and the 90th
// percentile of each as milliseconds and as a fraction of a 60 Hz frame.
//
//   dragbench [steps]
#include "app/Director.h"
#include "app/Main.h"
#include "app/Shadow.h"
#include "app/mainwindow/VeltruneLayout.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuRadioButtonTx.h"
#include "frame/Application.h"
#include "frame/Image.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <vector>

namespace {

constexpr double kFrameMs = 1000.0 / 60.0;

void Pump() {
    frame::Application::Instance().ProcessMessages();
}

void Send(UINT message, WPARAM keys, POINT at) {
    SendMessageA(MainForm->Handle(), message, keys, MAKELPARAM(at.x, at.y));
}

POINT Centre(const frame::Control& control) {
    return POINT{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
}

// Times `steps` calls of step(i), each followed by the repaint it caused.
std::vector<double> Time(int steps, const std::function<void(int)>& step) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < steps; ++i) {
        QueryPerformanceCounter(&start);
        step(i);
        UpdateWindow(MainForm->Handle());
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
        Pump();
    }
    return times;
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p90 = times[times.size() * 9 / 10];
    std::printf("%-28s median %7.3f ms = %.3f frame   90%% %7.3f ms = %.3f frame   (%zu steps)\n", what, median,
                median / kFrameMs, p90, p90 / kFrameMs, times.size());
}

// The knob is dragged back and forth by one pixel, so every step moves it.
std::vector<double> DragLargeSlider(int steps) {
    auto& bar = static_cast<AdvScrollBar&>(*VeltruneLayout::Instance().AllBars().front());
    bar.SetPosition(bar.Max() / 2);
    const POINT at = Centre(bar.Knob());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    std::vector<double> times = Time(steps, [&](int i) { Send(WM_MOUSEMOVE, MK_LBUTTON, POINT{at.x + i % 2, at.y}); });
    Send(WM_LBUTTONUP, 0, at);
    return times;
}

std::vector<double> DragRatioBar(int steps) {
    VeltruneLayout& layout = VeltruneLayout::Instance();
    layout.RatioTab()->SetChecked(true);
    layout.ShowExpanded();
    AdvRatioBar& bar = *layout.RatioBars().front();
    Send(WM_MOUSEMOVE, 0, POINT{bar.Left() + 30, bar.Top() + 20});
    const POINT at = Centre(bar.Knob());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    std::vector<double> times = Time(steps, [&](int i) { Send(WM_MOUSEMOVE, MK_LBUTTON, POINT{at.x, at.y - i % 2}); });
    Send(WM_LBUTTONUP, 0, at);
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::max(11, std::atoi(argv[1])) : 301;
    try {
        frame::Application& application = frame::Application::Instance();
        application.Initialize();
        application.SetTitle("Veltrune");
        MainForm = application.CreateForm<TMainForm>();
        ShadowForm = application.CreateForm<TShadowForm>(MainForm->Handle());
        Director::Instance().Initialize(MainForm);
        ShadowForm->PlaceAtStart(*MainForm);
        Director::Instance().ShowMainWindow();
        Pump();
        Report("large slider drag step", DragLargeSlider(steps));
        Report("ratio bar drag step", DragRatioBar(steps));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dragbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
