#pragma once
// Collects debugger-output lines while alive; lines may come from any thread.

#include "base/DebugOutput.h"

#include <string>
#include <vector>

class DebugCapture {
public:
    DebugCapture();
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;
    ~DebugCapture();

    std::vector<std::string> Lines() const;

private:
    base::DebugOutputSink m_previous;
};
