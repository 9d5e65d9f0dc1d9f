#pragma once
// Move-only owners for the system handles the framework and its users hold,
// and a scope guard for every object selected into a device context.

#include <windows.h>

#include <utility>

namespace frame {

template <class Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : m_handle(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_handle, Traits::Invalid()));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Type Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::Invalid(); }

    // Gives up ownership without closing.
    Type Release() { return std::exchange(m_handle, Traits::Invalid()); }

    void Reset(Type handle = Traits::Invalid()) {
        Type old = std::exchange(m_handle, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Type m_handle = Traits::Invalid();
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CloseHandle(h); }
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};

template <class T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};

struct MemoryDCTraits {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};

struct IconTraits {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { FreeLibrary(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using GdiBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using GdiFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using GdiBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using GdiPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using GdiRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using MemoryDC = UniqueHandle<MemoryDCTraits>;
using IconHandle = UniqueHandle<IconTraits>;
using ModuleHandle = UniqueHandle<ModuleTraits>;

// A window's device context from GetDC, released on destruction.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
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
