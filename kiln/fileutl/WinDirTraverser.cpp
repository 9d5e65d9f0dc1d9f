#include "kiln/fileutl/WinDirTraverser.h"

#include "base/Diagnostics.h"

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/fileutl/Source/WinFileFind";

}  // namespace

WinDirTraverser::~WinDirTraverser() {
    CloseAll();
}

std::string WinDirTraverser::Join(const std::string& directory, const char* name) {
    if (directory.empty()) return name;
    std::string joined = directory;
    joined += '\\';
    joined += name;
    return joined;
}

void WinDirTraverser::Begin(const std::string& path, bool recursive) {
    CloseAll();
    const size_t slash = path.find_last_of('\\');
    m_directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    m_recursive = recursive;
    Push();
    Settle();
}

void WinDirTraverser::Push() {
    auto search = std::make_unique<WinFileFindA>();
    search->Open(Join(m_directory, "*").c_str());
    m_searches.push_back(std::move(search));
}

void WinDirTraverser::Advance() {
    if (AtEnd()) return;
    WinFileFindA& top = *m_searches.back();
    if (m_recursive && top.IsValid() && top.IsDirectory() && !top.IsDot() && !top.IsDotDot()) {
        m_directory = Join(m_directory, top.Name());
        Push();
    } else {
        top.Next();
    }
    Settle();
}

void WinDirTraverser::Settle() {
    while (!m_searches.empty() && !m_searches.back()->IsValid()) {
        m_searches.pop_back();
        const size_t slash = m_directory.find_last_of('\\');
        m_directory = slash == std::string::npos ? std::string() : m_directory.substr(0, slash);
        if (m_searches.empty()) return;
        m_searches.back()->Next();
    }
}

const WIN32_FIND_DATAA& WinDirTraverser::Current() const {
    BASE_ASSERT(!AtEnd(), kSource);
    return m_searches.back()->Data();
}

bool WinDirTraverser::CurrentIsDirectory() const {
    return !AtEnd() && m_searches.back()->IsDirectory();
}

void WinDirTraverser::CloseAll() {
    while (!m_searches.empty()) m_searches.pop_back();
    m_directory.clear();
}

}  // namespace kiln
