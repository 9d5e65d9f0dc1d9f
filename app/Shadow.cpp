#include "app/Shadow.h"

#include "frame/Image.h"

TShadowForm* ShadowForm = nullptr;

TShadowForm::TShadowForm(HWND owner) : m_owner(owner) {
    SetName("ShadowForm");
    SetBorderStyle(frame::BorderStyle::None);
    SetScaled(false);
    SetClientSize(527, 407);
    m_background = MakeChild<frame::Image>();
    m_background->SetName("Background");
    m_background->SetBounds(0, 0, 0, 0);

    m_maker = std::make_unique<kiln::TPerPixelLayeredWindowMaker>();
    m_background->Picture().SetPixelFormat(frame::PixelFormat::Bits32);
    m_maker->SetClickThrough(true);
    m_maker->SetUseConstantAlpha(true);
    m_small.SetPixelFormat(frame::PixelFormat::Bits32);
    BlackenShadowImage(m_small, "small_shadow002.png");
    m_big.Load("big_shadow002.png");
}

TShadowForm::~TShadowForm() {
    m_maker.reset();
    if (ShadowForm == this) ShadowForm = nullptr;
}

void TShadowForm::CreateParams(frame::WindowParams& params) {
    frame::Form::CreateParams(params);
    params.style |= WS_POPUP;
    // An owned window stays above its owner, which is why the pictures are
    // transparent where the main window lies.
    if (IsWindow(m_owner)) params.wndParent = m_owner;
}

void TShadowForm::ShowSmallShadow() {
    m_background->Picture().Assign(m_small);
    ApplyBackground();
}

void TShadowForm::ShowBigShadow() {
    m_big.Fill(m_background->Picture());
    ApplyBackground();
}

void TShadowForm::ShowMiddleShadow() {
    if (!m_middle) {
        kiln::ShadowMask middle;
        middle.Load("big_shadow003.png");
        m_middle = std::move(middle);
    }
    m_middle->Fill(m_background->Picture());
    ApplyBackground();
}

void TShadowForm::PlaceAtStart(const frame::Form& mainWindow) {
    ShowSmallShadow();
    SetBounds(mainWindow.Left(), mainWindow.Top(), Width(), Height());
}

void TShadowForm::Follow(const frame::Form& mainWindow) {
    SetBounds(mainWindow.Left(), mainWindow.Top(), Width(), Height());
}

void TShadowForm::ApplyBackground() {
    frame::Bitmap& picture = m_background->Picture();
    m_background->SetAutoSize(true);
    SetClientSize(picture.Width(), picture.Height());
    m_maker->Apply(Handle(), picture);
}
