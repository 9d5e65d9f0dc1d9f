#pragma once
// A control with a window of its own. It owns its child controls (windowed
// and windowless), paints the windowless ones in z-order and routes mouse
// messages to them by hit test.
//
// Every message comes through the framework's one window procedure
// (WindowTrampoline): windows of our own classes carry the object in their
// create parameters; controls built on a system class ("LISTBOX", "EDIT") are
// subclassed right after creation. Either way the message goes to
// WindowProc(), and DefaultHandler() ends in DefWindowProc or the system
// class' own procedure.

#include "frame/Control.h"
#include "frame/WindowTrampoline.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace frame {

struct WindowParams {
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND wndParent = nullptr;
    // Window class registered by the framework for this control.
    std::string className = "FrameWinControl";
    UINT classStyle = CS_DBLCLKS;
    // When set, the window is made from this system class instead.
    const char* systemClass = nullptr;
};

class WinControl : public Control, private WindowMessageTarget {
public:
    WinControl();
    ~WinControl() override;

    bool IsWindowed() const override { return true; }

    // The name a framework window carries (empty for any other window),
    // readable from any module and any process: a global atom.
    static std::string WindowName(HWND window);

    // The window, created on first use (after construction, so that
    // overridden CreateParams take part).
    HWND Handle();
    bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded() { Handle(); }

    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void Invalidate() override;

    const std::string& Text() const;
    void SetText(const std::string& text);

    void SetDoubleBuffered(bool buffered) { m_doubleBuffered = buffered; }
    // Paints `area` (client coordinates) at once, when this window paints
    // itself whole and is on screen; false when it must wait for WM_PAINT.
    bool PaintNow(HRGN area);
    // Whether a mark for repaint asks for the background to be erased first.
    // An opaque window paints every pixel itself and a double-buffered one
    // erases into its buffer: for them the erase is a wasted device context
    // and message at every paint.
    bool ErasesBeforePaint() const { return !Opaque() && !m_doubleBuffered; }
    // Keeps the mouse from a button press until its release, also outside
    // the window (for drags).
    void SetCaptureMouse(bool capture) { m_captureMouse = capture; }
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop) { m_tabStop = tabStop; }
    bool Focused() const;
    void SetFocus();
    void BringToFront();

    // Makes a child control owned by this one and returns it.
    template <class T, class... Args>
    T* MakeChild(Args&&... args) {
        return Adopt(std::make_unique<T>(std::forward<Args>(args)...));
    }
    // Makes `child` owned by this one and returns it. A windowed control set
    // up before (placed, sized, shown, captioned) gets its window made so in
    // one call instead of being changed step by step after.
    template <class T>
    T* Adopt(std::unique_ptr<T> child) {
        T* raw = child.get();
        InsertControl(std::move(child));
        return raw;
    }
    void InsertControl(std::unique_ptr<Control> control);
    // Destroys a child (nothing when it is not one).
    void RemoveControl(Control* control);
    // Children in z-order, bottom first.
    std::vector<Control*> Controls() const;
    // The topmost visible, enabled windowless child at a client point.
    Control* GraphicControlAt(POINT point) const;

    // Paints the windowless children that intersect the canvas' clip area.
    void PaintControls(Canvas& canvas);

protected:
    // Overridden to change styles, class name or owner before the window is made.
    virtual void CreateParams(WindowParams& params);
    virtual void CreateHandle();
    // After the window exists: children, font.
    virtual void HandleCreated();

    void Dispatch(Message& message) override;
    void DefaultHandler(Message& message) override;
    // Paints the control's own face (background already erased unless opaque).
    void Paint(Canvas& canvas) override;
    void PropertiesChanged() override;
    void NameChanged() override;
    void ForgetWindowName();

    void DestroyHandle();

private:
    LRESULT WindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;

    void WmPaint(Message& message);
    void PaintArea(HDC dc, const RECT& area);
    void WmEraseBackground(Message& message);
    // Paints into a DC someone else provides (PrintWindow, animations).
    void WmPrintClient(Message& message);
    bool RouteMouseToGraphic(Message& message);
    bool SetCursorFor(Message& message);
    bool Reflect(Message& message);
    void SyncBoundsFromWindow();

    HWND m_handle = nullptr;
    WNDPROC m_systemProc = nullptr;
    std::vector<std::unique_ptr<Control>> m_children;
    mutable std::string m_text;
    bool m_doubleBuffered = false;
    bool m_tabStop = false;
    bool m_captureMouse = false;
    bool m_nameGiven = false;  // the window holds its name as a property
    HDC m_bufferDC = nullptr;
    Control* m_captureControl = nullptr;
    int m_nextChildId = 0;
};

}  // namespace frame
