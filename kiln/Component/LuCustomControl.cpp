#include "kiln/Component/LuCustomControl.h"

#include "kiln/Graphics/BitmapView.h"

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
    } else if (const PixelView pixels = ReadViewOf(face0); !pixels.Empty()) {
        // Read in place: a copy of the face for every rebuild cost a new
        // bitmap each time, and building a control rebuilds several times.
        m_region.BuildFromPixels(pixels, frame::ColorToRGB(TransparentColor()));
    } else {
        m_region.BuildFromBitmap(face0.SharedHandle(), frame::ColorToRGB(TransparentColor()));
    }
    if (HandleAllocated()) GiveRegionToWindow(Transparent() && !face0.Empty());
}

// Building a control sets its face, size and key colour one by one, each
// rebuilding the outline; the window server hears only of a changed one.
void LuCustomControl::GiveRegionToWindow(bool shaped) {
    // A hidden control is drawn whole when it shows.
    const bool redraw = IsWindowVisible(Handle()) != FALSE;
    if (!shaped) {
        if (!m_given) return;
        m_given.Reset();
        SetWindowRgn(Handle(), nullptr, redraw);
        return;
    }
    if (m_given && EqualRgn(m_given.Get(), m_region.Handle())) return;
    if (m_region.ApplyToWindow(Handle(), redraw))
        m_given = m_region.Copy();
    else
        m_given.Reset();
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
    m_given.Reset();  // a new window starts without an outline
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
