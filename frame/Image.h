#pragma once
// A windowless control that shows a bitmap.

#include "frame/Bitmap.h"
#include "frame/GraphicControl.h"

namespace frame {

class Image : public GraphicControl {
public:
    Image();

    // The picture; any change to it repaints the image (and resizes it when
    // AutoSize is on).
    Bitmap& Picture() { return m_picture; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    // Leaves the picture's transparent colour out when drawing.
    bool Transparent() const { return m_picture.Transparent(); }
    void SetTransparent(bool transparent) { m_picture.SetTransparent(transparent); }

    void Paint(Canvas& canvas) override;

protected:
    virtual void PictureChanged();

private:
    void FitToPicture();

    Bitmap m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
};

}  // namespace frame
