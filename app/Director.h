#pragma once
// The one object that decides what happens when the user or another program
// asks Veltrune to do something. Through its base it is the shaped-window
// maker of the main window.

#include "app/ocitems/VeOcItemValue.h"
#include "kiln/widget/Flicker.h"
#include "kiln/widget/LayeredFormMaker.h"

#include <cstdint>

class TMainForm;

class Director : public kiln::TLayeredFormMaker {
public:
    static Director& Instance();

    // Start-up: shapes the main window from its compact background.
    void Initialize(TMainForm* mainForm);

    void ShowMainWindow();
    void HideMainWindow();
    // The settings-changed broadcast: reload every control from the firmware.
    void RefreshControls();

    void OnSuspend();
    void OnResume();
    // Message 1060: write one setting for another program.
    void OnRemoteWrite(uint32_t value);
    // Message 1061: snapshot, restore or built-in profile for another program.
    void OnRemoteCommand(uint32_t command);

private:
    Director();

    TMainForm* m_mainForm = nullptr;
    kiln::FlickerEliminator m_flicker;
    bool m_loading = false;
    bool m_unappliedChanges = false;
    bool m_lowResolutionWarned = false;
    VeOcItemValueList m_powerSnapshot;
    VeOcItemValueList m_remoteSnapshot;
};
