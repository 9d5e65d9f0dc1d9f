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
    void SetAutoSize(bool autoSize);

    void Paint(Canvas& canvas) override;

protected:
    virtual void PictureChanged();

private:
    void FitToPicture();

    Bitmap m_picture;
    bool m_autoSize = false;
};

}  // namespace frame
