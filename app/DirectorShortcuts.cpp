// Profiles without opening the window first: the notification-area icon's
// menu and veltrunectl's profile requests. Each goes the way the window
// goes (the selector's choice, then Apply with its questions), so nothing
// reaches the firmware that the window would not have written.
#include "app/Director.h"

#include "app/Main.h"
#include "app/TunevaultLibrary.h"
#include "app/mainwindow/AdvComboBox.h"
#include "app/mainwindow/VeltruneLayout.h"
#include "app/ocitems/Construction.h"
#include "app/profiles/BuiltInProfiles.h"
#include "frame/Application.h"
#include "frame/ListBox.h"
#include "kiln/fileutl/ProfileNames.h"
#include "kiln/widget/TrayMenu.h"
#include "vendor/VeltruneMessages.h"

#include <algorithm>

namespace {

namespace msg = veltrune::msg;

constexpr const char* kShowEntry = "Show Veltrune";
constexpr const char* kExitEntry = "Exit";

// Built-in names come from the firmware and are not file names; every other
// name must be one, and nothing outside the profile folder.
bool KnownProfile(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool Director::Busy() const {
    return !m_mainForm || m_menuOpen || TunevaultLibrary::Instance().DialogOpen() || ConstructionScope::Underway();
}

bool Director::PickProfile(const std::string& name) {
    AdvComboBox& selector = *m_layout->ProfileSelector();
    FillProfileList(selector.Items());
    const std::vector<std::string>& names = selector.Items().Items();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return false;
    m_lastPickLoaded = false;
    selector.Pick(static_cast<int>(found - names.begin()));
    return m_lastPickLoaded;
}

void Director::ShowTrayMenu() {
    if (Busy()) return;
    const std::vector<std::string> names = ProfileNames();
    std::vector<kiln::TrayMenuEntry> entries{{kShowEntry, true}, {}};
    for (const std::string& name : names) entries.push_back({name});
    if (!names.empty()) entries.push_back({});
    entries.push_back({kExitEntry});
    m_menuOpen = true;
    const int chosen = kiln::ShowTrayMenu(m_mainForm->Handle(), entries);
    m_menuOpen = false;
    if (chosen < 0) return;
    const std::string& text = entries[static_cast<size_t>(chosen)].text;
    if (chosen == 0) {
        ShowMainWindow();
    } else if (static_cast<size_t>(chosen) == entries.size() - 1) {
        frame::Application::Instance().Terminate();
    } else if (PickProfile(text)) {
        Apply();
    }
}

LRESULT Director::OnProfileRequest(ULONG_PTR request, const std::string& name, HWND requester) {
    if (Busy() || m_profileRequest) return msg::kRequestBusy;
    const std::vector<std::string> names = ProfileNames();
    if (request == msg::kListProfiles) {
        std::string joined;
        for (const std::string& entry : names) joined.append(entry).push_back('\0');
        COPYDATASTRUCT reply{msg::kProfileNames, static_cast<DWORD>(joined.size()), joined.data()};
        // The requester waits in its own send, which takes this one in.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(requester, WM_COPYDATA, reinterpret_cast<WPARAM>(m_mainForm->Handle()),
                            reinterpret_cast<LPARAM>(&reply), SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &ignored);
        return msg::kRequestTaken;
    }
    // Checked again here: any program may send the request.
    if (!KnownProfile(BuiltInProfiles::Instance().Names(), name) && !kiln::IsUsableProfileName(name))
        return msg::kNameRefused;
    if (!KnownProfile(names, name)) return msg::kNoSuchProfile;
    m_profileRequest = ProfileRequest{request, name, requester};
    PostMessageA(m_mainForm->Handle(), TMainForm::kProfileRequestDue, 0, 0);
    return msg::kRequestTaken;
}

// Shown first, so that a profile that cannot be read and the questions of
// Apply appear in the window, as when the user picks it there.
void Director::RunProfileRequest() {
    if (!m_profileRequest) return;
    const ProfileRequest taken = std::move(*m_profileRequest);
    m_profileRequest.reset();
    WPARAM outcome = msg::kProfileBusy;
    if (!Busy()) {
        ShowMainWindow();
        if (!PickProfile(taken.name))
            outcome = msg::kProfileUnreadable;
        else if (taken.request == msg::kLoadProfile)
            outcome = msg::kProfileLoaded;
        else
            outcome = Apply() ? msg::kProfileApplied : msg::kProfileNotApplied;
    }
    PostMessageA(taken.requester, msg::kProfileOutcome, outcome, 0);
}
