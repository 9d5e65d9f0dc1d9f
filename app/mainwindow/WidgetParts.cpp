#include "app/mainwindow/WidgetParts.h"

#include "app/mainwindow/WidgetHost.h"
#include "frame/Image.h"
#include "kiln/Graphics/BitmapView.h"
#include "kiln/Graphics/PngReader.h"

#include <algorithm>
#include <cstring>
#include <memory>

void StyleLabel(frame::Label& label, const LabelStyle& style) {
    frame::Font& font = label.Font();
    font.SetName("Arial");
    font.SetHeight(style.fontHeight);
    font.SetBold(style.bold);
    font.SetColor(style.color);
    label.SetAlignment(style.alignment);
    label.SetLayout(style.layout);
    label.SetTransparent(true);
}

frame::Bitmap LoadSkinPicture(const char* name, const char* folder) {
    frame::Bitmap picture;
    LoadSkinPicture(picture, name, folder);
    return picture;
}

void LoadSkinPicture(frame::Bitmap& target, const char* name, const char* folder) {
    kiln::LoadPng(kiln::GetResourceFolder() + folder + name, target);
}

// The path is made at each use: the resource folder is the program's, known
// only once it runs.
frame::Bitmap& WatchedSkinPicture::Current() {
    const std::string path = kiln::GetResourceFolder() + m_folder + m_name;
    const std::optional<kiln::FileStamp> stamp = kiln::FileStamp::Of(path);
    if (stamp && stamp == m_stamp) return m_picture;
    m_stamp.reset();
    kiln::LoadPng(path, m_picture);
    m_stamp = stamp;
    return m_picture;
}

void CopyPicture(const frame::Bitmap& source, frame::Bitmap& target) {
    if (source.Empty() || source.Width() != target.Width() || source.Height() != target.Height() ||
        source.Format() != target.Format()) {
        target.Assign(source);
        return;
    }
    const kiln::PixelView from = kiln::ReadViewOf(source);
    const kiln::PixelView to = kiln::ViewOf(target);
    for (int y = 0; y < from.height; ++y)
        std::memcpy(to.Row(y), from.Row(y), static_cast<size_t>(std::min(from.stride, to.stride)));
    target.Changed();
}

HoverSlot HoverOverRectangle(frame::Control* control, std::function<void(frame::Control*)> leave) {
    return HoverSlot{control,
                     [](frame::Control* hovered, POINT p) {
                         return p.x < 0 || p.y < 0 || p.x > hovered->Width() || p.y > hovered->Height();
                     },
                     std::move(leave)};
}

kiln::AlphaButton* MakeWindowButton(WidgetHost& window, const std::string& name, const skin::StateImages& faces,
                                    int left, int top, bool visible) {
    auto button = std::make_unique<kiln::AlphaButton>(window.Background()->Picture());
    button->SetName(name);
    button->SetCursor(frame::Cursor::HandPoint);
    // Placed before the faces load, so that they are blended once, at their
    // place; both before the window exists, so that it is made at its place
    // and size in one call rather than moved and sized after.
    button->SetBounds(left, top, 0, 0);
    button->LoadFaces(faces.normal, faces.pressed, faces.hover, faces.disabled);
    button->SetVisible(visible);
    return window.Surface().Adopt(std::move(button));
}
