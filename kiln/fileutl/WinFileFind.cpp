#include "kiln/fileutl/WinFileFind.h"

#include "base/Diagnostics.h"

#include <cstring>

namespace kiln {

WinFileFindA::~WinFileFindA() {
    Close();
}

bool WinFileFindA::Open(const char* pattern) {
    BASE_ASSERT(!IsOpen(), "kiln/fileutl/Source/WinFileFind");
    m_data = std::make_unique<WIN32_FIND_DATAA>();
    m_find.Reset(FindFirstFileA(pattern, m_data.get()));
    if (!m_find) {
        m_data.reset();
        m_valid = false;
        return false;
    }
    m_valid = true;
    return true;
}

void WinFileFindA::Next() {
    m_valid = m_find && FindNextFileA(m_find.Get(), m_data.get());
}

void WinFileFindA::Close() {
    m_data.reset();
    m_find.Reset();
    m_valid = false;
}

bool WinFileFindA::IsDot() const {
    return std::strcmp(m_data->cFileName, ".") == 0;
}

bool WinFileFindA::IsDotDot() const {
    return std::strcmp(m_data->cFileName, "..") == 0;
}

}  // namespace kiln
