// The window's three states: compact, and expanded on either page. Each
// window size has its own background and shadow, and its own place for the
// Apply and Undo row.
#include "app/mainwindow/VeltruneLayout.h"

#include "app/mainwindow/WidgetHost.h"
#include "app/Shadow.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuImage.h"
#include "kiln/Component/LuRadioButtonTx.h"

void VeltruneLayout::SwitchBackground(WindowSize size) {
    frame::Image* source = size == WindowSize::Compact ? m_window->SmallBk()
                           : size == WindowSize::Middle ? m_window->MiddleBk()
                                                        : m_window->LargeBk();
    frame::Bitmap& picture = m_window->Background()->Picture();
    picture.Assign(source->Picture());
    m_window->Surface().SetClientSize(picture.Width(), picture.Height());
    const int rowTop = size == WindowSize::Compact ? kCompactRowTop
                       : size == WindowSize::Middle ? kMiddleRowTop
                                                    : kLargeRowTop;
    // Moving blends the buttons' faces again over the new background.
    m_apply->SetBounds(m_apply->Left(), rowTop, m_apply->Width(), m_apply->Height());
    m_undo->SetBounds(m_undo->Left(), rowTop, m_undo->Width(), m_undo->Height());
    if (ShadowForm) {
        if (size == WindowSize::Compact)
            ShadowForm->ShowSmallShadow();
        else if (size == WindowSize::Middle)
            ShadowForm->ShowMiddleShadow();
        else
            ShadowForm->ShowBigShadow();
    }
    m_apply->Invalidate();
}

void VeltruneLayout::SetRatioPageVisible(bool visible) {
    m_window->CoreBk()->SetVisible(visible);
    m_notice->SetVisible(visible);
    for (AdvRatioBar* bar : m_ratioBars) bar->SetVisible(visible);
}

void VeltruneLayout::SetAdvancePageVisible(bool visible) {
    for (AdvGroup* group : {m_groups.cpuChip.get(), m_groups.second.get()})
        if (group) group->SetVisible(visible);
    for (kiln::LuImage* line : m_lines) line->SetVisible(visible);
}

void VeltruneLayout::ResetLargeBarButtons() {
    for (const auto& bar : m_largeBars) {
        bar->DecreaseButton().ShowRaised();
        bar->IncreaseButton().ShowRaised();
    }
}

void VeltruneLayout::ShowCompact() {
    SwitchBackground(WindowSize::Compact);
    SetRatioPageVisible(false);
    SetAdvancePageVisible(false);
    m_advanceTab->SetVisible(false);
    if (m_ratioTab) m_ratioTab->SetVisible(false);
    m_expanded = false;
}

void VeltruneLayout::ShowExpanded() {
    const bool advance = m_advanceTab->GetChecked();
    SwitchBackground(m_compactAdvancedPage && advance ? WindowSize::Middle : WindowSize::Large);
    SetRatioPageVisible(!advance);
    SetAdvancePageVisible(advance);
    m_advanceTab->SetVisible(true);
    if (m_ratioTab) m_ratioTab->SetVisible(true);
    m_expanded = true;
}

void VeltruneLayout::ShowAdvancePage() {
    if (m_compactAdvancedPage) SwitchBackground(WindowSize::Middle);
    ResetLargeBarButtons();
    SetRatioPageVisible(false);
    SetAdvancePageVisible(true);
}

void VeltruneLayout::ShowRatioPage() {
    if (m_compactAdvancedPage) SwitchBackground(WindowSize::Large);
    ResetLargeBarButtons();
    SetAdvancePageVisible(false);
    SetRatioPageVisible(true);
}
