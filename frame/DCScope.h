#pragma once
// Scopes for device contexts: a window's DC, a paint cycle, and every object
// selected into a DC, each put back or released however the scope is left.

#include <windows.h>

#include <utility>

namespace frame {

// A window's device context from GetDC (or GetDCEx with `flags`), released
// on destruction.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    WindowDC(HWND window, DWORD flags) : m_window(window), m_dc(GetDCEx(window, nullptr, flags)) {}
    WindowDC(WindowDC&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// A memory DC like the screen's, for measuring text and reading bitmaps.
// Asking for the screen's own DC is a round trip to the window server each
// time; this one is made once per module and kept. Callers leave it as they
// found it (the scopes below), and use it from the window thread only.
HDC ScreenMeasureDC();

// One WM_PAINT cycle: BeginPaint on construction, EndPaint on every way out,
// so a paint handler that throws still validates the window and releases
// its DC.
class PaintScope {
public:
    explicit PaintScope(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(m_window, &m_paint); }

    HDC Get() const { return m_dc; }
    const RECT& Area() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// Selects a GDI object into a DC for the lifetime of the scope and puts the
// previous object back afterwards, so a DC never outlives what it holds.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;
    ~SelectObjectScope() {
        if (m_previous) SelectObject(m_dc, m_previous);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Saves the DC's whole state (clip region, origin, modes) and restores it.
class SaveDCScope {
public:
    explicit SaveDCScope(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    SaveDCScope(const SaveDCScope&) = delete;
    SaveDCScope& operator=(const SaveDCScope&) = delete;
    ~SaveDCScope() {
        if (m_saved) RestoreDC(m_dc, m_saved);
    }

private:
    HDC m_dc;
    int m_saved;
};

}  // namespace frame
