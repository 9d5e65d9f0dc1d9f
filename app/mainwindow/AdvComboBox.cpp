#include "app/mainwindow/AdvComboBox.h"

#include "app/mainwindow/WidgetHost.h"
#include "app/mainwindow/WidgetParts.h"
#include "frame/Application.h"
#include "resources/SkinNames.h"

#include <algorithm>
#include <memory>

namespace {

const std::string kName = "ProfileSelector";
constexpr int kPanelWidth = 194;
constexpr int kPanelHeight = 82;
constexpr int kItemHeight = 16;

}  // namespace

AdvComboBox::~AdvComboBox() {
    if (m_hooked) {
        frame::Application& application = frame::Application::Instance();
        application.RemoveMessageHook(m_messageHook);
        application.OnDeactivate = m_previousDeactivate;
    }
    for (frame::Control* control : m_controls)
        if (control->Parent()) control->Parent()->RemoveControl(control);
}

void AdvComboBox::Create(WidgetHost& parent, int left, int top) {
    m_normalBody = LoadSkinPicture(skin::comboBodyNormal);
    m_openBody = LoadSkinPicture(skin::comboBodyOpen);
    m_body = MakeNamedChild<kiln::LuImage>(parent, kName + ".Body");
    m_body->SetAlphaChannel(true);
    m_body->SetPicture(m_normalBody);
    m_body->SetLeft(left);
    m_body->SetTop(top);
    m_controls.push_back(m_body);

    m_caption = MakeNamedChild<frame::Label>(parent, kName + ".Caption");
    m_caption->SetAutoSize(false);
    StyleLabel(*m_caption, LabelStyle{-13, true, RGB(104, 221, 255), frame::Alignment::Right});
    m_caption->SetBounds(left - 71, top, 67, 22);
    m_caption->SetCaption("Profiles :");
    m_controls.push_back(m_caption);

    m_text = MakeNamedChild<frame::Label>(parent, kName + ".Text");
    m_text->SetAutoSize(false);
    StyleLabel(*m_text, LabelStyle{-11, true, RGB(255, 255, 251), frame::Alignment::Left, frame::TextLayout::Center});
    m_text->SetBounds(left + 4, top - 3, 156, 28);
    m_controls.push_back(m_text);

    m_dropButton = MakeWindowButton(parent, kName + ".DropButton", skin::comboDropButton, left + 172, top + 1);
    m_dropButton->SetAccessibleName("Open the profile list");
    m_dropButton->OnMouseDown = [this](frame::Control*, frame::MouseButton, frame::ShiftState, int, int) {
        if (IsOpen())
            Close();
        else
            Open();
    };
    m_controls.push_back(m_dropButton);

    MakeDropPanel(parent, left, top + m_body->Height());
    HookApplication();
}

// Panel and list are configured before they join their parents: their
// windows are made as they join, and a list's drawing style is fixed then.
void AdvComboBox::MakeDropPanel(WidgetHost& parent, int left, int top) {
    auto panel = std::make_unique<frame::Panel>();
    panel->SetName(kName + ".DropPanel");
    panel->SetVisible(false);
    panel->SetBounds(left, top, kPanelWidth, kPanelHeight);
    m_panel = panel.get();
    parent.Surface().InsertControl(std::move(panel));
    m_controls.push_back(m_panel);

    frame::Bitmap& strip = parent.ComboBoxBody()->Picture();
    frame::Bitmap& bottom = parent.ComboBoxBottom()->Picture();
    frame::Bitmap face(kPanelWidth, kPanelHeight);
    face.Canvas().StretchDraw(RECT{0, 0, kPanelWidth, kPanelHeight - bottom.Height()}, strip);
    face.Canvas().Draw(0, kPanelHeight - bottom.Height(), bottom);
    m_panelImage = MakeNamedChild<frame::Image>(*m_panel, kName + ".PanelImage");
    m_panelImage->SetBounds(0, 0, kPanelWidth, kPanelHeight);
    m_panelImage->Picture().Assign(face);

    auto list = std::make_unique<frame::ListBox>();
    list->SetName(kName + ".List");
    list->SetStyle(frame::ListBoxStyle::OwnerDrawFixed);
    list->SetBorder(false);
    list->SetItemHeight(kItemHeight);
    list->SetColor(frame::colors::Black);
    list->Font().SetName("Arial");
    list->Font().SetColor(RGB(255, 255, 251));
    list->Font().SetBold(true);
    list->SetBounds(1, 0, kPanelWidth - 2, kPanelHeight - 2);
    m_list = list.get();
    m_panel->InsertControl(std::move(list));
    m_listPainter.Attach(*m_list);
    m_listPainter.SetMargins(4, 0, 0, 0);
    m_listPainter.SetSelectionColor(RGB(128, 80, 199));
    m_list->OnMouseUp = [this](frame::Control*, frame::MouseButton, frame::ShiftState, int, int) {
        ChooseHighlighted();
    };
    m_list->BringToFront();
}

void AdvComboBox::HookApplication() {
    frame::Application& application = frame::Application::Instance();
    m_messageHook = application.AddMessageHook([this](MSG& message, bool& handled) { FilterMessage(message, handled); });
    m_previousDeactivate = application.OnDeactivate;
    application.OnDeactivate = [this] {
        if (IsOpen()) Close();
        if (m_previousDeactivate) m_previousDeactivate();
    };
    m_hooked = true;
}

// A click outside the open list only closes it; the list and the drop button
// handle their own presses.
void AdvComboBox::FilterMessage(MSG& message, bool& handled) {
    if (message.message != WM_LBUTTONDOWN || !IsOpen()) return;
    if (message.hwnd == m_list->Handle() || message.hwnd == m_dropButton->Handle()) return;
    Close();
    handled = true;
}

void AdvComboBox::Open() {
    m_body->SetPicture(m_openBody);
    m_panel->SetVisible(true);
    m_panel->BringToFront();
    if (OnDropDown) OnDropDown(*m_list);
}

void AdvComboBox::Close() {
    m_body->SetPicture(m_normalBody);
    m_panel->SetVisible(false);
}

// The release does not compare with the entry shown: choosing it again
// raises the selection again. The list closes first: what the choice
// brings (a warning, say) must not find it still open.
void AdvComboBox::ChooseHighlighted() {
    const int index = m_list->ItemIndex();
    Close();
    if (index >= 0) Choose(index);
}

void AdvComboBox::MoveHighlight(int delta) {
    if (!IsOpen() || m_list->Count() == 0) return;
    m_list->SetItemIndex(std::clamp(m_list->ItemIndex() + delta, 0, m_list->Count() - 1));
}

// An index outside the list asks for no entry, like -1.
void AdvComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= m_list->Count()) index = -1;
    if (index == m_list->ItemIndex() && (index >= 0 || Text().empty())) return;
    m_list->SetItemIndex(index);
    Choose(index);
}

void AdvComboBox::Pick(int index) {
    if (index < 0 || index >= m_list->Count()) return;
    m_list->SetItemIndex(index);
    Choose(index);
}

// The list may have been filled afresh since the name was shown: its entry
// is found by the name.
void AdvComboBox::RevertChoice() {
    const std::vector<std::string>& names = m_list->Items();
    const auto shown = std::find(names.begin(), names.end(), m_textBefore);
    m_list->SetItemIndex(m_textBefore.empty() || shown == names.end() ? -1 : static_cast<int>(shown - names.begin()));
    m_text->SetCaption(m_textBefore);
    if (OnTextShown) OnTextShown();
}

void AdvComboBox::Choose(int index) {
    m_textBefore = Text();
    m_text->SetCaption(index >= 0 ? m_list->Item(index) : std::string());
    if (OnSelect) OnSelect(*m_list);
    if (OnTextShown) OnTextShown();
}

void AdvComboBox::SetVisible(bool visible) {
    for (frame::Control* control : m_controls)
        if (control != m_panel) control->SetVisible(visible);
    m_panel->SetVisible(false);
}
