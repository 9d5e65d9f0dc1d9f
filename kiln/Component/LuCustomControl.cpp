#include "kiln/Component/LuCustomControl.h"

namespace kiln {

LuCustomControl::LuCustomControl(bool clicksDisabled, int faceCount)
    : LuControl(clicksDisabled), m_faces(faceCount) {
    m_face0Previous = m_faces.Bitmap(0).OnChange;
    for (int i = 0; i < m_faces.StateCount(); ++i)
        m_faces.Bitmap(i).OnChange = [this](frame::Bitmap& face) { FaceChanged(face); };
    m_faces.Layer().OnRepaint = [this] { Invalidate(); };
}

void LuCustomControl::ShowBitmap(int index) {
    m_faceIndex = index;
    while (index != 0 && m_faces.Bitmap(index).Empty()) index = Substitute(index);
    m_faces.SetState(index);
    Invalidate();
}

int LuCustomControl::Substitute(int) { return 0; }

bool LuCustomControl::HitTest(int x, int y) { return PtInRegion(m_region.Handle(), x, y) != 0; }

void LuCustomControl::SetBounds(int left, int top, int width, int height) {
    if (!m_faces.Bitmap(0).Empty()) {
        width = m_faces.Width();
        height = m_faces.Height();
    }
    LuControl::SetBounds(left, top, width, height);
}

void LuCustomControl::SetTransparent(bool transparent) {
    if (transparent == Transparent()) return;
    m_faces.Picture().SetTransparent(transparent);
    RebuildRegion();
}

void LuCustomControl::SetTransparentColor(frame::Color color) {
    m_faces.Picture().SetTransparentColor(color);
    RebuildRegion();
}

void LuCustomControl::RebuildRegion() {
    frame::Bitmap& face0 = m_faces.Bitmap(0);
    if (!Transparent()) {
        m_region.SetRect(0, 0, Width(), Height());
    } else if (face0.Empty()) {
        m_region.Clear();
    } else {
        frame::Bitmap copy;
        copy.Assign(face0);
        m_region.BuildFromBitmap(copy.Handle(), frame::ColorToRGB(TransparentColor()));
    }
    if (!HandleAllocated()) return;
    if (!Transparent() || face0.Empty())
        SetWindowRgn(Handle(), nullptr, TRUE);
    else
        m_region.ApplyToWindow(Handle(), true);
}

void LuCustomControl::FaceChanged(frame::Bitmap& face) {
    const int index = m_faces.IndexOf(face);
    if (index < 0) return;
    // The face store's own handling comes first: it redraws a face on show
    // without the caption, which the re-show and repaint below put back.
    if (index != 0) {
        m_faces.BitmapChanged(face);
        if (index == m_faceIndex) ShowBitmap(index);
        return;
    }
    m_faces.Picture().SetSize(face.Width(), face.Height());
    if (m_face0Previous) m_face0Previous(face);
    RepaintFace();
    // Through the virtual SetBounds, so that captioned controls re-centre their text.
    if (!face.Empty()) SetBounds(Left(), Top(), face.Width(), face.Height());
    RebuildRegion();
}

void LuCustomControl::RepaintFace() {
    m_faces.Redraw();
    Invalidate();
}

void LuCustomControl::Paint(frame::Canvas& canvas) {
    frame::Bitmap& picture = m_faces.Picture();
    if (picture.Empty()) return;
    const RECT whole{0, 0, picture.Width(), picture.Height()};
    const POINT at = m_faces.Layer().Position();
    const RECT placed{at.x, at.y, at.x + picture.Width(), at.y + picture.Height()};
    const DWORD mode = canvas.CopyMode();
    canvas.SetCopyMode(SRCCOPY);
    canvas.CopyRect(placed, picture.Canvas(), whole);
    canvas.SetCopyMode(mode);
}

void LuCustomControl::HandleCreated() {
    LuControl::HandleCreated();
    RebuildRegion();
}

void LuCustomControl::Dispatch(frame::Message& message) {
    switch (message.msg) {
    case WM_ERASEBKGND:
        message.result = 1;
        return;
    case WM_SIZE:
        LuControl::Dispatch(message);
        RebuildRegion();
        return;
    default: break;
    }
    LuControl::Dispatch(message);
}

}  // namespace kiln
