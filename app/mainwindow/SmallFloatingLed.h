#pragma once
// A frequency in small digits followed by the "MHz" picture, which sits 44
// pixels right of the display's left edge. Never highlighted and never
// given fraction digits: its digit set has neither.
// Controls: "<name>.Digit<i>" and "<name>.Unit".

#include "app/mainwindow/FloatingLed.h"
#include "kiln/Component/LuImage.h"

class SmallFloatingLed : public FloatingLed {
public:
    SmallFloatingLed(frame::WinControl& owner, const std::string& name);
    ~SmallFloatingLed() override;

    void SetLeft(int x) override;
    void SetTop(int y) override;
    // Also applied to the unit picture when the digits already had it.
    void SetVisible(bool visible) override;

protected:
    std::unique_ptr<NumberLed> CreateDigit() const override { return std::make_unique<SmallNumberLed>(); }
    int DigitSpacing() const override { return -4; }

private:
    static constexpr int kUnitOffset = 44;

    kiln::LuImage* m_unit;
};
