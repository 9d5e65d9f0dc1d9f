#include "app/mainwindow/SmallFloatingLed.h"

#include "app/mainwindow/WidgetParts.h"
#include "resources/SkinNames.h"

SmallFloatingLed::SmallFloatingLed(frame::WinControl& owner, const std::string& name)
    : FloatingLed(owner, name), m_unit(MakeNamedChild<kiln::LuImage>(owner, name + ".Unit")) {
    m_unit->SetAlphaChannel(true);
    m_unit->SetVisible(false);
    m_unit->Picture().Assign(LoadSkinPicture(skin::smallNumbersUnit, skin::folder::smallNumbers));
    m_unit->SetLeft(Left() + kUnitOffset);
    m_unit->SetTop(Top());
}

SmallFloatingLed::~SmallFloatingLed() {
    if (m_unit->Parent()) m_unit->Parent()->RemoveControl(m_unit);
}

void SmallFloatingLed::SetLeft(int x) {
    FloatingLed::SetLeft(x);
    m_unit->SetLeft(x + kUnitOffset);
}

void SmallFloatingLed::SetTop(int y) {
    FloatingLed::SetTop(y);
    m_unit->SetTop(y);
}

void SmallFloatingLed::SetVisible(bool visible) {
    FloatingLed::SetVisible(visible);
    m_unit->SetVisible(visible);
}
