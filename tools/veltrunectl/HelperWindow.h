#pragma once
// The windows veltrunectl makes only to be reached: registered once per
// class, with the object in the create parameters for base::WindowObject.

#include <windows.h>

#include <functional>

namespace veltrunectl {

// `parent` HWND_MESSAGE gives a window reachable only through its handle;
// nullptr a hidden top-level one, which hears broadcasts.
HWND CreateHelperWindow(const char* className, WNDPROC proc, void* object, HWND parent);

// Dispatches this thread's messages until `done` answers true, `milliseconds`
// pass (INFINITE: never) or `ended` (may be null) is signalled; what came
// before `ended` is still dispatched. Answers `done` at the end.
bool PumpUntil(const std::function<bool()>& done, HANDLE ended, DWORD milliseconds);

}  // namespace veltrunectl
