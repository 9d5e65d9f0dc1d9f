#pragma once
// The assertion and message-box seams as tests use them: an assertion throws
// AssertionStop instead of stopping the test program, and message boxes can
// be recorded instead of shown. Both restore the previous handlers when the
// scope ends.

#include "base/Diagnostics.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct AssertionStop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "Assertion failed: <condition>, file ..." -> the condition.
inline std::string AssertedCondition(const AssertionStop& stop) {
    const std::string text = stop.what();
    const std::string prefix = "Assertion failed: ";
    const size_t end = text.find(", file ");
    return text.substr(prefix.size(), end - prefix.size());
}

class ThrowingAsserts {
public:
    ThrowingAsserts() : m_previous(base::SetAssertHandler(&Throw)) {}
    ~ThrowingAsserts() { base::SetAssertHandler(m_previous); }
    ThrowingAsserts(const ThrowingAsserts&) = delete;
    ThrowingAsserts& operator=(const ThrowingAsserts&) = delete;

private:
    static void Throw(const char* message) { throw AssertionStop(message); }

    base::AssertHandler m_previous;
};

// Records every message box as (text, caption), answering it with `answer`,
// and makes assertions throw.
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = IDOK) : m_previous(base::SetMessageHandler(&Record)) {
        Messages().clear();
        Answer() = answer;
    }
    ~MessageRecorder() { base::SetMessageHandler(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // In the order shown.
    static std::vector<std::pair<std::string, std::string>>& Messages() {
        static std::vector<std::pair<std::string, std::string>> messages;
        return messages;
    }

private:
    static int& Answer() {
        static int answer = IDOK;
        return answer;
    }
    static int Record(const char* text, const char* caption, UINT) {
        Messages().emplace_back(text, caption);
        return Answer();
    }

    base::MessageHandler m_previous;
    ThrowingAsserts m_asserts;
};

}  // namespace testsupport
