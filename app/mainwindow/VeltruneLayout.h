#pragma once
// Every control of the main window, built in code on its background: the
// command buttons, the "More Setting" check box, the compact area's sliders,
// the profile selector, and the two pages of the expanded window (option
// groups on "Advance Mode", one ratio bar per core on "CPU Ratio"). The
// window is compact, expanded on the Advance Mode page, or expanded on the
// CPU Ratio page; each state has its background and its place for the
// Apply and Undo row. Every control a user operates is also a focus stop of
// the window's keyboard access: Esc presses the close button, Ctrl+Tab the
// tab of the other page.

#include "app/mainwindow/AdvBar.h"
#include "app/mainwindow/AdvComboBox.h"
#include "app/mainwindow/AdvItemSets.h"
#include "app/mainwindow/AdvLargeBar.h"
#include "app/mainwindow/AdvRatioBar.h"
#include "app/mainwindow/KeyboardAccess.h"
#include "app/mainwindow/OptionGroups.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class WidgetHost;

namespace frame {
class Label;
}

namespace kiln {
class AlphaButton;
class LuCheckBoxTx;
class LuImage;
class LuRadioButtonTx;
}  // namespace kiln

class VeltruneLayout {
public:
    // The Apply and Undo row of each window size.
    static constexpr int kCompactRowTop = 207;
    static constexpr int kMiddleRowTop = 449;
    static constexpr int kLargeRowTop = 603;
    static constexpr const char* kDisabledNotice =
        "Function is disabled! To enable this function, please set CPU ratio to Auto in BIOS.";

    // The program's layout, made on first use.
    static VeltruneLayout& Instance();
    explicit VeltruneLayout(AdvItemSets sets);
    VeltruneLayout(const VeltruneLayout&) = delete;
    VeltruneLayout& operator=(const VeltruneLayout&) = delete;
    ~VeltruneLayout();

    // Once, with the compact background already in the window's face.
    void BuildControls(WidgetHost& window);

    void ShowCompact();
    // On the page of the checked tab.
    void ShowExpanded();
    void ShowAdvancePage();
    void ShowRatioPage();
    bool IsExpanded() const { return m_expanded; }

    kiln::AlphaButton* CloseButton() const { return m_close; }
    kiln::AlphaButton* MinimizeButton() const { return m_minimize; }
    kiln::AlphaButton* SaveProfileButton() const { return m_saveProfile; }
    kiln::AlphaButton* ApplyButton() const { return m_apply; }
    kiln::AlphaButton* UndoButton() const { return m_undo; }
    kiln::LuCheckBoxTx* MoreSetting() const { return m_moreSetting; }
    kiln::LuRadioButtonTx* AdvanceTab() const { return m_advanceTab; }
    // nullptr on a board without a processor ratio.
    kiln::LuRadioButtonTx* RatioTab() const { return m_ratioTab; }
    AdvComboBox* ProfileSelector() const { return m_selector.get(); }
    frame::Label* DisabledNotice() const { return m_notice; }
    KeyboardAccess* Keyboard() const { return m_keyboard.get(); }

    // Every slider, option row and ratio bar, in creation order.
    const std::vector<AdvBar*>& AllBars() const { return m_allBars; }
    // Sliders and option rows by item number; the ratio item maps to the
    // first ratio bar.
    const std::map<uint32_t, AdvBar*>& BarsByItem() const { return m_barsByItem; }
    // One per core, in core order.
    const std::vector<AdvRatioBar*>& RatioBars() const { return m_ratioBars; }

private:
    enum class WindowSize { Compact, Middle, Large };

    void BuildCommandButtons();
    void BuildMoreSetting();
    void BuildValueRows();
    void BuildTabs();
    void BuildRatioPage();
    void BuildFocusStops();
    FocusStop* SwitchPage();
    void AddBar(AdvBar& bar);
    void SwitchBackground(WindowSize size);
    void SetRatioPageVisible(bool visible);
    void SetAdvancePageVisible(bool visible);
    void ResetLargeBarButtons();

    AdvItemSets m_sets;
    WidgetHost* m_window = nullptr;
    bool m_compactAdvancedPage;
    bool m_expanded = false;

    kiln::AlphaButton* m_close = nullptr;
    kiln::AlphaButton* m_minimize = nullptr;
    kiln::AlphaButton* m_saveProfile = nullptr;
    kiln::AlphaButton* m_apply = nullptr;
    kiln::AlphaButton* m_undo = nullptr;
    kiln::LuCheckBoxTx* m_moreSetting = nullptr;
    kiln::LuRadioButtonTx* m_advanceTab = nullptr;
    kiln::LuRadioButtonTx* m_ratioTab = nullptr;
    frame::Label* m_notice = nullptr;
    std::vector<kiln::LuImage*> m_lines;

    std::vector<std::unique_ptr<AdvLargeBar>> m_largeBars;
    OptionGroups m_groups;
    std::unique_ptr<AdvComboBox> m_selector;
    // The row each ratio bar knows; it outlives the bars.
    std::vector<AdvRatioBar*> m_ratioBars;
    std::vector<std::unique_ptr<AdvRatioBar>> m_ownedRatioBars;
    std::vector<AdvBar*> m_allBars;
    std::map<uint32_t, AdvBar*> m_barsByItem;
    FocusStop* m_advanceTabStop = nullptr;
    FocusStop* m_ratioTabStop = nullptr;
    // Made first, so that its message hook sees the mouse before the
    // selector's; destroyed first, before the controls its stops reach.
    std::unique_ptr<KeyboardAccess> m_keyboard;
};
