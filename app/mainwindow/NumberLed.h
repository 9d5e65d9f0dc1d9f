#pragma once
// One digit slot of a digit display: an image on the window that shows one
// picture of its class's digit set. The set is read from disk when the first
// slot of the class is made and shared by every slot of the class for the
// rest of the process.
//
// Set indexes: 0-9 digits, 10-19 highlighted digits, 20 point, 21
// highlighted point; a class loads only the part of the set it has.

#include "frame/Bitmap.h"
#include "frame/WinControl.h"
#include "kiln/Component/LuImage.h"

#include <string>
#include <vector>

class NumberLed {
public:
    NumberLed() = default;
    NumberLed(const NumberLed&) = delete;
    NumberLed& operator=(const NumberLed&) = delete;
    // Takes the slot's image off the window.
    virtual ~NumberLed();

    // Reads the class's set if this is its first slot, then makes the image
    // on `owner`, showing index 0.
    void Init(frame::WinControl& owner, const std::string& name);
    // An index the class's set lacks shows nothing.
    void Show(int index);
    int ShownIndex() const { return m_index; }

    kiln::LuImage& Image() const { return *m_image; }
    int Left() const { return m_image->Left(); }
    int Top() const { return m_image->Top(); }
    int Width() const { return m_image->Width(); }
    void SetLeft(int left) { m_image->SetLeft(left); }
    void SetTop(int top) { m_image->SetTop(top); }
    void SetVisible(bool visible) { m_image->SetVisible(visible); }

protected:
    // "Resource\" sub-folder of the set, ending in a backslash.
    virtual const char* FolderName() const = 0;
    // The class's set, shared by all its slots; empty until read.
    virtual std::vector<frame::Bitmap>& ImageTable() const = 0;
    // How many indexes of the set the class has.
    virtual int SetSize() const = 0;
    // Reads the whole set from disk; a missing file raises
    // frame::FileOpenError and leaves the set unread.
    virtual void LoadImageTable();

private:
    kiln::LuImage* m_image = nullptr;
    // None yet: the first Show always draws.
    int m_index = -1;
};

// Large digits: "Numbers\", digits and highlighted digits, no point.
class LargeNumberLed : public NumberLed {
protected:
    const char* FolderName() const override;
    std::vector<frame::Bitmap>& ImageTable() const override;
    int SetSize() const override { return 20; }
};

// Middle digits: "Middle_Numbers\", with both points.
class MiddleNumberLed : public NumberLed {
protected:
    const char* FolderName() const override;
    std::vector<frame::Bitmap>& ImageTable() const override;
    int SetSize() const override { return 22; }
};

// Small digits: "Small_Numbers\", plain digits only.
class SmallNumberLed : public NumberLed {
protected:
    const char* FolderName() const override;
    std::vector<frame::Bitmap>& ImageTable() const override;
    int SetSize() const override { return 10; }
};
