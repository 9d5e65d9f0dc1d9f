// The profile commands: the selector's list, loading a chosen profile into
// the bars, and saving the applied settings through the dialog library.
#include "app/Director.h"

#include "app/Main.h"
#include "app/TunevaultLibrary.h"
#include "app/mainwindow/VeltruneLayout.h"
#include "app/ocitems/LuOcRatio.h"
#include "app/profiles/BuiltInProfiles.h"
#include "app/profiles/VeOcItemProfile.h"
#include "frame/ListBox.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/fileutl/ProfileFolder.h"
#include "kiln/fileutl/ProfileNames.h"

// Built-in profiles first, so that an index below their count names one.
std::vector<std::string> Director::ProfileNames() const {
    BuiltInProfiles& builtIn = BuiltInProfiles::Instance();
    builtIn.ReadAgainIfIncomplete();
    std::vector<std::string> names = builtIn.Names();
    for (std::string& name : kiln::ListProfileNames(kiln::GetProfileFolder())) names.push_back(std::move(name));
    return names;
}

void Director::FillProfileList(frame::ListBox& list) const {
    list.Clear();
    list.BeginUpdate();
    for (const std::string& name : ProfileNames()) list.AddItem(name);
    list.EndUpdate();
}

// The profile only fills the bars; nothing reaches the firmware before Apply.
// The selector shows a name only while the bars hold that profile: one that
// cannot be read is named to the user and the selector shows what it showed
// before.
void Director::LoadChosenProfile() {
    AdvComboBox& selector = *m_layout->ProfileSelector();
    const int chosen = selector.ItemIndex();
    m_lastPickLoaded = false;
    if (chosen < 0) return;
    VeOcItemProfile profile;
    const size_t builtIn = BuiltInProfiles::Instance().Count();
    const bool loaded =
        static_cast<size_t>(chosen) < builtIn
            ? profile.LoadFromFirmware(static_cast<uint32_t>(chosen))
            : chosen < selector.Items().Count() &&
                  profile.LoadFromFile(kiln::ProfilePath(kiln::GetProfileFolder(), selector.Items().Items()[chosen]));
    if (!loaded) {
        const std::string name = selector.Text();
        selector.RevertChoice();
        TunevaultLibrary::Instance().Warn("The profile " + name + " could not be read.", AnchoredDialogPosition());
        return;
    }
    FillBars(profile);
    SetUnappliedChanges(true);
    m_lastPickLoaded = true;
}

void Director::FillBars(const VeOcItemProfile& profile) {
    const LoadingScope loading(m_loading);
    const bool perCore = LuOcRatio::Instance().PerCore();
    const std::vector<AdvRatioBar*>& ratioBars = m_layout->RatioBars();
    size_t nextRatioBar = 0;
    for (const VeOcItemValue& entry : profile.Entries()) {
        if (kiln::ItemLocal(entry.number) == LuOcRatio::kRatioLocal && perCore) {
            // Entries are cores in order; a disabled bar still takes its turn.
            if (nextRatioBar >= ratioBars.size()) continue;
            AdvRatioBar* bar = ratioBars[nextRatioBar++];
            if (bar->Enabled()) bar->SetPosition(static_cast<int>(entry.value));
            continue;
        }
        const auto found = m_layout->BarsByItem().find(entry.number);
        if (found != m_layout->BarsByItem().end() && found->second->Enabled())
            found->second->SetPosition(static_cast<int>(entry.value));
    }
}

// A profile is written from the board, not from the bars: edits must be
// applied first.
void Director::SaveProfile() {
    const TunevaultLibrary& dialogs = TunevaultLibrary::Instance();
    if (m_unappliedChanges) {
        const RECT window = m_mainForm->BoundsRect();
        dialogs.Warn("The setting must be applied before saving it.", POINT{window.left + 170, window.top + 40});
        return;
    }
    dialogs.ShowModal();
    // The dialog may have deleted the profile the selector shows.
    AdvComboBox& selector = *m_layout->ProfileSelector();
    const std::string shown = selector.Text();
    if (!shown.empty() &&
        GetFileAttributesA(kiln::ProfilePath(kiln::GetProfileFolder(), shown).c_str()) == INVALID_FILE_ATTRIBUTES)
        selector.SetItemIndex(-1);
}
