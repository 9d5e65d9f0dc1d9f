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
    m_small.Load("small_shadow002.png");
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

void TShadowForm::ShowSmallShadow() { Push(m_small); }

void TShadowForm::ShowBigShadow() { Push(m_big); }

void TShadowForm::ShowMiddleShadow() {
    if (!m_middle) {
        kiln::ShadowMask middle;
        middle.Load("big_shadow003.png");
        m_middle = std::move(middle);
    }
    Push(*m_middle);
}

void TShadowForm::PlaceAtStart(const frame::Form& mainWindow) {
    ShowSmallShadow();
    SetBounds(mainWindow.Left(), mainWindow.Top(), Width(), Height());
}

void TShadowForm::Follow(const frame::Form& mainWindow) {
    SetBounds(mainWindow.Left(), mainWindow.Top(), Width(), Height());
}

void TShadowForm::Push(const kiln::ShadowMask& shadow) {
    // The window keeps what it was given: start-up asks for the small shadow
    // twice (the compact layout, then the placing), and the pixels are the
    // same.
    if (&shadow == m_pushed) return;
    frame::Bitmap& picture = m_background->Picture();
    shadow.Fill(picture);
    m_background->SetAutoSize(true);
    SetClientSize(picture.Width(), picture.Height());
    m_maker->Apply(Handle(), picture);
    m_pushed = &shadow;
    // The layered window keeps what was pushed to it and nothing paints
    // this window: the picture would only be a second copy.
    picture.Reshape(0, 0, frame::PixelFormat::Bits32);
    picture.Changed();
}
