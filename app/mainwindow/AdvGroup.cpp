#include "app/mainwindow/AdvGroup.h"

#include "app/mainwindow/WidgetHost.h"
#include "app/mainwindow/AdvSmallBarType2.h"
#include "app/mainwindow/WidgetParts.h"

AdvGroup::AdvGroup(AdvItemSets sets) : m_sets(sets) {}

AdvGroup::~AdvGroup() {
    m_rows.clear();
    for (frame::Control* control : {static_cast<frame::Control*>(m_icon), static_cast<frame::Control*>(m_caption)})
        if (control && control->Parent()) control->Parent()->RemoveControl(control);
}

void AdvGroup::Create(WidgetHost& parent, const std::string& name, const char* iconFile, const std::string& caption,
                      int left, int top, int variant) {
    m_window = &parent;
    m_name = name;
    m_variant = variant;

    m_icon = MakeNamedChild<kiln::LuImage>(parent, name + ".Icon");
    m_icon->SetAlphaChannel(true);
    m_icon->Picture().Assign(LoadSkinPicture(iconFile));
    m_icon->SetLeft(left);
    m_icon->SetTop(top);
    m_icon->SetVisible(false);

    m_caption = MakeNamedChild<kiln::LuLabel>(parent, name + ".Caption");
    m_caption->SetAutoSize(false);
    StyleLabel(*m_caption, LabelStyle{-11, true, RGB(190, 255, 27), frame::Alignment::Left});
    m_caption->SetBounds(left + 32, top + 2, 250, 30);
    m_caption->SetVisible(false);
    m_caption->SetCaption(caption);
}

std::vector<AdvSmallBar*> AdvGroup::Rows() const {
    std::vector<AdvSmallBar*> rows;
    for (const auto& row : m_rows) rows.push_back(row.get());
    return rows;
}

POINT AdvGroup::RowPlace(size_t row) const {
    const int n = static_cast<int>(row);
    const int left = m_icon->Left();
    const int top = m_icon->Top();
    switch (m_variant) {
    case 2:
    case 4: return POINT{left + 172 + 298 * (n % 2), top + 38 + 45 * (n / 2)};
    case 3: return POINT{left + 300, top + 30 + 31 * n};
    default: return POINT{left + 172 + 298 * (n % 2), top + 30 + 31 * (n / 2)};
    }
}

AdvSmallBar& AdvGroup::AddRow(int itemIndex) {
    std::unique_ptr<AdvSmallBar> row = m_variant == 3 ? std::make_unique<AdvSmallBarType2>(itemIndex, m_sets)
                                                      : std::make_unique<AdvSmallBar>(itemIndex, m_sets);
    const POINT place = RowPlace(m_rows.size());
    row->CreateHidden(*m_window, place.x, place.y);
    AdjustLabels(*row);
    m_rows.push_back(std::move(row));
    return *m_rows.back();
}

// Positions are relative to the slider bar's left edge.
void AdvGroup::AdjustLabels(AdvSmallBar& row) const {
    const int x = row.Left();
    kiln::LuLabel& caption = row.CaptionLabel();
    frame::Label& current = row.CurrentLabel();
    switch (m_variant) {
    case 1:
        caption.Font().SetHeight(-11);
        caption.SetAlignment(frame::Alignment::Right);
        caption.SetBounds(x - 200, caption.Top(), 77, caption.Height());
        current.SetAlignment(frame::Alignment::Left);
        current.Font().SetHeight(-11);
        current.SetLeft(current.Left() - 3);
        row.UnitLabel().Font().SetHeight(-11);
        row.UnitLabel().SetLeft(x - 35);
        break;
    case 2:
        caption.Font().SetHeight(-11);
        caption.SetLeft(x - 180);
        break;
    case 3:
        caption.SetBounds(x - 305, caption.Top(), 105, caption.Height());
        current.SetLeft(x - 150);
        row.ChosenLabel().SetLeft(x - 68);
        break;
    default: break;
    }
}

void AdvGroup::SetVisible(bool visible) {
    for (const auto& row : m_rows) {
        row->SetVisible(visible);
        row->DecreaseButton().ShowRaised();
        row->IncreaseButton().ShowRaised();
    }
    m_icon->SetVisible(visible);
    m_caption->SetVisible(visible);
}
