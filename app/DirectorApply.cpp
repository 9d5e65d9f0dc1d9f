// What Director does with the values of the window's bars: apply them after
// the right confirmations, undo edits, reload them when the firmware
// settings change.
#include "app/Director.h"

#include "app/Calibration.h"
#include "app/Companion.h"
#include "app/FirmwareRevision.h"
#include "app/Main.h"
#include "app/SafetyNet.h"
#include "app/TunevaultLibrary.h"
#include "app/mainwindow/VeltruneLayout.h"
#include "app/ocitems/LuOcLimitCheck.h"
#include "app/ocitems/LuOcPrimaryItemSet.h"
#include "app/ocitems/LuOcRatio.h"
#include "app/ocitems/SysCtrlPipeClient.h"
#include "kiln/arvex/BiosInterface.h"
#include "vendor/VeltruneMessages.h"

#include <map>

namespace {

constexpr const char* kUnstableQuestion = "The setting may cause your system unstable. Do you want to continue?";
constexpr const char* kCompanionQuestion =
    "Veltrune will now overclock your system, and Wattmind will automatically switch back to High Performance "
    "mode. Are you sure to continue?";
constexpr const char* kHighVoltageQuestion =
    "You choose high level voltage to overclock. Using this setting does not guarantee CPU life. Do you want to "
    "continue?";
constexpr const char* kAreYouSure = "Are you sure?";

bool CompanionModeActive() {
    uint32_t mode = 0;
    return kiln::GetItemValue(kCompanionSwitchItem, mode) && mode != 0;
}

}  // namespace

// The table is asked once per item, however many bars show it (the ratio
// has one per core).
bool Director::AnyAboveLimit(const VeOcItemValueList& chosen) {
    LuOcLimitCheck& limits = LuOcLimitCheck::Instance();
    std::map<uint32_t, uint32_t> limitOf;
    for (const VeOcItemValue& entry : chosen) {
        const uint32_t argument = kiln::ItemLocal(entry.number);
        auto known = limitOf.find(argument);
        if (known == limitOf.end()) known = limitOf.emplace(argument, limits.Limit(argument)).first;
        if (LuOcLimitCheck::Exceeds(known->second, entry.value)) return true;
    }
    return false;
}

// While the companion's power-saving mode is on, the overclock switches it
// off, with two questions first; otherwise a voltage above the firmware's
// limit takes two alarming questions and anything else one plain one.
bool Director::ConfirmApply(POINT at, const VeOcItemValueList& chosen) const {
    const TunevaultLibrary& dialogs = TunevaultLibrary::Instance();
    constexpr int yes = TunevaultLibrary::kYes;
    if (CompanionModeActive()) {
        if (dialogs.Ask(kUnstableQuestion, at) != yes || dialogs.Ask(kCompanionQuestion, at) != yes) return false;
        if (HWND companion = FindCompanionMainWindow())
            PostMessageA(companion, veltrune::msg::kCompanionHighPerformance, veltrune::msg::kTag, 0);
        kiln::SetItemValue(kCompanionSwitchItem, 0);
        return true;
    }
    if (AnyAboveLimit(chosen))
        return dialogs.AskDanger(kHighVoltageQuestion, at) == yes && dialogs.AskDanger(kAreYouSure, at) == yes;
    return dialogs.Ask(kUnstableQuestion, at) == yes;
}

// What the bars hold at the click is what Yes writes. A question's loop
// still delivers other programs' broadcasts, whose refresh puts the
// firmware's values back into the bars while the user reads the question;
// the list taken first is not touched by it.
bool Director::Apply() {
    const POINT at = AnchoredDialogPosition();
    const VeOcItemValueList chosen = ChosenValues();
    if (!ConfirmApply(at, chosen)) return false;
    SafetyNet& net = SafetyNet::Instance();
    net.BeginApply();
    LuOcPrimaryItemSet::Instance().Apply(chosen, &net);
    net.EndApply();
    SysCtrlPipeClient::Instance().NotifySettingsChanged(0, 0, 0);
    PostSettingsChanged(veltrune::msg::kChangedByApply);
    if (FirmwareRevision3OrLater()) MarkCalibrationNeeded();
    SetUnappliedChanges(false);
    return true;
}

// A bar whose firmware value could not be read shows a stand-in that nobody
// chose: it is read once more, and if that fails too its item is left as
// the firmware has it. Ratio values reach the cores by their place in the
// list, so one core that stays unknown keeps the whole ratio as it is.
VeOcItemValueList Director::ChosenValues() {
    {
        const LoadingScope loading(m_loading);
        for (AdvBar* bar : m_layout->AllBars())
            if (!bar->ValueKnown()) bar->RefreshFromItem();
    }
    VeOcItemValueList values;
    bool ratioKnown = true;
    for (AdvBar* bar : m_layout->AllBars()) {
        // A bar bound to no item (a locked ratio) has nothing to write.
        const uint32_t number = bar->ItemNumber();
        if (number == 0) continue;
        if (bar->ValueKnown())
            values.push_back({number, static_cast<uint32_t>(bar->Position())});
        else if (kiln::ItemLocal(number) == LuOcRatio::kRatioLocal)
            ratioKnown = false;
    }
    if (!ratioKnown)
        std::erase_if(values, [](const VeOcItemValue& v) { return kiln::ItemLocal(v.number) == LuOcRatio::kRatioLocal; });
    return values;
}

void Director::ValueChanged() {
    if (m_loading) return;
    m_layout->ProfileSelector()->SetItemIndex(-1);
    SetUnappliedChanges(true);
}

// Every bar that changes on the way clears the profile selection, as a
// user's edit does.
void Director::Undo() {
    for (AdvBar* bar : m_layout->AllBars()) bar->RefreshFromItem();
    SetUnappliedChanges(false);
}

// Edits not yet applied give way to the firmware's values, but Apply stays
// as it was: the user may still want to apply what the bars now show.
void Director::RefreshControls() {
    if (!m_mainForm) return;
    const LoadingScope loading(m_loading);
    for (AdvBar* bar : m_layout->AllBars()) bar->RefreshFromItem();
}

// A pending record means the machine went down within two minutes of an
// Apply: the user decides whether the settings from before come back. The
// window is shown first so the question is not one from nowhere.
void Director::OfferRestoreAfterCrash() {
    if (!m_mainForm) return;
    VeOcItemValueList previous;
    std::string appliedAt, setAside;
    SafetyNet& net = SafetyNet::Instance();
    const TunevaultLibrary& dialogs = TunevaultLibrary::Instance();
    switch (net.Inspect(previous, appliedAt, setAside)) {
    case SafetyNet::Finding::Nothing: return;
    case SafetyNet::Finding::Damaged: {
        std::string warning = "The record of the settings from before Veltrune's last Apply is damaged; nothing was "
                              "restored from it.";
        if (!setAside.empty()) warning += " It was kept as " + setAside + ".";
        dialogs.Warn(warning.c_str(), CentredDialogPosition());
        return;
    }
    case SafetyNet::Finding::Pending: break;
    }
    ShowMainWindow();
    const std::string question = "Veltrune applied new settings at " + appliedAt +
                                 " and the system stopped within two minutes. Restore the settings from before?";
    const bool restore = dialogs.Ask(question.c_str(), CentredDialogPosition()) == TunevaultLibrary::kYes;
    net.Remove();
    if (!restore) return;
    LuOcPrimaryItemSet::Instance().Apply(previous);
    SysCtrlPipeClient::Instance().NotifySettingsChanged(0, 0, 0);
    PostSettingsChanged(veltrune::msg::kChangedByApply);
}
