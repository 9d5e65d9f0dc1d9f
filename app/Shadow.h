#pragma once
// The main window's soft drop shadow: a second top-level window, owned by
// the main window, that shows a black per-pixel-alpha picture and lets every
// click fall through. Its three pictures follow the main window's compact,
// middle and large layouts.

#include "frame/Bitmap.h"
#include "frame/Form.h"
#include "kiln/Graphics/ShadowImage.h"
#include "kiln/widget/PerPixelLayeredWindow.h"

#include <memory>
#include <optional>
#include <string>

namespace frame {
class Image;
}

using kiln::BlackenShadowImage;

class TShadowForm : public frame::Form {
public:
    // `owner`, the main window, keeps the shadow above it.
    explicit TShadowForm(HWND owner);
    ~TShadowForm() override;

    void ShowSmallShadow();
    void ShowBigShadow();
    // The middle picture is read on first use only.
    void ShowMiddleShadow();
    // Small picture, top-left corner on the main window's.
    void PlaceAtStart(const frame::Form& mainWindow);
    // Keeps the shadow's size; only its top-left corner moves.
    void Follow(const frame::Form& mainWindow);

    frame::Image* Background() const { return m_background; }

protected:
    void CreateParams(frame::WindowParams& params) override;

private:
    // Sizes the window to the shadow and pushes its picture to the window.
    void Push(const kiln::ShadowMask& shadow);

    HWND m_owner;
    std::unique_ptr<kiln::TPerPixelLayeredWindowMaker> m_maker;
    frame::Image* m_background = nullptr;
    // Kept as masks: the layered window holds the picture shown.
    kiln::ShadowMask m_small;
    kiln::ShadowMask m_big;
    std::optional<kiln::ShadowMask> m_middle;
    const kiln::ShadowMask* m_pushed = nullptr;  // the one the window shows
};

// The one shadow window of the process; nullptr until it is made.
extern TShadowForm* ShadowForm;
