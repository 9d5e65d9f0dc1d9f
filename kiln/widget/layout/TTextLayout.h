#pragma once
// Text painters: objects that draw or measure a text on a canvas, so that a
// control can swap plain, shadowed or owner-draw text without changing.

#include "frame/Canvas.h"

#include <string>

namespace kiln {

class TLayoutBase {
public:
    virtual ~TLayoutBase() = default;
    virtual void DrawText(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) = 0;
    virtual void DrawWideText(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) = 0;
    // Replaces rect by the rectangle the text needs.
    virtual void CalcRect(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) = 0;
    virtual void CalcWideRect(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) = 0;
};

// Draws with the canvas' font and no background.
class TTextLayout : public TLayoutBase {
public:
    void DrawText(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) override;
    void DrawWideText(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) override;
    void CalcRect(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) override;
    void CalcWideRect(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) override;
};

}  // namespace kiln
