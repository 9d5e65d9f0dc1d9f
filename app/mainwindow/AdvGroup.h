#pragma once
// One option group of the Advance Mode page: an icon, a caption and a grid
// of option-row sliders placed by the group's layout variant:
//   0, 1  two columns of AdvSmallBar at a 31-pixel row pitch (1: narrow
//         captions and small type for long value texts)
//   2, 4  two columns of AdvSmallBar at a 45-pixel row pitch (2: the page of
//         the middle window size)
//   3     one column of the wide AdvSmallBarType2
// Controls: "<name>.Icon" and "<name>.Caption"; rows are named as sliders.

#include "app/mainwindow/AdvItemSets.h"
#include "app/mainwindow/AdvSmallBar.h"
#include "kiln/Component/LuImage.h"
#include "kiln/Component/LuLabel.h"

#include <memory>
#include <string>
#include <vector>

class WidgetHost;

class AdvGroup {
public:
    explicit AdvGroup(AdvItemSets sets = AdvItemSets::Program());
    AdvGroup(const AdvGroup&) = delete;
    AdvGroup& operator=(const AdvGroup&) = delete;
    // Takes the rows, icon and caption off the window.
    ~AdvGroup();

    // The icon's top-left corner is the group's origin. Icon and caption
    // start hidden.
    void Create(WidgetHost& parent, const std::string& name, const char* iconFile, const std::string& caption,
                int left, int top, int variant);
    // Adds a hidden slider for the primary item set's entry `itemIndex` in
    // the next place of the grid and returns it.
    AdvSmallBar& AddRow(int itemIndex);
    // Rows (their step buttons back to the normal face), icon and caption.
    void SetVisible(bool visible);

    const std::string& Name() const { return m_name; }
    // In creation order.
    std::vector<AdvSmallBar*> Rows() const;

private:
    POINT RowPlace(size_t row) const;
    void AdjustLabels(AdvSmallBar& row) const;

    AdvItemSets m_sets;
    WidgetHost* m_window = nullptr;
    std::string m_name;
    kiln::LuImage* m_icon = nullptr;
    kiln::LuLabel* m_caption = nullptr;
    int m_variant = 0;
    std::vector<std::unique_ptr<AdvSmallBar>> m_rows;
};
