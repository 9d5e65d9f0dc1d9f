#pragma once
// firmctl's output is tab-separated lines.

#include "tests/support/ChildProcess.h"

#include <string>
#include <vector>

using testsupport::ChildResult;
using testsupport::ReadWholeFile;
using testsupport::RunChild;
using testsupport::ScopedEnvironment;
using testsupport::SplitLines;

inline std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}
