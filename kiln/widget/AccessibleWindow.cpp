#include "kiln/widget/AccessibleWindow.h"

#include "kiln/widget/OleLibraries.h"

#include <oleacc.h>

#include <string>

namespace kiln {
namespace {

// Spelled out here: some import libraries resolve these identifiers to
// thunks instead of data.
constexpr GUID kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

BSTR ToBstr(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return ole::AllocString(wide.data(), static_cast<UINT>(wide.size()));
}

// S_FALSE with no string where there is nothing to say, as the interface asks.
HRESULT GiveText(const std::string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = ToBstr(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

void GiveLong(long value, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = value;
}

RECT ClientToScreenRect(HWND window, RECT rect) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

// The COM object readers hold. It may outlive the window's description
// (a reader keeps its reference as long as it likes), so the window cuts
// it loose when it goes.
class AccessibleWindow::Object final : public IAccessible {
public:
    Object(HWND window, AccessibleContent& content) : m_window(window), m_content(&content) {}

    void Disconnect() { m_content = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, kIidUnknown) || IsEqualIID(iid, kIidDispatch) || IsEqualIID(iid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: readers use the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!m_content) return CO_E_OBJNOTCONNECTED;
        return ole::AccessibleObjectFromWindow(m_window, static_cast<DWORD>(OBJID_WINDOW), kIidDispatch,
                                               reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        if (!m_content) return CO_E_OBJNOTCONNECTED;
        *count = m_content->ChildCount();
        return S_OK;
    }
    // Every child is a simple element, asked through this object.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        const HRESULT valid = Check(child);
        return FAILED(valid) ? valid : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Text(child, out, [this](int id) { return Facts(id).name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Text(child, out, [this](int id) { return Facts(id).value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return Text(child, out, [this](int id) { return Facts(id).description; });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        const HRESULT valid = Check(child);
        if (FAILED(valid)) return valid;
        GiveLong(Facts(child.lVal).role, out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        const HRESULT valid = Check(child);
        if (FAILED(valid)) return valid;
        GiveLong(child.lVal == CHILDID_SELF ? WindowState() : ChildState(child.lVal), out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return Text(child, out, [](int) { return std::string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = -1;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Text(child, out, [](int) { return std::string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        if (!m_content) return CO_E_OBJNOTCONNECTED;
        if (!HasFocus()) return S_FALSE;
        GiveLong(m_content->FocusedChild(), out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        return m_content ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Text(child, out, [this](int id) { return Facts(id).defaultAction; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override {
        return m_content ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        const HRESULT valid = Check(child);
        if (FAILED(valid)) return valid;
        const RECT screen = ClientToScreenRect(m_window, Facts(child.lVal).bounds);
        *left = screen.left;
        *top = screen.top;
        *width = screen.right - screen.left;
        *height = screen.bottom - screen.top;
        return S_OK;
    }
    // Siblings in child-id order; the window's own first and last child.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        const HRESULT valid = Check(start);
        if (FAILED(valid)) return valid;
        const int count = m_content->ChildCount();
        int target = 0;
        if (start.lVal == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD) target = count > 0 ? 1 : 0;
            if (direction == NAVDIR_LASTCHILD) target = count;
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
            target = start.lVal < count ? start.lVal + 1 : 0;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
            target = start.lVal - 1;
        }
        if (target <= 0) return S_FALSE;
        GiveLong(target, out);
        return S_OK;
    }
    // The topmost visible child at the point, or the window itself.
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        if (!m_content) return CO_E_OBJNOTCONNECTED;
        POINT point{x, y};
        ScreenToClient(m_window, &point);
        RECT client{};
        GetClientRect(m_window, &client);
        if (!PtInRect(&client, point)) return S_FALSE;
        for (int id = m_content->ChildCount(); id >= 1; --id) {
            const AccessibleFacts facts = m_content->Child(id);
            if (!(facts.state & STATE_SYSTEM_INVISIBLE) && PtInRect(&facts.bounds, point)) {
                GiveLong(id, out);
                return S_OK;
            }
        }
        GiveLong(CHILDID_SELF, out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const HRESULT valid = Check(child);
        if (FAILED(valid)) return valid;
        if (Facts(child.lVal).defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        m_content->DoDefaultAction(child.lVal);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~Object() = default;

    // S_OK for the window itself or one of its children.
    HRESULT Check(const VARIANT& child) const {
        if (!m_content) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal < CHILDID_SELF || child.lVal > m_content->ChildCount()) return E_INVALIDARG;
        return S_OK;
    }

    template <class Read>
    HRESULT Text(const VARIANT& child, BSTR* out, Read read) {
        if (!out) return E_POINTER;
        *out = nullptr;
        const HRESULT valid = Check(child);
        if (FAILED(valid)) return valid;
        return GiveText(read(child.lVal), out);
    }

    // The window's own facts are the content's when it describes them, else
    // those of a client area named by the window's text.
    AccessibleFacts Facts(int child) const {
        if (child != CHILDID_SELF) return m_content->Child(child);
        AccessibleFacts facts;
        if (!m_content->DescribeSelf(facts)) {
            facts.role = ROLE_SYSTEM_CLIENT;
            facts.name = WindowText();
        }
        GetClientRect(m_window, &facts.bounds);
        return facts;
    }

    std::string WindowText() const {
        char text[256] = {};
        GetWindowTextA(m_window, text, sizeof text);
        return text;
    }

    bool HasFocus() const {
        const HWND focus = GetFocus();
        return focus && (focus == m_window || IsChild(m_window, focus));
    }

    long WindowState() const {
        long state = Facts(CHILDID_SELF).state | STATE_SYSTEM_FOCUSABLE;
        if (!IsWindowVisible(m_window)) state |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(m_window)) state |= STATE_SYSTEM_UNAVAILABLE;
        if (HasFocus() && m_content->FocusedChild() == 0) state |= STATE_SYSTEM_FOCUSED;
        return state;
    }

    // Focused only while the window holds the keyboard; a control of a
    // hidden window is as invisible as the window.
    long ChildState(int child) const {
        long state = m_content->Child(child).state;
        if (!IsWindowVisible(m_window)) state |= STATE_SYSTEM_INVISIBLE;
        if (!HasFocus()) state &= ~static_cast<long>(STATE_SYSTEM_FOCUSED);
        return state;
    }

    LONG m_references = 1;
    HWND m_window;
    AccessibleContent* m_content;
};

AccessibleWindow::AccessibleWindow(HWND window, AccessibleContent& content)
    : m_window(window), m_object(new Object(window, content)) {}

AccessibleWindow::~AccessibleWindow() {
    m_object->Disconnect();
    m_object->Release();
}

LRESULT AccessibleWindow::Answer(WPARAM wParam) {
    return ole::LresultFromObject(kIidAccessible, wParam, m_object);
}

void AccessibleWindow::FocusChanged(int child) const {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, m_window, OBJID_CLIENT, child);
}

void AccessibleWindow::ValueChanged(int child) const {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_window, OBJID_CLIENT, child);
}

void AccessibleWindow::StateChanged(int child) const {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, m_window, OBJID_CLIENT, child);
}

}  // namespace kiln
