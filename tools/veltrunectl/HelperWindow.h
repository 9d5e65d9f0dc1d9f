#pragma once
// The windows veltrunectl makes only to be reached: registered once per
// class, with the object in the create parameters for base::WindowObject.

#include <windows.h>

namespace veltrunectl {

// `parent` HWND_MESSAGE gives a window reachable only through its handle;
// nullptr a hidden top-level one, which hears broadcasts.
HWND CreateHelperWindow(const char* className, WNDPROC proc, void* object, HWND parent);

}  // namespace veltrunectl
