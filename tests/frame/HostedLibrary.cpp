// A library with its own copy of the framework, as the dialog library is:
// it knows the program only by the program's application window. Its form
// must be owned by that window and its modal loop must run the program's
// message hooks.

#include "frame/Application.h"
#include "frame/Form.h"

extern "C" __declspec(dllexport) int ShowHostedDialog(HWND programApplication, HWND* owner) {
    frame::Application& library = frame::Application::Instance();
    if (!library.Hosted()) library.HostIn(programApplication);
    frame::Form dialog;
    dialog.SetCaption("Hosted");
    *owner = GetWindow(dialog.Handle(), GW_OWNER);
    PostMessageA(dialog.Handle(), WM_APP + 40, 0, 0);
    return dialog.ShowModal();
}
