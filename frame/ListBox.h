#pragma once
// A list of text items (the system's list box), optionally owner-drawn with
// a fixed item height.

#include "frame/Canvas.h"
#include "base/Handles.h"
#include "frame/WinControl.h"

#include <functional>
#include <string>
#include <vector>

namespace frame {

class ListBox;

enum class ListBoxStyle { Standard, OwnerDrawFixed };

using DrawItemEvent = std::function<void(ListBox* sender, int index, const RECT& rect, UINT state)>;
using MeasureItemEvent = std::function<void(ListBox* sender, int index, int& height)>;

class ListBox : public WinControl {
public:
    ListBox();

    ListBoxStyle Style() const { return m_style; }
    // Only before the window exists.
    void SetStyle(ListBoxStyle style) { m_style = style; }
    void SetBorder(bool border) { m_border = border; }
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::string& Item(int index) const { return m_items.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& Items() const { return m_items; }
    void AddItem(const std::string& text);
    void Clear();
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Suspends redrawing for a batch of changes.
    void BeginUpdate();
    void EndUpdate();

    // The canvas of the item being drawn (valid inside OnDrawItem).
    frame::Canvas& Canvas() { return m_canvas; }

    DrawItemEvent OnDrawItem;
    MeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;
    void Dispatch(Message& message) override;
    void PropertiesChanged() override;
    // Default item drawing when no OnDrawItem is set.
    virtual void DrawItem(int index, const RECT& rect, UINT state);

private:
    ListBoxStyle m_style = ListBoxStyle::Standard;
    bool m_border = true;
    int m_itemHeight = 13;
    int m_itemIndex = -1;
    int m_updateDepth = 0;
    std::vector<std::string> m_items;
    frame::Canvas m_canvas;
    base::GdiBrush m_background;
};

}  // namespace frame
