#pragma once
// Small pieces every value widget of the main window is made of: named
// controls on the window, labels in the window's type, pictures of the skin
// and the hover registration of a control's own rectangle.

#include "app/MainHover.h"
#include "app/mainwindow/WidgetHost.h"
#include "frame/Bitmap.h"
#include "kiln/Component/AlphaButton.h"
#include "frame/Label.h"
#include "frame/WinControl.h"
#include "kiln/Graphics/PngReader.h"
#include "resources/SkinNames.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

// A child of `parent` that tests and tools can find by `name`.
template <class T, class... Args>
T* MakeNamedChild(frame::WinControl& parent, const std::string& name, Args&&... args) {
    T* control = parent.MakeChild<T>(std::forward<Args>(args)...);
    control->SetName(name);
    return control;
}

template <class T, class... Args>
T* MakeNamedChild(WidgetHost& host, const std::string& name, Args&&... args) {
    return MakeNamedChild<T>(static_cast<frame::WinControl&>(host.Surface()), name, std::forward<Args>(args)...);
}

struct LabelStyle {
    int fontHeight = -12;
    bool bold = false;
    frame::Color color = frame::colors::White;
    frame::Alignment alignment = frame::Alignment::Left;
    frame::TextLayout layout = frame::TextLayout::Top;
};

// Arial in the given height, weight and colour, on a transparent background.
void StyleLabel(frame::Label& label, const LabelStyle& style);

// "Resource\" + folder + name as a 32-bit picture with straight alpha;
// raises frame::FileOpenError when the file is missing.
frame::Bitmap LoadSkinPicture(const char* name, const char* folder = skin::folder::root);
// The same, read into `target`, which keeps its own bitmap when the size fits.
void LoadSkinPicture(frame::Bitmap& target, const char* name, const char* folder = skin::folder::root);

// A skin picture read again only when its file changed (size or time of the
// last write), so that a skin edited while the program runs shows at the
// next update without a decode on every pointer move.
class WatchedSkinPicture {
public:
    WatchedSkinPicture(const char* name, const char* folder = skin::folder::root) : m_name(name), m_folder(folder) {}
    // As the file holds it now; raises frame::FileOpenError when it is
    // missing, as LoadSkinPicture does.
    frame::Bitmap& Current();

private:
    const char* m_name;
    const char* m_folder;
    frame::Bitmap m_picture;
    std::optional<kiln::FileStamp> m_stamp;  // of the file decoded last
};

// Copies the pixels into `target` and tells its owner. A target of the same
// size and format keeps its bitmap: widgets redraw their pictures on every
// pointer move, and a new system bitmap each time is most of that cost.
void CopyPicture(const frame::Bitmap& source, frame::Bitmap& target);

// Registers `control` with the main window's hover tracking: the pointer is
// over it while inside its rectangle, the right and bottom edges included.
HoverSlot HoverOverRectangle(frame::Control* control, std::function<void(frame::Control*)> leave);

// A step or drop button on the main window: hand-point cursor, faces blended
// over the window's background at (left, top), sized to its normal face.
kiln::AlphaButton* MakeWindowButton(WidgetHost& window, const std::string& name, const skin::StateImages& faces,
                                    int left, int top, bool visible = true);
