#include "frame/WinControl.h"

#include "frame/Application.h"
#include "frame/Bitmap.h"
#include "frame/Canvas.h"
#include "frame/Exception.h"
#include "base/Handles.h"
#include "frame/DCScope.h"
#include "frame/Module.h"
#include "frame/RepaintMarks.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace frame {
namespace {

constexpr const char* kNameProperty = "FrameControlName";

void RegisterFrameClass(const WindowParams& params) {
    HINSTANCE instance = ThisModule();
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, params.className.c_str(), &existing)) return;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = params.classStyle;
    wc.lpfnWndProc = &WindowTrampoline;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = params.className.c_str();
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register window class " + params.className, ErrorKind::OutOfResources);
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

// Where a double-buffered window paints before the result goes to the
// screen. Small paints (a slider's step, many a second during a drag) share
// one kept buffer instead of making and freeing a DIB section and a DC each
// time; a large one gets a buffer of its own, so that a whole window's
// pixels are not kept once it has been painted. A paint may start inside
// another (a handler updating a second window): a buffer in use is never
// handed out twice.
class PaintBuffer {
public:
    PaintBuffer(LONG width, LONG height) {
        Kept& kept = TheKept();
        HBITMAP pixels;
        if (static_cast<long long>(width) * height <= kKeptPixels && !kept.busy) {
            if (!kept.dc) kept.dc.Reset(CreateCompatibleDC(nullptr));
            if (kept.pixels.Width() < width || kept.pixels.Height() < height) {
                LONG keptWidth = std::max<LONG>(width, kept.pixels.Width());
                LONG keptHeight = std::max<LONG>(height, kept.pixels.Height());
                if (static_cast<long long>(keptWidth) * keptHeight > kKeptPixels) {
                    keptWidth = width;
                    keptHeight = height;
                }
                kept.pixels.Reshape(keptWidth, keptHeight, PixelFormat::Bits32);
            }
            kept.busy = true;
            m_kept = &kept;
            m_dc = kept.dc.Get();
            pixels = kept.pixels.Handle();
        } else {
            m_own.emplace(width, height, PixelFormat::Bits32);
            m_ownDC.Reset(CreateCompatibleDC(nullptr));
            m_dc = m_ownDC.Get();
            pixels = m_own->Handle();
        }
        m_select.emplace(m_dc, pixels);
        m_saved.emplace(m_dc);
    }
    ~PaintBuffer() {
        m_saved.reset();
        m_select.reset();
        if (m_kept) m_kept->busy = false;
    }
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    HDC Get() const { return m_dc; }

private:
    static constexpr long long kKeptPixels = 256 * 256;
    struct Kept {
        Bitmap pixels;
        base::MemoryDC dc;
        bool busy = false;
    };
    // The user interface paints on one thread.
    static Kept& TheKept() {
        static Kept kept;
        return kept;
    }

    Kept* m_kept = nullptr;
    std::optional<Bitmap> m_own;
    base::MemoryDC m_ownDC;
    HDC m_dc = nullptr;
    std::optional<SelectObjectScope> m_select;
    std::optional<SaveDCScope> m_saved;
};

}  // namespace

WinControl::WinControl() = default;

WinControl::~WinControl() {
    m_children.clear();
    Application::Instance().Hints().Remove(this);
    DestroyHandle();
}

void WinControl::DestroyHandle() {
    if (!m_handle) return;
    HWND window = m_handle;
    // The object is going away: later messages (WM_DESTROY and the rest)
    // must not reach it.
    ReleaseWindow(window, m_systemProc);
    m_handle = nullptr;
    m_systemProc = nullptr;
    DestroyWindow(window);
}

HWND WinControl::Handle() {
    if (!m_handle) CreateHandle();
    return m_handle;
}

void WinControl::CreateParams(WindowParams& params) {
    params.caption = m_text;
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible()) params.style |= WS_VISIBLE;
    if (!Enabled()) params.style |= WS_DISABLED;
    if (m_tabStop) params.style |= WS_TABSTOP;
    params.x = m_left;
    params.y = m_top;
    params.width = m_width;
    params.height = m_height;
    if (Parent()) params.wndParent = Parent()->Handle();
}

void WinControl::CreateHandle() {
    WindowParams params;
    CreateParams(params);
    if ((params.style & WS_CHILD) && !params.wndParent)
        throw Exception("Control '" + Name() + "' has no parent window", ErrorKind::InvalidOperation);
    HMENU id = nullptr;
    if ((params.style & WS_CHILD) && Parent()) id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(++Parent()->m_nextChildId));

    HWND window;
    if (params.systemClass) {
        window = CreateWindowExA(params.exStyle, params.systemClass, params.caption.c_str(), params.style, params.x,
                                 params.y, params.width, params.height, params.wndParent, id, ThisModule(), nullptr);
        if (window) {
            m_handle = window;
            m_systemProc = SubclassSystemWindow(window);
        }
    } else {
        RegisterFrameClass(params);
        window = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(), params.style,
                                 params.x, params.y, params.width, params.height, params.wndParent, id, ThisModule(),
                                 LpParam());
    }
    if (!window) throw Exception("Error creating window '" + Name() + "'", ErrorKind::OutOfResources);
    m_handle = window;
    NameChanged();
    SyncBoundsFromWindow();
    HandleCreated();
}

std::string WinControl::WindowName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, kNameProperty)));
    char name[256] = {};
    return atom && GlobalGetAtomNameA(atom, name, sizeof name) ? name : "";
}

void WinControl::NameChanged() {
    if (!m_handle) return;
    ForgetWindowName();
    if (Name().empty()) return;
    if (const ATOM atom = GlobalAddAtomA(Name().c_str())) {
        if (SetPropA(m_handle, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom))))
            m_nameGiven = true;
        else
            GlobalDeleteAtom(atom);
    }
}

// Each property call is a round trip to the window server, so a window
// never given a name is not asked to drop one.
void WinControl::ForgetWindowName() {
    if (!m_nameGiven) return;
    m_nameGiven = false;
    if (const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropA(m_handle, kNameProperty))))
        GlobalDeleteAtom(atom);
}

void WinControl::HandleCreated() {
    if (m_systemProc) SendMessageA(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    for (auto& child : m_children) {
        if (child->IsWindowed())
            static_cast<WinControl*>(child.get())->HandleNeeded();
        child->UpdateHintRegistration();
    }
    UpdateHintRegistration();
}

LRESULT WinControl::WindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) m_handle = window;
    Message message{msg, wParam, lParam, 0};
    const MessageMarkScope marks;
    // Exceptions cannot travel through the system's frames: show them here
    // and let the message loop carry on.
    try {
        WindowProc()(message);
    } catch (const std::exception& error) {
        Application::Instance().HandleException(error);
    } catch (...) {
        Application::Instance().HandleException(Exception("Unexpected error"));
    }
    if (msg == WM_NCDESTROY) {
        if (m_handle) ForgetWindowName();
        m_handle = nullptr;
        m_systemProc = nullptr;
    }
    return message.result;
}

void WinControl::DefaultHandler(Message& message) {
    if (!m_handle) {
        message.result = 0;
        return;
    }
    if (m_systemProc)
        message.result = CallWindowProcA(m_systemProc, m_handle, message.msg, message.wParam, message.lParam);
    else
        message.result = DefWindowProcA(m_handle, message.msg, message.wParam, message.lParam);
}

void WinControl::Dispatch(Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        if (!m_systemProc) {
            WmPaint(message);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (!m_systemProc) {
            WmEraseBackground(message);
            return;
        }
        break;
    case kPaintMarksNow:
        message.result = PaintNow(reinterpret_cast<HRGN>(message.wParam));
        return;
    case WM_PRINTCLIENT:
        if (!m_systemProc) {
            WmPrintClient(message);
            return;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        // Before the default handling, which sends WM_MOVE and WM_SIZE: their
        // handlers then already see the new bounds.
        SyncBoundsFromWindow();
        break;
    case WM_CAPTURECHANGED:
        // The windowless control that was pressed learns it too.
        if (Control* pressed = std::exchange(m_captureControl, nullptr))
            pressed->Perform(WM_CAPTURECHANGED, message.wParam, message.lParam);
        break;
    case WM_SETCURSOR:
        if (SetCursorFor(message)) return;
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        if (Reflect(message)) return;
        break;
    default:
        if (IsMouseMessage(message.msg) && RouteMouseToGraphic(message)) return;
        if (m_captureMouse && IsButtonDown(message.msg)) SetCapture(m_handle);
        if (m_captureMouse && IsButtonUp(message.msg) && GetCapture() == m_handle) ReleaseCapture();
        break;
    }
    Control::Dispatch(message);
}

void WinControl::Paint(Canvas&) {}

void WinControl::PaintControls(Canvas& canvas) {
    HDC dc = canvas.Handle();
    for (auto& child : m_children) {
        if (child->IsWindowed() || !child->Visible() || child->Width() <= 0 || child->Height() <= 0) continue;
        RECT bounds = child->BoundsRect();
        if (!RectVisible(dc, &bounds)) continue;
        SaveDCScope saved(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
        Canvas childCanvas(dc);
        child->Paint(childCanvas);
    }
}

void WinControl::WmPaint(Message& message) {
    PaintScope paint(m_handle);
    PaintArea(paint.Get(), paint.Area());
    message.result = 0;
}

void WinControl::PaintArea(HDC dc, const RECT& area) {
    if (m_doubleBuffered) {
        // The buffer covers only the area to paint, shifted so that the
        // controls draw at their window coordinates: a small change (a
        // slider's step) then costs a small buffer, not the whole window's.
        const LONG width = std::max<LONG>(area.right - area.left, 1);
        const LONG height = std::max<LONG>(area.bottom - area.top, 1);
        // A 32-bit DIB section: a bitmap made compatible with the window's DC
        // would ask the window server about the display, three round trips
        // at every paint.
        const PaintBuffer buffer(width, height);
        SetViewportOrgEx(buffer.Get(), -area.left, -area.top, nullptr);
        IntersectClipRect(buffer.Get(), area.left, area.top, area.right, area.bottom);
        m_bufferDC = buffer.Get();
        if (!Opaque()) Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(buffer.Get()), 0);
        m_bufferDC = nullptr;
        Canvas canvas(buffer.Get());
        Paint(canvas);
        PaintControls(canvas);
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.Get(), area.left,
               area.top, SRCCOPY);
    } else {
        Canvas canvas(dc);
        Paint(canvas);
        PaintControls(canvas);
    }
}

bool WinControl::PaintNow(HRGN area) {
    if (!m_handle || !m_doubleBuffered || !Opaque() || !IsWindowVisible(m_handle)) return false;
    RECT box;
    if (GetRgnBox(area, &box) == NULLREGION) return true;
    const WindowDC dc(m_handle, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
    if (!dc.Get()) return false;
    const SaveDCScope saved(dc.Get());
    // In the DC's own coordinates, which are the client area's.
    SelectClipRgn(dc.Get(), area);
    PaintArea(dc.Get(), box);
    return true;
}

void WinControl::WmPrintClient(Message& message) {
    HDC dc = reinterpret_cast<HDC>(message.wParam);
    if ((message.lParam & PRF_ERASEBKGND) && !Opaque()) {
        m_bufferDC = dc;
        Perform(WM_ERASEBKGND, message.wParam, 0);
        m_bufferDC = nullptr;
    }
    Canvas canvas(dc);
    Paint(canvas);
    PaintControls(canvas);
    message.result = 0;
}

void WinControl::WmEraseBackground(Message& message) {
    message.result = 1;
    if (Opaque()) return;
    HDC dc = reinterpret_cast<HDC>(message.wParam);
    // A buffered control erases into its buffer while painting; erasing the
    // screen first would only flicker.
    if (m_doubleBuffered && dc != m_bufferDC) return;
    RECT client;
    GetClientRect(m_handle, &client);
    base::GdiBrush brush(CreateSolidBrush(ColorToRGB(GetColor())));
    FillRect(dc, &client, brush.Get());
}

Control* WinControl::GraphicControlAt(POINT point) const {
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
        Control* child = it->get();
        if (child->IsWindowed() || !child->Visible() || !child->Enabled()) continue;
        RECT bounds = child->BoundsRect();
        if (PtInRect(&bounds, point)) return child;
    }
    return nullptr;
}

bool WinControl::RouteMouseToGraphic(Message& message) {
    POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    Control* target = m_captureControl ? m_captureControl : GraphicControlAt(point);
    if (!target) return false;
    if (IsButtonDown(message.msg)) {
        // Keep delivering to the pressed control until the button is up,
        // even when the pointer leaves it.
        m_captureControl = target;
        SetCapture(m_handle);
    }
    target->Perform(message.msg, message.wParam, MAKELPARAM(point.x - target->Left(), point.y - target->Top()));
    if (IsButtonUp(message.msg) && m_captureControl) {
        m_captureControl = nullptr;
        if (GetCapture() == m_handle) ReleaseCapture();
    }
    message.result = 0;
    return true;
}

bool WinControl::SetCursorFor(Message& message) {
    if (reinterpret_cast<HWND>(message.wParam) != m_handle || LOWORD(message.lParam) != HTCLIENT) return false;
    POINT point;
    GetCursorPos(&point);
    ::ScreenToClient(m_handle, &point);
    Control* target = GraphicControlAt(point);
    if (!target) target = this;
    if (target->Cursor() != frame::Cursor::HandPoint) return false;
    ::SetCursor(LoadCursor(nullptr, IDC_HAND));
    message.result = TRUE;
    return true;
}

bool WinControl::Reflect(Message& message) {
    HWND source = nullptr;
    int id = 0;
    switch (message.msg) {
    case WM_COMMAND: source = reinterpret_cast<HWND>(message.lParam); break;
    case WM_NOTIFY: source = reinterpret_cast<NMHDR*>(message.lParam)->hwndFrom; break;
    case WM_DRAWITEM: source = reinterpret_cast<DRAWITEMSTRUCT*>(message.lParam)->hwndItem; break;
    case WM_MEASUREITEM: id = static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(message.lParam)->CtlID); break;
    default: source = reinterpret_cast<HWND>(message.lParam); break;
    }
    if (!source && id == 0) return false;
    for (auto& child : m_children) {
        if (!child->IsWindowed()) continue;
        auto* windowed = static_cast<WinControl*>(child.get());
        if (!windowed->m_handle) continue;
        if (source ? windowed->m_handle == source : GetDlgCtrlID(windowed->m_handle) == id) {
            message.result = windowed->Perform(ReflectBase + message.msg, message.wParam, message.lParam);
            return true;
        }
    }
    return false;
}

void WinControl::SyncBoundsFromWindow() {
    if (!m_handle) return;
    RECT rect;
    GetWindowRect(m_handle, &rect);
    if (GetWindowLongA(m_handle, GWL_STYLE) & WS_CHILD) MapWindowPoints(nullptr, GetParent(m_handle), reinterpret_cast<POINT*>(&rect), 2);
    m_left = rect.left;
    m_top = rect.top;
    m_width = rect.right - rect.left;
    m_height = rect.bottom - rect.top;
}

int WinControl::Left() const {
    const_cast<WinControl*>(this)->SyncBoundsFromWindow();
    return m_left;
}

int WinControl::Top() const {
    const_cast<WinControl*>(this)->SyncBoundsFromWindow();
    return m_top;
}

int WinControl::Width() const {
    const_cast<WinControl*>(this)->SyncBoundsFromWindow();
    return m_width;
}

int WinControl::Height() const {
    const_cast<WinControl*>(this)->SyncBoundsFromWindow();
    return m_height;
}

int WinControl::ClientWidth() const {
    if (!m_handle) return Width();
    RECT client;
    GetClientRect(m_handle, &client);
    return client.right;
}

int WinControl::ClientHeight() const {
    if (!m_handle) return Height();
    RECT client;
    GetClientRect(m_handle, &client);
    return client.bottom;
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    if (m_handle) {
        SetWindowPos(m_handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        SyncBoundsFromWindow();
    } else {
        m_left = left;
        m_top = top;
        m_width = width;
        m_height = height;
    }
    UpdateHintRegistration();
}

void WinControl::SetVisible(bool visible) {
    Control::SetVisible(visible);
    if (m_handle) ShowWindow(m_handle, visible ? SW_SHOW : SW_HIDE);
}

void WinControl::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (m_handle) EnableWindow(m_handle, enabled ? TRUE : FALSE);
}

void WinControl::Invalidate() {
    // Showing a window paints it whole; a hidden one needs no marking.
    if (m_handle && IsWindowVisible(m_handle)) InvalidateRect(m_handle, nullptr, ErasesBeforePaint() ? TRUE : FALSE);
}

const std::string& WinControl::Text() const {
    if (m_handle) {
        int length = GetWindowTextLengthA(m_handle);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(m_handle, text.data(), length + 1)));
        m_text = text;
    }
    return m_text;
}

void WinControl::SetText(const std::string& text) {
    m_text = text;
    if (m_handle) SetWindowTextA(m_handle, text.c_str());
}

bool WinControl::Focused() const {
    return m_handle && GetFocus() == m_handle;
}

void WinControl::SetFocus() {
    ::SetFocus(Handle());
}

void WinControl::BringToFront() {
    if (m_handle) SetWindowPos(m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void WinControl::InsertControl(std::unique_ptr<Control> control) {
    Control* child = control.get();
    child->m_parent = this;
    m_children.push_back(std::move(control));
    if (m_handle) {
        if (child->IsWindowed()) static_cast<WinControl*>(child)->HandleNeeded();
        child->Invalidate();
        child->UpdateHintRegistration();
    }
}

void WinControl::RemoveControl(Control* control) {
    auto it = std::find_if(m_children.begin(), m_children.end(), [control](auto& c) { return c.get() == control; });
    if (it == m_children.end()) return;
    if (m_captureControl == control) m_captureControl = nullptr;
    control->Invalidate();
    std::unique_ptr<Control> doomed = std::move(*it);
    m_children.erase(it);
}

std::vector<Control*> WinControl::Controls() const {
    std::vector<Control*> result;
    result.reserve(m_children.size());
    for (auto& child : m_children) result.push_back(child.get());
    return result;
}

void WinControl::PropertiesChanged() {
    if (m_handle && m_systemProc) SendMessageA(m_handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    Invalidate();
}

}  // namespace frame
