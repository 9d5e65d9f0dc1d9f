// The main window as a screen reader reads it on the default board, through
// the system's accessibility library in this process: every control's role,
// name, value and state on the compact window and on both pages, and the
// events a reader speaks from.

#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "app/mainwindow/KeyboardAccess.h"
#include "frame/Application.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuRadioButtonTx.h"
#include "tests/support/DialogWindows.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr GUID kIidAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Narrow(BSTR text) {
    if (!text) return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length > 0 ? length - 1 : 0));
    SysFreeString(text);
    return narrow;
}

VARIANT Child(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// One control as a reader hears it.
struct Heard {
    std::string name;
    long role = 0;
    std::string value;
    std::string description;
    long state = 0;
};

Heard Hear(IAccessible& object, long id) {
    Heard heard;
    BSTR text = nullptr;
    if (object.get_accName(Child(id), &text) == S_OK) heard.name = Narrow(text);
    text = nullptr;
    if (object.get_accValue(Child(id), &text) == S_OK) heard.value = Narrow(text);
    text = nullptr;
    if (object.get_accDescription(Child(id), &text) == S_OK) heard.description = Narrow(text);
    VARIANT answer;
    if (SUCCEEDED(object.get_accRole(Child(id), &answer))) heard.role = answer.lVal;
    if (SUCCEEDED(object.get_accState(Child(id), &answer))) heard.state = answer.lVal;
    return heard;
}

// A windowed control as a reader asking its own window hears it.
Heard HearWindow(HWND window) {
    IAccessible* object = nullptr;
    if (AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                   reinterpret_cast<void**>(&object)) != S_OK)
        return {};
    const Heard heard = Hear(*object, CHILDID_SELF);
    object->Release();
    return heard;
}

struct Event {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};
std::vector<Event> g_events;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    g_events.push_back(Event{event, window, object, child});
}

class DefaultBoardAccessible : public InProcessProgram {
protected:
    void SetUp() override {
        InProcessProgram::SetUp();
        Layout().Keyboard()->Focus(nullptr);
        // A control of a hidden window is invisible to a reader.
        Director::Instance().ScreenHeight = [] { return 768; };
        Director::Instance().ShowMainWindow();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(AccessibleObjectFromWindow(Window().Handle(), static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                             reinterpret_cast<void**>(&root)),
                  S_OK);
    }
    void TearDown() override {
        if (root) root->Release();
        InProcessProgram::TearDown();
    }
    // Every child by name, as a reader walks the tree.
    Heard Control(const std::string& name) const {
        LONG count = 0;
        EXPECT_EQ(root->get_accChildCount(&count), S_OK);
        for (long id = 1; id <= count; ++id) {
            Heard heard = Hear(*root, id);
            if (heard.name == name) return heard;
        }
        ADD_FAILURE() << "no accessible control named " << name;
        return {};
    }
    static bool Invisible(const Heard& heard) { return (heard.state & STATE_SYSTEM_INVISIBLE) != 0; }

    IAccessible* root = nullptr;
};

TEST_F(DefaultBoardAccessible, TheCompactWindowTellsEveryControl) {
    const Heard window = Hear(*root, CHILDID_SELF);
    EXPECT_EQ(window.name, "Veltrune");
    EXPECT_EQ(window.role, ROLE_SYSTEM_CLIENT);

    const Heard clock = Control("CPU Base Clock");
    EXPECT_EQ(clock.role, ROLE_SYSTEM_SLIDER);
    EXPECT_EQ(clock.value, "100.0 MHz");
    EXPECT_EQ(clock.description, "in hardware: 100.0 MHz");
    EXPECT_EQ(Control("CPU Core Voltage").value, "1.200 V");
    // Its caption is cut to fit; a reader still hears the whole name.
    EXPECT_EQ(Control("Chipset Core Voltage").role, ROLE_SYSTEM_SLIDER);

    const Heard apply = Control("Apply");
    EXPECT_EQ(apply.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_TRUE(apply.state & STATE_SYSTEM_UNAVAILABLE) << "nothing to apply yet";
    EXPECT_EQ(Control("Close").role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(HearWindow(Find<kiln::AlphaButton>(Part(kClock, "Increase")).Handle()).name,
              "Increase CPU Base Clock");

    const Heard more = Control("More Setting");
    EXPECT_EQ(more.role, ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_FALSE(more.state & STATE_SYSTEM_CHECKED);

    const Heard selector = Control("Profiles");
    EXPECT_EQ(selector.role, ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(selector.value, "");

    EXPECT_TRUE(Invisible(Control("Advance Mode")));
    EXPECT_TRUE(Invisible(Control("Core 1 ratio")));
}

TEST_F(DefaultBoardAccessible, TheAdvancePageAndTheRatioPageShowTheirControls) {
    Click(*Layout().MoreSetting());
    EXPECT_TRUE(Control("More Setting").state & STATE_SYSTEM_CHECKED);
    const Heard own = HearWindow(Layout().MoreSetting()->Handle());
    EXPECT_EQ(own.name, "More Setting");
    EXPECT_EQ(own.role, ROLE_SYSTEM_CHECKBUTTON) << "its own window says the same";
    EXPECT_TRUE(own.state & STATE_SYSTEM_CHECKED);
    const Heard advance = Control("Advance Mode");
    EXPECT_EQ(advance.role, ROLE_SYSTEM_PAGETAB);
    EXPECT_TRUE(advance.state & STATE_SYSTEM_SELECTED);
    EXPECT_FALSE(Invisible(advance));
    const Heard row = Control("CPU PLL Voltage");
    EXPECT_EQ(row.role, ROLE_SYSTEM_SLIDER);
    EXPECT_FALSE(Invisible(row));
    EXPECT_TRUE(Invisible(Control("Core 1 ratio")));

    Click(*Layout().RatioTab());
    EXPECT_FALSE(Control("Advance Mode").state & STATE_SYSTEM_SELECTED);
    EXPECT_TRUE(Control("CPU Ratio").state & STATE_SYSTEM_SELECTED);
    EXPECT_EQ(HearWindow(Layout().RatioTab()->Handle()).role, ROLE_SYSTEM_PAGETAB);
    EXPECT_TRUE(Invisible(Control("CPU PLL Voltage")));
    const Heard core = Control("Core 1 ratio");
    EXPECT_EQ(core.role, ROLE_SYSTEM_SLIDER);
    EXPECT_FALSE(Invisible(core));
    EXPECT_EQ(core.value, "34 (3400 MHz)");
    EXPECT_EQ(core.description, "in hardware: 34");
    EXPECT_EQ(Control("Core 4 ratio").value, "34 (3400 MHz)");
    Click(*Layout().AdvanceTab());
}

TEST_F(DefaultBoardAccessible, AReaderHearsTheFocusMoveAndAValueChange) {
    g_events.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Record,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    // Posted, as the mouse's input comes.
    testsupport::Click(Find<kiln::AlphaButton>(Part(kClock, "Increase")).Handle());
    WaitFor([] { return g_events.size() >= 2; }, 2000);
    UnhookWinEvent(hook);

    // The press brings the focus to the slider, then its value changes.
    std::vector<DWORD> heardEvents;
    for (const Event& event : g_events) {
        if (event.window != Window().Handle() || event.object != OBJID_CLIENT) continue;
        IAccessible* source = nullptr;
        VARIANT child;
        ASSERT_EQ(AccessibleObjectFromEvent(event.window, static_cast<DWORD>(event.object),
                                            static_cast<DWORD>(event.child), &source, &child),
                  S_OK);
        const Heard heard = Hear(*source, child.lVal);
        source->Release();
        EXPECT_EQ(heard.name, "CPU Base Clock");
        EXPECT_EQ(heard.value, "100.1 MHz");
        EXPECT_EQ(heard.description, "in hardware: 100.0 MHz");
        heardEvents.push_back(event.event);
    }
    EXPECT_EQ(heardEvents, (std::vector<DWORD>{EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE}));
}

TEST_F(DefaultBoardAccessible, AReaderHearsAProfileChosenAndMoreSettingCheckedHoweverItComes) {
    g_events.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &Record,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    AdvComboBox& selector = *Layout().ProfileSelector();
    selector.Open();
    selector.SetItemIndex(1);  // the board's "Gaming"
    selector.Close();
    testsupport::Click(Layout().MoreSetting()->Handle());
    const HWND moreSetting = Layout().MoreSetting()->Handle();
    const auto heard = [](DWORD kind, HWND window) {
        return std::any_of(g_events.begin(), g_events.end(),
                           [&](const Event& e) { return e.event == kind && e.window == window; });
    };
    WaitFor([&] { return heard(EVENT_OBJECT_STATECHANGE, moreSetting); }, 2000);
    UnhookWinEvent(hook);

    EXPECT_TRUE(heard(EVENT_OBJECT_STATECHANGE, moreSetting)) << "checked by the mouse";
    EXPECT_TRUE(HearWindow(moreSetting).state & STATE_SYSTEM_CHECKED);
    bool profileHeard = false;
    for (const Event& event : g_events) {
        if (event.event != EVENT_OBJECT_VALUECHANGE || event.window != Window().Handle()) continue;
        const Heard changed = Hear(*root, event.child);
        if (changed.name == "Profiles") profileHeard = changed.value == "Gaming";
    }
    EXPECT_TRUE(profileHeard);
}

}  // namespace
}  // namespace controllertest
