// A library with its own copy of the framework, as the dialog library is:
// its form must be owned by the program's application window and its modal
// loop must run the program's message hooks.

#include "frame/Application.h"
#include "frame/Form.h"

extern "C" __declspec(dllexport) int ShowHostedDialog(frame::Application* host, HWND* owner) {
    frame::Application::UseHost(*host);
    frame::Form dialog;
    dialog.SetCaption("Hosted");
    *owner = GetWindow(dialog.Handle(), GW_OWNER);
    PostMessageA(dialog.Handle(), WM_APP + 40, 0, 0);
    return dialog.ShowModal();
}
