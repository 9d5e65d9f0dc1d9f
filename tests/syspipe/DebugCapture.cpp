#include "DebugCapture.h"

#include <mutex>

namespace {

std::mutex g_mutex;
std::vector<std::string> g_lines;

void Collect(const char* line) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_lines.emplace_back(line);
}

}  // namespace

DebugCapture::DebugCapture() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_lines.clear();
    m_previous = base::SetDebugOutputSink(&Collect);
}

DebugCapture::~DebugCapture() {
    base::SetDebugOutputSink(m_previous);
}

std::vector<std::string> DebugCapture::Lines() const {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_lines;
}
