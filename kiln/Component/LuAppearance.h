#pragma once
// Property groups that name the faces of a skinned control: assigning a
// bitmap to one of them copies it into the matching face.

#include "frame/Bitmap.h"

namespace kiln {

class LuCustomControl;

class LuCtrlAppearance {
public:
    explicit LuCtrlAppearance(LuCustomControl& control) : m_control(control) {}
    LuCtrlAppearance(const LuCtrlAppearance&) = delete;
    LuCtrlAppearance& operator=(const LuCtrlAppearance&) = delete;

protected:
    LuCustomControl& m_control;
};

// Faces base+0 .. base+3: raised, sunken, focused, disabled.
class LuFourStateAppearance : public LuCtrlAppearance {
public:
    LuFourStateAppearance(LuCustomControl& control, int base) : LuCtrlAppearance(control), m_base(base) {}

    void SetRaisedBmp(const frame::Bitmap& bitmap) { SetFace(0, bitmap); }
    void SetSunkenBmp(const frame::Bitmap& bitmap) { SetFace(1, bitmap); }
    void SetFocusedBmp(const frame::Bitmap& bitmap) { SetFace(2, bitmap); }
    void SetDisabledBmp(const frame::Bitmap& bitmap) { SetFace(3, bitmap); }

    frame::Bitmap& Face(int offset) const;
    // Writing the control's face 0 also takes its transparent colour.
    void SetFace(int offset, const frame::Bitmap& bitmap);

private:
    int m_base;
};

class LuChkBoxAppearance {
public:
    explicit LuChkBoxAppearance(LuCustomControl& control) : Uncheck(control, 0), Check(control, 4), Gray(control, 8) {}
    LuFourStateAppearance Uncheck;
    LuFourStateAppearance Check;
    LuFourStateAppearance Gray;
};

class LuRadioBtnAppearance : public LuCtrlAppearance {
public:
    explicit LuRadioBtnAppearance(LuCustomControl& control)
        : LuCtrlAppearance(control), Uncheck(control, 0), Check(control, 4) {}
    LuFourStateAppearance Uncheck;
    LuFourStateAppearance Check;
};

}  // namespace kiln
