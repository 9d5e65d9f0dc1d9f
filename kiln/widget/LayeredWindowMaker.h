#pragma once
// Colour-key and constant-alpha transparency for a whole window, through
// SetLayeredWindowAttributes. Used for shaped forms: every pixel of the key
// colour is see-through and lets clicks through to the window below.

#include "kiln/widget/LayeredAttributes.h"

#include <windows.h>

namespace kiln {

class LayeredWindowMaker : public LayeredAttributes {
public:
    LayeredWindowMaker();
    virtual ~LayeredWindowMaker() = default;
    LayeredWindowMaker(const LayeredWindowMaker&) = delete;
    LayeredWindowMaker& operator=(const LayeredWindowMaker&) = delete;

    // False on systems without SetLayeredWindowAttributes.
    bool IsEnabled() const { return m_setAttributes != nullptr; }

    void Apply(HWND window);
    void Remove(HWND window);

private:
    using SetAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    SetAttributesFn m_setAttributes;
};

}  // namespace kiln
