#pragma once
// A number on the window composed of digit pictures: a fixed number of
// integer digits (right-aligned with leading zeros; digits beyond them are
// dropped), optionally a point and fraction digits, and a highlighted look
// drawn from the highlighted half of the digit set. Negative values show as
// zero.
//
// FloatingLed draws large digits, MiddleFloatingLed middle ones (with the
// point). Slots are named "<name>.Digit<i>", left to right.

#include "app/mainwindow/NumberLed.h"
#include "frame/WinControl.h"

#include <memory>
#include <string>
#include <vector>

class FloatingLed {
public:
    // The slots are made on `owner`, which must outlive the display.
    FloatingLed(frame::WinControl& owner, const std::string& name);
    FloatingLed(const FloatingLed&) = delete;
    FloatingLed& operator=(const FloatingLed&) = delete;
    virtual ~FloatingLed();

    // A format with another slot count rebuilds the row at the display's
    // place; one with the same count keeps the slots where they are.
    void SetFormat(unsigned integerDigits, unsigned fractionDigits);
    virtual void SetLeft(int x);
    virtual void SetTop(int y);
    virtual void SetVisible(bool visible);
    void SetValue(double value);
    // Takes effect with the next SetValue.
    void SetHighlighted(bool highlighted) { m_highlighted = highlighted; }

    int Left() const { return m_x; }
    int Top() const { return m_y; }
    const std::vector<std::unique_ptr<NumberLed>>& Slots() const { return m_slots; }

protected:
    virtual std::unique_ptr<NumberLed> CreateDigit() const;
    virtual int DigitSpacing() const { return 0; }

private:
    void Rebuild(size_t count);

    int m_x = 0;
    int m_y = 0;
    std::vector<std::unique_ptr<NumberLed>> m_slots;
    bool m_visible = false;
    unsigned m_integerDigits = 0;
    unsigned m_fractionDigits = 0;
    frame::WinControl& m_owner;
    bool m_highlighted = false;
    std::string m_name;
};

class MiddleFloatingLed : public FloatingLed {
public:
    using FloatingLed::FloatingLed;

protected:
    std::unique_ptr<NumberLed> CreateDigit() const override { return std::make_unique<MiddleNumberLed>(); }
    int DigitSpacing() const override { return -1; }
};
