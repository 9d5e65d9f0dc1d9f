#include "tests/soak/SoakScript.h"

#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/ProgramWords.h"
#include "tests/support/DialogWindows.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace soak {
namespace {

using testsupport::kUnstable;
using testsupport::kHighVoltage;
using testsupport::kAreYouSure;
using veltrune::msg::kRemoteWrite;
using veltrune::msg::kRemoteCommand;
using veltrune::msg::kTag;
constexpr uint32_t kRemoteWriteItem = 0x03010011;
// The script keeps values within this many steps above the board's
// defaults, where the firmware's limits lie; built-in profiles may go further.
constexpr uint32_t kWalkRange = 12;

constexpr const char* kApplyFirst = "The setting must be applied before saving it.";

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

// The list is a Unicode window: asked across processes in 8-bit text it
// answers with the first character only.
std::string ListText(HWND list, int index) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_NORMAL, 10000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 10000, &ignored);
    char narrow[512] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

SoakScript::SoakScript(ScriptSetting setting, BoardModel& model, uint32_t seed)
    : m_setting(std::move(setting)), m_model(model), m_random(seed) {}

bool SoakScript::Chance(double probability) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < probability;
}

uint32_t SoakScript::Below(uint32_t bound) {
    return std::uniform_int_distribution<uint32_t>(0, bound - 1)(m_random);
}

void SoakScript::RunOne() {
    // Whatever an earlier operation left queued (a broadcast's reload) is
    // handled before this one starts, as it would be for a person who
    // waits for the window to settle.
    Settle();
    const size_t copy = Below(static_cast<uint32_t>(m_setting.copies.size()));
    const uint32_t choice = Below(100);
    if (choice < 36)
        Step(copy);
    else if (choice < 50)
        Apply(copy);
    else if (choice < 56)
        Undo(copy);
    else if (choice < 64)
        LoadProfile(copy);
    else if (choice < 72)
        SaveProfile(copy);
    else if (choice < 76)
        DeleteProfile(copy);
    else if (choice < 83)
        RemoteWrite(copy);
    else if (choice < 92)
        RemoteCommand(copy);
    else if (choice < 96)
        SuspendAndResume();
    else if (choice < 98)
        OutsideWrite();
    else
        ToggleMoreSettings(copy);
    // "copy 1: Apply, yes" counts as "Apply, yes"; names and values are left out.
    const size_t meanwhile = m_last.find(" [meanwhile");
    std::string kind = m_last.substr(0, meanwhile);
    kind = kind.substr(kind.find(": ") == std::string::npos ? 0 : kind.find(": ") + 2);
    kind = kind.substr(0, kind.find_first_of("\"0123456789("));
    while (!kind.empty() && kind.back() == ' ') kind.pop_back();
    ++m_tally[meanwhile == std::string::npos ? kind : kind + " (interrupted)"];
}

std::string SoakScript::Tally() const {
    std::string text;
    for (const auto& [kind, count] : m_tally) text += " " + kind + " " + std::to_string(count) + ";";
    return text;
}

void SoakScript::Settle() const {
    for (const SoakCopy* copy : m_setting.copies) EXPECT_TRUE(copy->Drain(*m_setting.service)) << "copy hangs";
}

std::vector<uint32_t> SoakScript::Steppable(size_t copy) const {
    std::vector<uint32_t> items;
    for (const auto& [item, values] : m_model.Board()) {
        HWND button = m_setting.copies[copy]->Control(SoakCopy::Part(item, "Increase"));
        if (button && IsWindowVisible(button)) items.push_back(item);
    }
    return items;
}

uint32_t SoakScript::OutsideValue(uint32_t item) {
    const ItemInfo& info = m_model.Item(item);
    return Below(std::max(1u, std::min(info.stepCount, info.defaultIndex + kWalkRange + 1)));
}

// A tool beside the program (or the firmware on its own) changes one value,
// one core's ratio among them, and tells nobody: the copies' bars keep what
// they showed, and their next Apply writes that back.
void SoakScript::OutsideWrite() {
    auto held = m_model.Board().begin();
    std::advance(held, Below(static_cast<uint32_t>(m_model.Board().size())));
    const uint32_t item = held->first;
    const uint32_t core = Below(static_cast<uint32_t>(held->second.size()));
    const uint32_t value = OutsideValue(item);
    m_last = "outside write " + Hex(item) + " core " + std::to_string(core) + " = " + std::to_string(value);
    SimulatedBoard::Poke(item, core, value);
    m_model.Poke(item, core, value);
}

void SoakScript::ToggleMoreSettings(size_t copy) {
    m_last = "copy " + std::to_string(copy) + ": more settings";
    HWND more = m_setting.copies[copy]->Control("MoreSetting");
    ASSERT_NE(more, nullptr);
    m_setting.copies[copy]->Click(more);
}

void SoakScript::Interrupt(size_t copy) {
    if (m_interrupting) return;
    m_interrupting = true;
    const std::string before = m_last;
    const size_t other = (copy + 1) % m_setting.copies.size();
    switch (Below(6)) {
    case 4:
        SaveProfile(other);
        break;
    case 5:
        DeleteProfile(other);
        break;
    case 0:
        RemoteWrite(other);
        break;
    case 1:
        RemoteCommand(other);
        break;
    case 2:
        RemoteCommand(copy);
        break;
    default:
        SuspendAndResume();
        break;
    }
    m_last = before + " [meanwhile " + m_last + "]";
    m_interrupting = false;
    Settle();
}

void SoakScript::Step(size_t copy) {
    const std::vector<uint32_t> steppable = Steppable(copy);
    ASSERT_FALSE(steppable.empty()) << "copy " << copy << " shows no step buttons";
    const uint32_t item = steppable[Below(static_cast<uint32_t>(steppable.size()))];
    const uint32_t now = m_model.Copy(copy).bars.at(item).front();
    const ItemInfo& info = m_model.Item(item);
    int delta = Chance(0.5) ? 1 : -1;
    if (now >= info.defaultIndex + kWalkRange) delta = -1;
    if (now == 0 && Chance(0.8)) delta = 1;
    m_last = "copy " + std::to_string(copy) + ": step " + Hex(item) + (delta > 0 ? " up" : " down") + " from " +
             std::to_string(now);
    const SoakCopy& target = *m_setting.copies[copy];
    HWND button = target.Control(SoakCopy::Part(item, delta > 0 ? "Increase" : "Decrease"));
    ASSERT_NE(button, nullptr) << m_last;
    target.Click(button);
    m_model.Step(copy, item, delta);
}

void SoakScript::Apply(size_t copy) {
    const SoakCopy& target = *m_setting.copies[copy];
    HWND apply = target.Control("ApplyButton");
    ASSERT_NE(apply, nullptr);
    const bool enabled = IsWindowEnabled(apply) != FALSE;
    m_last = "copy " + std::to_string(copy) + ": Apply" + (enabled ? "" : " (greyed)");
    EXPECT_EQ(enabled, m_model.Copy(copy).unapplied) << m_last;
    if (!enabled) return;
    const std::vector<const char*> questions =
        m_model.ApplyIsDangerous(copy) ? std::vector<const char*>{kHighVoltage, kAreYouSure}
                                       : std::vector<const char*>{kUnstable};
    std::vector<const char*> buttons;
    bool yes = true;
    for (size_t i = 0; i < questions.size() && yes; ++i) {
        yes = Chance(0.8);
        buttons.push_back(yes ? "YesButton" : "NoButton");
    }
    m_last += yes ? ", yes" : ", no";
    const Values chosen = m_model.Copy(copy).bars;
    testsupport::Click(apply);
    std::vector<std::string> asked;
    if (!m_interrupting && Chance(0.25)) {
        if (!target.WaitFor([&] { return target.ShownDialog(testsupport::kAskDialogClass) != nullptr; })) {
            ADD_FAILURE() << m_last << ": no question";
            return;
        }
        Interrupt(copy);
    }
    asked = Answer(target, buttons);
    EXPECT_EQ(asked, std::vector<std::string>(questions.begin(), questions.begin() + buttons.size())) << m_last;
    if (!yes) return;
    EXPECT_TRUE(target.WaitFor([&] { return !IsWindowEnabled(apply); })) << m_last << ": Apply stays enabled";
    m_model.Apply(copy, chosen);
}

void SoakScript::Undo(size_t copy) {
    m_last = "copy " + std::to_string(copy) + ": Undo";
    const SoakCopy& target = *m_setting.copies[copy];
    HWND undo = target.Control("UndoButton");
    ASSERT_NE(undo, nullptr);
    target.Click(undo);
    m_model.Undo(copy);
}

void SoakScript::LoadProfile(size_t copy) {
    const SoakCopy& target = *m_setting.copies[copy];
    m_last = "copy " + std::to_string(copy) + ": choose a profile";
    HWND drop = target.Control("ProfileSelector.DropButton");
    HWND list = target.Control("ProfileSelector.List");
    ASSERT_TRUE(drop && list) << m_last;
    target.Click(drop);
    ASSERT_TRUE(IsWindowVisible(list)) << m_last << ": the list did not open";
    const int count = static_cast<int>(SendTo(list, LB_GETCOUNT, 0, 0));
    std::vector<std::string> shown;
    for (int i = 0; i < count; ++i) shown.push_back(ListText(list, i));
    // Built-in profiles first, then the files in the folder's own order.
    std::vector<std::string> expected = m_setting.builtInNames;
    const size_t builtIn = expected.size();
    std::vector<std::string> files(shown.begin() + static_cast<long>(std::min(builtIn, shown.size())), shown.end());
    std::vector<std::string> modelFiles;
    for (const auto& [name, entries] : m_model.Profiles()) modelFiles.push_back(name);
    std::vector<std::string> sortedFiles = files;
    std::sort(sortedFiles.begin(), sortedFiles.end());
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + static_cast<long>(std::min(builtIn, shown.size()))),
              expected) << m_last;
    EXPECT_EQ(sortedFiles, modelFiles) << m_last;
    if (count == 0) return;

    const int index = static_cast<int>(Below(static_cast<uint32_t>(count)));
    const std::string name = shown[static_cast<size_t>(index)];
    m_last += " \"" + name + "\"";
    SendTo(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const int top = static_cast<int>(SendTo(list, LB_GETTOPINDEX, 0, 0));
    const int height = static_cast<int>(SendTo(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(20, (index - top) * height + height / 2);
    SendTo(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendTo(list, WM_LBUTTONUP, 0, at);
    if (IsWindowVisible(list)) target.Click(drop);
    EXPECT_FALSE(IsWindowVisible(list)) << m_last << ": the list stays open";

    if (static_cast<size_t>(index) < builtIn) {
        m_model.LoadIntoBars(copy, m_model.BuiltInSettings(m_setting.builtInPairs[static_cast<size_t>(index)]));
    } else {
        const auto saved = m_model.Profiles().find(name);
        ASSERT_NE(saved, m_model.Profiles().end()) << m_last << ": a profile nobody saved";
        m_model.LoadIntoBars(copy, saved->second);
    }
}

bool SoakScript::OpenProfileDialog(size_t copy, HWND& dialog, bool interrupted) {
    const SoakCopy& target = *m_setting.copies[copy];
    HWND save = target.Control("SaveProfileButton");
    if (!save) {
        ADD_FAILURE() << "no SaveProfileButton";
        return false;
    }
    testsupport::Click(save);
    if (m_model.Copy(copy).unapplied) {
        m_last += " (edits pending: warned)";
        EXPECT_EQ(Answer(target, {"OkButton"}), std::vector<std::string>{kApplyFirst}) << m_last;
        return false;
    }
    const bool shown = target.WaitFor([&] { return target.ShownDialog(testsupport::kProfileDialogClass) != nullptr; });
    EXPECT_TRUE(shown) << m_last << ": no save-profile dialog";
    dialog = target.ShownDialog(testsupport::kProfileDialogClass);
    if (dialog && interrupted) Interrupt(copy);
    return dialog != nullptr;
}

void SoakScript::CloseProfileDialog(const SoakCopy& copy) {
    EXPECT_TRUE(copy.WaitFor([&] { return copy.ShownDialog(testsupport::kProfileDialogClass) == nullptr; }))
        << m_last << ": the save-profile dialog stays";
}

void SoakScript::SaveProfile(size_t copy) {
    const std::string& name = m_setting.profileNames[Below(static_cast<uint32_t>(m_setting.profileNames.size()))];
    m_last = "copy " + std::to_string(copy) + ": save \"" + name + "\"";
    HWND dialog = nullptr;
    if (!OpenProfileDialog(copy, dialog, Chance(0.25))) return;
    const bool exists = m_model.Profiles().count(name) != 0;
    const SoakCopy& target = *m_setting.copies[copy];
    testsupport::Type(testsupport::ControlWindow(dialog, "ProfileNameEdit"), name);
    testsupport::Click(testsupport::ControlWindow(dialog, "SaveButton"));
    if (exists) {
        EXPECT_EQ(Answer(target, {"YesButton"}).size(), 1u) << m_last << ": the replace question";
    }
    CloseProfileDialog(target);
    m_model.Save(name);
}

void SoakScript::DeleteProfile(size_t copy) {
    if (m_model.Profiles().empty()) return SaveProfile(copy);
    auto chosen = m_model.Profiles().begin();
    std::advance(chosen, Below(static_cast<uint32_t>(m_model.Profiles().size())));
    const std::string name = chosen->first;
    m_last = "copy " + std::to_string(copy) + ": delete \"" + name + "\"";
    HWND dialog = nullptr;
    if (!OpenProfileDialog(copy, dialog, false)) return;
    const SoakCopy& target = *m_setting.copies[copy];
    testsupport::Type(testsupport::ControlWindow(dialog, "ProfileNameEdit"), name);
    testsupport::Click(testsupport::ControlWindow(dialog, "DeleteButton"));
    EXPECT_EQ(Answer(target, {"YesButton"}).size(), 1u) << m_last << ": the delete question";
    testsupport::Click(testsupport::ControlWindow(dialog, "CancelButton"));
    CloseProfileDialog(target);
    m_model.Delete(name);
}

void SoakScript::RemoteWrite(size_t copy) {
    const uint32_t value = Below(m_model.Item(kRemoteWriteItem).defaultIndex + kWalkRange + 1);
    m_last = "copy " + std::to_string(copy) + ": remote write " + std::to_string(value);
    m_setting.copies[copy]->Send(kRemoteWrite, kTag, static_cast<LPARAM>(value));
    m_model.RemoteWrite(kRemoteWriteItem, value);
}

void SoakScript::RemoteCommand(size_t copy) {
    static constexpr uint32_t kCommands[] = {0x8000, 0x8001, 0x8002, 0x8003, 0x0000, 0x0000,
                                             0x0001, 0x0002, 0x0003, 0x8004};
    const uint32_t command = kCommands[Below(static_cast<uint32_t>(std::size(kCommands)))];
    m_last = "copy " + std::to_string(copy) + ": remote command 0x" + Hex(command);
    m_setting.copies[copy]->Send(kRemoteCommand, kTag, static_cast<LPARAM>(command));
    m_model.RemoteCommand(copy, command, m_setting.builtInPairs);
}

// The system tells every program; while the machine slept the firmware lost
// one setting, which the first resume writes back.
void SoakScript::SuspendAndResume() {
    const std::vector<uint32_t> steppable = Steppable(0);
    ASSERT_FALSE(steppable.empty());
    const uint32_t item = steppable[Below(static_cast<uint32_t>(steppable.size()))];
    const uint32_t value = OutsideValue(item);
    m_last = "suspend, firmware forgets " + Hex(item) + " (now " + std::to_string(value) + "), resume";
    for (size_t copy = 0; copy < m_setting.copies.size(); ++copy) {
        m_setting.copies[copy]->Send(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
        m_model.Suspend(copy);
    }
    SimulatedBoard::Poke(item, 0, value);
    m_model.Poke(item, 0, value);
    for (WPARAM event : {WPARAM{PBT_APMRESUMEAUTOMATIC}, WPARAM{PBT_APMRESUMESUSPEND}})
        for (size_t copy = 0; copy < m_setting.copies.size(); ++copy) {
            m_setting.copies[copy]->Send(WM_POWERBROADCAST, event, 0);
            m_model.Resume(copy);
        }
}

std::vector<std::string> SoakScript::Answer(const SoakCopy& copy, const std::vector<const char*>& buttons) {
    SCOPED_TRACE(m_last);
    return copy.Answering([] {}, buttons);
}

}  // namespace soak
