// What Director does for other programs (messages 1060 and 1061) and for the
// system's suspend and resume.
#include "app/Director.h"

#include "app/Companion.h"
#include "app/Main.h"
#include "app/SafetyNet.h"
#include "app/ocitems/CurrentSettings.h"
#include "app/ocitems/LuOcPrimaryItemSet.h"
#include "app/ocitems/LuOcRatio.h"
#include "app/ocitems/SysCtrlPipeClient.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/StoredProfiles.h"
#include "vendor/VeltruneMessages.h"

namespace {

namespace msg = veltrune::msg;

// Service states in which the service itself is handling the power change.
constexpr DWORD kServiceBusyStates[] = {1, 2};

void NotifyService() {
    SysCtrlPipeClient::Instance().NotifySettingsChanged(0, 0, 0);
}

}  // namespace

void Director::PostSettingsChanged(LPARAM cause) const {
    const UINT broadcast = m_mainForm ? m_mainForm->BroadcastMessage() : 0;
    if (broadcast != 0) PostMessageA(HWND_BROADCAST, broadcast, msg::kSettingsChanged, cause);
}

void Director::OnRemoteWrite(uint32_t value) {
    kiln::SetItemValueMode(kRemoteWriteItem, value, kiln::kWriteModeTuning);
    PostSettingsChanged(msg::kChangedByApply);
}

void Director::OnRemoteCommand(uint32_t command) {
    if (command & msg::kTakeSnapshot)
        m_remoteSnapshot = CollectCurrentSettings(LuOcRatio::Instance(), RatioEntries::CurrentValues);
    const uint32_t action = command & msg::kActionMask;
    if (action == msg::kRestore) {
        if (m_remoteSnapshot.empty()) return;
        LuOcPrimaryItemSet::Instance().Apply(m_remoteSnapshot);
        m_remoteSnapshot.clear();
        PostSettingsChanged(msg::kChangedByApply);
    } else if (action >= msg::kFirstBuiltInProfile && action < msg::kFirstBuiltInProfile + msg::kBuiltInProfiles) {
        ApplyBuiltInProfile(action - msg::kFirstBuiltInProfile);
    }
}

// The built-in profile is laid over the current settings, so items it does
// not name keep their values; pairs for items the board's list does not
// hold are dropped.
void Director::ApplyBuiltInProfile(uint32_t index) const {
    VeOcItemValueList settings = CollectCurrentSettings(LuOcRatio::Instance(), RatioEntries::DefaultIndex);
    std::vector<std::pair<uint32_t, uint32_t>> profile;
    if (!kiln::ReadStoredProfile(index, profile)) return;
    for (const auto& [number, value] : profile)
        for (VeOcItemValue& entry : settings)
            if (entry.number == number) entry.value = value;
    NotifyService();
    LuOcPrimaryItemSet::Instance().Apply(settings);
    PostSettingsChanged(msg::kChangedByBuiltInProfile);
}

bool Director::ServiceAllowsPowerEvent() {
    DWORD state = 0, secondValue = 0;
    if (!SysCtrlPipeClient::Instance().QueryState(state, secondValue)) return false;
    for (DWORD busy : kServiceBusyStates)
        if (state == busy) return false;
    return true;
}

// The minutes after an Apply count only while the machine runs: a suspend
// says nothing about whether the settings hold.
void Director::OnSuspend() {
    SafetyNet::Instance().Pause();
    if (!ServiceAllowsPowerEvent()) return;
    uint32_t options = 0;
    const bool skipRatio = kiln::IsItemPresent(kOptionWordItem) && kiln::GetItemValue(kOptionWordItem, options) &&
                           (options & kOptionSkipRatioAtSuspend);
    m_powerSnapshot = CollectCurrentSettings(LuOcRatio::Instance(),
                                             skipRatio ? RatioEntries::Omitted : RatioEntries::CurrentValues);
}

// The system sends more than one resume event for one wake-up; the first
// that writes the whole snapshot consumes it, so a write that failed is
// tried again at the next one.
void Director::OnResume() {
    SafetyNet::Instance().Continue();
    if (!ServiceAllowsPowerEvent()) return;
    uint32_t companionMode = 0;
    if (kiln::GetItemValue(kCompanionSwitchItem, companionMode) && companionMode != 0) return;
    if (m_powerSnapshot.empty()) return;
    if (LuOcPrimaryItemSet::Instance().Apply(m_powerSnapshot)) m_powerSnapshot.clear();
}
