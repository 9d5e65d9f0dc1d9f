#pragma once
// An icon loaded from a file.

#include "base/Handles.h"

#include <string>

namespace frame {

class Icon {
public:
    Icon() = default;

    // Throws FileOpenError when the file cannot be opened and Exception
    // (ErrorKind::InvalidGraphic) when it is not an icon; the icon held
    // before stays in both cases.
    void LoadFromFile(const std::string& path);
    bool Empty() const { return !m_icon; }
    // Hands the icon over to the caller, who then destroys it.
    HICON ReleaseHandle() { return m_icon.Release(); }

private:
    base::IconHandle m_icon;
};

}  // namespace frame
