#pragma once
// The profile selector of the compact area: a closed box captioned
// "Profiles :" showing the chosen profile's name, a drop button, and a panel
// below it with the owner-drawn list of names. The widget only shows names
// and reports choices: whoever owns it fills the list when it opens and
// loads what is chosen.
//
// The list closes on a second press of the drop button, a release over the
// list, a left click anywhere else in the application (which does nothing
// else) and when the application loses the activation.
//
// Controls, named "ProfileSelector.<part>": Body, Caption, Text,
// DropButton, DropPanel, and inside the panel PanelImage and List.

#include "app/mainwindow/AdvControl.h"
#include "frame/Bitmap.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/ListBox.h"
#include "frame/Panel.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuImage.h"
#include "kiln/widget/layout/TListBoxLayout.h"

#include <functional>
#include <string>
#include <vector>

class WidgetHost;

class AdvComboBox : public AdvControl {
public:
    // Both receive the list.
    using ListEvent = std::function<void(frame::ListBox& list)>;

    AdvComboBox() = default;
    // Gives back the application's message and deactivation handling and
    // takes the controls off the window.
    ~AdvComboBox() override;

    // Builds the controls with the body at (left, top) and takes part in the
    // application's message and deactivation handling.
    void Create(WidgetHost& parent, int left, int top);

    // Raises OnDropDown every time, so the owner can fill the list afresh.
    void Open();
    void Close();
    bool IsOpen() const { return m_panel && m_panel->Visible(); }
    // The open list's highlight moves by `delta` entries, within the list,
    // without choosing.
    void MoveHighlight(int delta);
    // Closes the list and chooses the highlighted entry (if any) as a
    // release of the mouse over it does.
    void ChooseHighlighted();

    // -1 when no entry is chosen.
    int ItemIndex() const { return m_list->ItemIndex(); }
    // A different index chooses that entry, or none (with an empty text) for
    // -1 and any index outside the list, and raises OnSelect. -1 also
    // empties a text that outlived its entry (opening the list refills it).
    void SetItemIndex(int index);
    // Shows again the entry and text shown before the last choice, without
    // raising OnSelect: for a choice that could not be carried out.
    void RevertChoice();
    // Chooses the entry as a click in the open list does: OnSelect is raised
    // even when the entry is the one shown.
    void Pick(int index);
    const std::string& Text() const { return m_text->Caption(); }
    // The entries, for the owner to clear and fill.
    frame::ListBox& Items() const { return *m_list; }

    // Those of the body; the drop panel stays closed.
    int Left() const override { return m_body->Left(); }
    int Top() const override { return m_body->Top(); }
    bool Visible() const override { return m_body->Visible(); }
    void SetVisible(bool visible) override;
    int Height() const override { return m_body->Height(); }

    kiln::LuImage& Body() const { return *m_body; }
    kiln::AlphaButton& DropButton() const { return *m_dropButton; }

    ListEvent OnDropDown;
    ListEvent OnSelect;
    // Raised after the text shown changed, however it did (a choice, its
    // revert), for whoever tells other programs of it; the owner keeps
    // OnSelect.
    std::function<void()> OnTextShown;

private:
    void MakeDropPanel(WidgetHost& parent, int left, int top);
    void Choose(int index);
    void FilterMessage(MSG& message, bool& handled);
    void HookApplication();

    std::vector<frame::Control*> m_controls;
    kiln::AlphaButton* m_dropButton = nullptr;
    frame::ListBox* m_list = nullptr;
    kiln::LuImage* m_body = nullptr;
    frame::Image* m_panelImage = nullptr;
    frame::Bitmap m_normalBody;
    frame::Bitmap m_openBody;
    frame::Label* m_caption = nullptr;
    frame::Label* m_text = nullptr;
    frame::Panel* m_panel = nullptr;
    kiln::TListBoxLayout m_listPainter;
    int m_messageHook = -1;
    std::function<void()> m_previousDeactivate;
    bool m_hooked = false;
    // What the text showed before the last choice.
    std::string m_textBefore;
};
