#include "kiln/widget/OleLibraries.h"

namespace kiln::ole {
namespace {

// One entry point of a system library, looked up on first use. The library
// stays loaded: the objects handed out live in it.
template <class Function>
Function EntryPoint(const char* library, const char* name) {
    HMODULE module = LoadLibraryA(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

bool EnterApartment() {
    using Initialize = HRESULT(WINAPI*)(void*, DWORD);
    static const Initialize initialize = EntryPoint<Initialize>("ole32.dll", "CoInitializeEx");
    thread_local const bool entered = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    return entered;
}

BSTR AllocString(const wchar_t* text, UINT length) {
    using Alloc = BSTR(WINAPI*)(const OLECHAR*, UINT);
    static const Alloc alloc = EntryPoint<Alloc>("oleaut32.dll", "SysAllocStringLen");
    return alloc ? alloc(text, length) : nullptr;
}

HRESULT AccessibleObjectFromWindow(HWND window, DWORD object, REFIID iid, void** out) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    static const FromWindow fromWindow = EntryPoint<FromWindow>("oleacc.dll", "AccessibleObjectFromWindow");
    if (!fromWindow) {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    return fromWindow(window, object, iid, out);
}

LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
    using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const FromObject fromObject = EntryPoint<FromObject>("oleacc.dll", "LresultFromObject");
    if (!fromObject || !EnterApartment()) return E_NOTIMPL;
    return fromObject(iid, wParam, object);
}

}  // namespace kiln::ole
