#pragma once
// The one object that decides what happens when the user or another program
// asks Veltrune to do something: it wires the main window's controls,
// applies their values to the firmware after the right confirmations, undoes
// edits, reloads the controls when the firmware settings change, and keeps
// the settings for other programs and across suspend. Through its base it is
// the shaped-window maker of the main window.

#include "app/ocitems/VeOcItemValue.h"
#include "kiln/widget/Flicker.h"
#include "kiln/widget/LayeredFormMaker.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TMainForm;
class VeOcItemProfile;
class VeltruneLayout;

namespace frame {
class ListBox;
}

class Director : public kiln::TLayeredFormMaker {
public:
    // Written for another program by message 1060.
    static constexpr uint32_t kRemoteWriteItem = 0x03010011;
    // Bit 6 of this option word leaves the ratio out of the suspend snapshot.
    static constexpr uint32_t kOptionWordItem = 0x00060001;
    static constexpr uint32_t kOptionSkipRatioAtSuspend = 0x40;
    // The smallest screen height the window is designed for.
    static constexpr int kDesignScreenHeight = 768;

    static Director& Instance();

    // Start-up: the dialog library, the window's shape and controls, the
    // handlers, and the icon in the notification area. The window stays
    // hidden.
    void Initialize(TMainForm* mainForm);

    void ShowMainWindow();
    void HideMainWindow();
    // The settings-changed broadcast: reload every control from the firmware.
    void RefreshControls();

    // Start-up, once the window is built: asks whether to write back the
    // settings an Apply replaced shortly before the machine went down.
    void OfferRestoreAfterCrash();

    void OnSuspend();
    void OnResume();
    // Message 1060: write one setting for another program.
    void OnRemoteWrite(uint32_t value);
    // Message 1061: snapshot, restore or built-in profile for another program.
    void OnRemoteCommand(uint32_t command);

    // A profile request of veltrunectl (WM_COPYDATA): lists the profiles at
    // once, or takes a load or an apply for the message loop to carry out.
    // Returns the answer of the protocol.
    LRESULT OnProfileRequest(ULONG_PTR request, const std::string& name, HWND requester);

    bool UnappliedChanges() const { return m_unappliedChanges; }

    // The primary screen's height in pixels; tests put another in its place.
    std::function<int()> ScreenHeight;

private:
    Director();

    // Sets the loading flag for as long as it lives, whichever way the scope
    // is left: a flag left set would ignore every later edit.
    class LoadingScope {
    public:
        explicit LoadingScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
        ~LoadingScope() { m_flag = m_was; }
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        bool& m_flag;
        bool m_was;
    };

    // Everything the main window hands on comes here.
    void HandleWindowEvents(TMainForm& mainForm);
    void AttachHandlers();
    // True when the questions were answered yes and the list was written.
    bool Apply();
    bool ConfirmApply(POINT at, const VeOcItemValueList& chosen) const;
    static bool AnyAboveLimit(const VeOcItemValueList& chosen);
    // One value per bar for Apply, without positions nobody chose.
    VeOcItemValueList ChosenValues();
    void Undo();
    void ValueChanged();
    void SetUnappliedChanges(bool unapplied);
    // Where questions about the window's settings appear.
    POINT AnchoredDialogPosition() const;
    // The dialogs' place when they need no anchor on the main window.
    static POINT CentredDialogPosition();

    // As the selector lists them: built-in first, then the profile files.
    std::vector<std::string> ProfileNames() const;
    void FillProfileList(frame::ListBox& list) const;
    void LoadChosenProfile();
    // Picks the named profile as a click in the selector's list does; true
    // when the bars hold it afterwards.
    bool PickProfile(const std::string& name);
    // The notification-area icon's menu: show, the profiles, exit.
    void ShowTrayMenu();
    // The load or apply taken by OnProfileRequest, its outcome posted back.
    void RunProfileRequest();
    // A dialog or the tray menu is open, or start-up is underway: a request
    // that would open a dialog of its own waits for nobody and is refused.
    bool Busy() const;
    void FillBars(const VeOcItemProfile& profile);
    void SaveProfile();

    void PostSettingsChanged(LPARAM cause) const;
    void ApplyBuiltInProfile(uint32_t index) const;
    // False when the service cannot be asked or is busy with the power
    // change itself: the event is then not ours to act on.
    static bool ServiceAllowsPowerEvent();

    TMainForm* m_mainForm = nullptr;
    VeltruneLayout* m_layout = nullptr;
    kiln::FlickerEliminator m_flicker;
    bool m_loading = false;
    bool m_unappliedChanges = false;
    bool m_lowResolutionWarned = false;
    bool m_lastPickLoaded = false;
    bool m_menuOpen = false;
    struct ProfileRequest {
        ULONG_PTR request = 0;
        std::string name;
        HWND requester = nullptr;
    };
    std::optional<ProfileRequest> m_profileRequest;
    VeOcItemValueList m_powerSnapshot;
    VeOcItemValueList m_remoteSnapshot;
};
