#include "kiln/Component/LuLabel.h"

#include "frame/Canvas.h"
#include "frame/DCScope.h"

#include <vector>

namespace kiln {

namespace {

constexpr char kDots[] = "...";
// Under Wine a line drawn on the main window's 32-bit surface can start up
// to two pixels left of where DrawText measured it would, and the large
// sliders' caption box begins two pixels under the panel's edge: a caption
// that fills its box to within four pixels loses its first letter's stroke.
constexpr int kEdgeSlack = 4;

// Measured by the call that draws the line (tabs and '&' as it treats
// them), so that what fits is what shows.
int DrawnWidth(frame::Canvas& canvas, const std::string& text) {
    RECT needed{0, 0, 0, 0};
    canvas.DrawText(text, needed, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return needed.right - needed.left;
}

// The longest beginning of `text` that fits `width` with the dots after it.
// Cuts fall between characters (CharNextA), never inside a double-byte one,
// and spaces before the dots are dropped.
std::string ShortenToWidth(frame::Canvas& canvas, const std::string& text, int width) {
    std::vector<size_t> cuts;
    for (const char* at = text.c_str(); *at; at = CharNextA(at)) cuts.push_back(static_cast<size_t>(at - text.c_str()));
    const auto shortened = [&](size_t cut) {
        std::string head = text.substr(0, cut);
        while (!head.empty() && head.back() == ' ') head.pop_back();
        return head + kDots;
    };
    // cuts[0] is 0, which always "fits": nothing of the caption is left then.
    size_t low = 0, high = cuts.size() - 1;
    while (low < high) {
        const size_t middle = (low + high + 1) / 2;
        if (DrawnWidth(canvas, shortened(cuts[middle])) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return shortened(cuts[low]);
}

}  // namespace

void LuLabel::SetShaded(bool shaded) {
    m_layout.SetShaded(shaded);
    Invalidate();
}

void LuLabel::SetFitted(bool fitted) {
    m_fitted = fitted;
    if (fitted) SetAutoSize(false);
    Fit();
    Invalidate();
}

void LuLabel::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width();
    frame::Label::SetBounds(left, top, width, height);
    if (resized) Fit();
}

void LuLabel::PropertiesChanged() {
    frame::Label::PropertiesChanged();
    Fit();
}

const std::string& LuLabel::DrawnCaption() const {
    return m_fitted ? m_shown : Caption();
}

// Measured at every change of text, font or width, so that the hint is
// there before the label is first drawn, and again with the canvas each
// paint draws on, whose text can come out wider than the screen's.
void LuLabel::Fit() {
    if (!m_fitted) return;
    frame::Canvas canvas(frame::ScreenMeasureDC());
    canvas.Font().Assign(Font());
    FitTo(canvas);
    Invalidate();
}

void LuLabel::FitTo(frame::Canvas& canvas) {
    const std::string& caption = Caption();
    const int room = Width() - kEdgeSlack;
    const bool fits = caption.empty() || DrawnWidth(canvas, caption) <= room;
    m_shown = fits ? caption : ShortenToWidth(canvas, caption, room);
    // The tooltip is told only of a change: this runs in every paint.
    const std::string hint = fits ? std::string() : caption;
    if (Hint() != hint) SetHint(hint);
    if (ShowHint() == fits) SetShowHint(!fits);
}

void LuLabel::DoDrawText(frame::Canvas& canvas, RECT& rect, UINT flags) {
    if (m_fitted) {
        flags |= DT_SINGLELINE;
        if (!(flags & DT_CALCRECT)) FitTo(canvas);
    }
    if (!m_layout.Shaded() || !Enabled()) {
        frame::Label::DoDrawText(canvas, rect, flags);
        return;
    }
    if (Layout() == frame::TextLayout::Center) flags |= DT_VCENTER;
    if (Layout() == frame::TextLayout::Bottom) flags |= DT_BOTTOM;
    if (WordWrap())
        flags = (flags | DT_WORDBREAK) & ~DT_SINGLELINE;
    else
        flags |= DT_SINGLELINE;
    // An empty caption still measures one line high.
    const std::string& text = DrawnCaption().empty() && (flags & DT_CALCRECT) ? std::string(" ") : DrawnCaption();
    if (flags & DT_CALCRECT)
        m_layout.CalcRect(canvas, text, rect, flags & ~DT_CALCRECT);
    else
        m_layout.DrawText(canvas, text, rect, flags);
}

}  // namespace kiln
