#pragma once
// The picture a bitmap LED draws on and what a painter needs to know about
// it: its canvas, the colour that erases it, and its size. The host control
// shows the picture; the layer itself takes no input.

#include "frame/Bitmap.h"

#include <functional>

namespace kiln {

class ImageLayer {
public:
    explicit ImageLayer(frame::PixelFormat format);
    ImageLayer(const ImageLayer&) = delete;
    ImageLayer& operator=(const ImageLayer&) = delete;

    frame::Bitmap& Picture() { return m_picture; }
    const frame::Bitmap& Picture() const { return m_picture; }
    frame::Canvas& Canvas() { return m_picture.Canvas(); }
    frame::Color Background() const { return m_background; }
    int Width() const { return m_picture.Width(); }
    int Height() const { return m_picture.Height(); }

    // Position within the host control.
    POINT Position() const { return m_position; }
    void MoveBy(int dx, int dy);

    // Asks the host to show the picture again at once.
    void Repaint();
    std::function<void()> OnRepaint;

private:
    frame::Bitmap m_picture;
    frame::Color m_background = frame::colors::White;
    POINT m_position{0, 0};
};

}  // namespace kiln
