#pragma once
// A skinned control drawn from N face bitmaps kept in a bitmap lamp, shaped
// by the key colour of its first face and sized to it.

#include "kiln/Component/LuControl.h"
#include "kiln/Component/TBmpLEDCtrl.h"
#include "kiln/Graphics/WinRegion.h"

#include <functional>

namespace kiln {

class LuCustomControl : public LuControl {
public:
    LuCustomControl(bool clicksDisabled, int faceCount);

    const char* ClassName() const override { return "LuCustomControl"; }

    // Shows face index, or the face Substitute names while it is empty.
    virtual void ShowBitmap(int index);
    // The face to show instead of an empty one.
    virtual int Substitute(int index);
    virtual void SetTransparent(bool transparent);
    virtual void SetTransparentColor(frame::Color color);

    void ShowRaised() override { ShowBitmap(0); }
    bool HitTest(int x, int y) override;
    void SetBounds(int left, int top, int width, int height) override;

    frame::Bitmap& Face(int index) { return m_faces.Bitmap(index); }
    // The face last asked for, before substitution.
    int FaceIndex() const { return m_faceIndex; }
    // The face actually on show.
    int ShownFace() const { return m_faces.State(); }
    bool Transparent() const { return m_faces.Picture().Transparent(); }
    frame::Color TransparentColor() const { return m_faces.Picture().TransparentColor(); }
    // What is shown: the face, and the caption drawn over it.
    frame::Bitmap& Picture() { return m_faces.Picture(); }
    frame::Canvas& FaceCanvas() { return m_faces.Canvas(); }

    // Draws the current face again and shows it.
    virtual void RepaintFace();

protected:
    void HandleCreated() override;
    void Dispatch(frame::Message& message) override;
    void Paint(frame::Canvas& canvas) override;
    // A face bitmap changed; derived controls may re-show first.
    virtual void FaceChanged(frame::Bitmap& face);
    void RebuildRegion();
    TBmpLEDCtrl& Faces() { return m_faces; }

private:
    void GiveRegionToWindow(bool shaped);

    TBmpLEDCtrl m_faces;
    WinRegion m_region;
    base::GdiRegion m_given;  // what the window holds; none while unshaped
    int m_faceIndex = 0;
    std::function<void(frame::Bitmap&)> m_face0Previous;
};

}  // namespace kiln
