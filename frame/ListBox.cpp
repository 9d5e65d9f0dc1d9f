#include "frame/ListBox.h"

#include "frame/DCScope.h"

namespace frame {

ListBox::ListBox() {
    m_width = 121;
    m_height = 97;
    SetColor(colors::Window);
    SetTabStop(true);
}

void ListBox::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    params.systemClass = "LISTBOX";
    params.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | LBS_HASSTRINGS;
    if (m_style == ListBoxStyle::OwnerDrawFixed) params.style |= LBS_OWNERDRAWFIXED;
    if (m_border) params.exStyle |= WS_EX_CLIENTEDGE;
}

void ListBox::HandleCreated() {
    WinControl::HandleCreated();
    HWND window = Handle();
    // The measure message of a fixed-height list comes during creation,
    // before the window is ours: set the height now instead.
    if (m_style == ListBoxStyle::OwnerDrawFixed) SendMessageA(window, LB_SETITEMHEIGHT, 0, m_itemHeight);
    for (const auto& item : m_items) SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(m_itemIndex), 0);
}

void ListBox::SetItemHeight(int height) {
    m_itemHeight = height;
    if (HandleAllocated() && m_style == ListBoxStyle::OwnerDrawFixed) {
        SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

void ListBox::AddItem(const std::string& text) {
    m_items.push_back(text);
    if (HandleAllocated()) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::Clear() {
    m_items.clear();
    m_itemIndex = -1;
    if (HandleAllocated()) SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ItemIndex() const {
    if (!HandleAllocated()) return m_itemIndex;
    return static_cast<int>(SendMessageA(const_cast<ListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    m_itemIndex = index;
    if (HandleAllocated()) SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::BeginUpdate() {
    if (m_updateDepth++ == 0 && HandleAllocated()) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void ListBox::EndUpdate() {
    if (m_updateDepth == 0) return;
    if (--m_updateDepth == 0 && HandleAllocated()) {
        SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void ListBox::PropertiesChanged() {
    m_background.Reset();
    WinControl::PropertiesChanged();
}

void ListBox::DrawItem(int index, const RECT& rect, UINT state) {
    const bool selected = (state & ODS_SELECTED) != 0;
    m_canvas.Brush().style = Brush::Style::Solid;
    m_canvas.Brush().color = selected ? colors::Highlight : GetColor();
    m_canvas.FillRect(rect);
    if (index < 0 || index >= Count()) return;
    m_canvas.Font().SetColor(selected ? colors::HighlightText : Font().GetColor());
    m_canvas.Brush().style = Brush::Style::Clear;
    RECT text = rect;
    text.left += 2;
    m_canvas.DrawText(Item(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void ListBox::Dispatch(Message& message) {
    switch (message.msg) {
    case ReflectBase + WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.lParam);
        SaveDCScope saved(item->hDC);
        m_canvas.SetHandle(item->hDC);
        m_canvas.Font().Assign(Font());
        m_canvas.Brush().color = GetColor();
        m_canvas.Brush().style = Brush::Style::Solid;
        const int index = static_cast<int>(item->itemID);
        if (OnDrawItem)
            OnDrawItem(this, index, item->rcItem, item->itemState);
        else
            DrawItem(index, item->rcItem, item->itemState);
        if ((item->itemState & ODS_FOCUS) && (item->itemAction & ODA_FOCUS)) DrawFocusRect(item->hDC, &item->rcItem);
        m_canvas.SetHandle(nullptr);
        message.result = TRUE;
        return;
    }
    case ReflectBase + WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.lParam);
        int height = m_itemHeight;
        if (OnMeasureItem) OnMeasureItem(this, static_cast<int>(item->itemID), height);
        item->itemHeight = static_cast<UINT>(height);
        message.result = TRUE;
        return;
    }
    case ReflectBase + WM_COMMAND:
        if (HIWORD(message.wParam) == LBN_SELCHANGE) m_itemIndex = ItemIndex();
        message.result = 0;
        return;
    case ReflectBase + WM_CTLCOLORLISTBOX: {
        HDC dc = reinterpret_cast<HDC>(message.wParam);
        SetTextColor(dc, ColorToRGB(Font().GetColor()));
        SetBkColor(dc, ColorToRGB(GetColor()));
        if (!m_background) m_background.Reset(CreateSolidBrush(ColorToRGB(GetColor())));
        message.result = reinterpret_cast<LRESULT>(m_background.Get());
        return;
    }
    case WM_LBUTTONDOWN:
        // The list moves its selection first, so the mouse-down event sees
        // the item that was pressed.
        DefaultHandler(message);
        m_itemIndex = ItemIndex();
        MouseDown(MouseButton::Left, ShiftFromMouseKeys(message.wParam), static_cast<short>(LOWORD(message.lParam)),
                  static_cast<short>(HIWORD(message.lParam)));
        return;
    default: break;
    }
    WinControl::Dispatch(message);
}

}  // namespace frame
