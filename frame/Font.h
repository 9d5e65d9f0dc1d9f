#pragma once
// A font description and the GDI font made from it on demand.

#include "base/Handles.h"
#include "frame/Types.h"

#include <functional>
#include <string>

namespace frame {

class Font {
public:
    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    void SetName(const std::string& name);
    // As in LOGFONT: negative values are the character height in pixels,
    // positive values the cell height.
    int Height() const { return m_height; }
    void SetHeight(int height);
    Color GetColor() const { return m_color; }
    void SetColor(Color color);
    void SetBold(bool bold);

    // Copies name, height, colour and weight; notifies once if anything changed.
    void Assign(const Font& other);
    bool SameAs(const Font& other) const;

    // The GDI font for the current description; owned by this object and
    // valid until the next change.
    HFONT Handle();

    std::function<void(Font&)> OnChange;

private:
    void Changed();

    std::string m_name = "Tahoma";
    int m_height = -11;
    Color m_color = colors::WindowText;
    bool m_bold = false;
    base::GdiFont m_handle;
};

}  // namespace frame
