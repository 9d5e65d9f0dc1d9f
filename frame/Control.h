#pragma once
// The base of everything placed on a form: position and size relative to the
// parent's client area (screen coordinates for forms), visibility, enabled
// state, font, colour, hint, cursor, mouse events and a replaceable window
// procedure through which every message for the control passes.
//
// Message flow: Perform() and the system both deliver to WindowProc(), which
// is WndProc() until someone replaces it with SetWindowProc(). WndProc() calls
// Dispatch(), which turns messages into the virtual handlers and events and
// hands everything else to DefaultHandler().

#include "frame/Font.h"
#include "frame/Types.h"

#include <string>

namespace frame {

class Canvas;
class WinControl;
class Form;

class Control {
public:
    Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    WinControl* Parent() const { return m_parent; }
    // The nearest form among the parents (nullptr when not on a form).
    Form* ParentForm() const;
    virtual bool IsWindowed() const { return false; }

    const std::string& Name() const { return m_name; }
    // A windowed control also carries its name on its window (WindowName),
    // so tools and tests in other modules can find it.
    void SetName(const std::string& name);

    virtual int Left() const { return m_left; }
    virtual int Top() const { return m_top; }
    virtual int Width() const { return m_width; }
    virtual int Height() const { return m_height; }
    RECT BoundsRect() const;
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    RECT ClientRect() const { return RECT{0, 0, ClientWidth(), ClientHeight()}; }
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool enabled);

    Color GetColor() const { return m_color; }
    void SetColor(Color color);
    frame::Font& Font() { return m_font; }
    // Opaque controls paint every pixel themselves, so their background is
    // never erased first.
    bool Opaque() const { return m_opaque; }
    void SetOpaque(bool opaque) { m_opaque = opaque; }

    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);
    frame::Cursor Cursor() const { return m_cursor; }
    void SetCursor(frame::Cursor cursor) { m_cursor = cursor; }

    // Marks the control for repainting.
    virtual void Invalidate();
    // Marks part of the parent, in its coordinates, for repainting.
    void InvalidateArea(const RECT& area);
    // Paints now whatever is marked.
    void Update();
    // Marks the control and paints it now.
    void Repaint();

    // Sends a message straight to the window procedure and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    const WindowProcedure& WindowProc() const { return m_windowProc; }
    void SetWindowProc(WindowProcedure procedure);

    // Paints a windowless control; the canvas origin is the control's
    // top-left corner and drawing is clipped to it.
    virtual void Paint(Canvas& canvas);
    virtual void Click();
    virtual void DblClick();

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    NotifyEvent OnMouseCaptureLost;

protected:
    virtual void WndProc(Message& message);
    virtual void Dispatch(Message& message);
    virtual void DefaultHandler(Message& message);

    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    // The mouse capture went elsewhere (a dialog, Alt+Tab, a cancel): the
    // press that took it will never see its release.
    virtual void MouseCaptureLost();
    // Called when font or colour change, so the control can redraw.
    virtual void PropertiesChanged();
    virtual void NameChanged() {}
    // The hint changed or became (in)visible: tell the tooltip.
    void UpdateHintRegistration();
    // Records a visibility change the system made (no side effects).
    void SetVisibleFlag(bool visible) { m_visible = visible; }

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;

private:
    friend class WinControl;

    WinControl* m_parent = nullptr;
    std::string m_name;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_opaque = false;
    bool m_clickPending = false;
    Color m_color = colors::BtnFace;
    frame::Font m_font;
    std::string m_hint;
    bool m_showHint = false;
    frame::Cursor m_cursor = frame::Cursor::Default;
    WindowProcedure m_windowProc;
};

}  // namespace frame
