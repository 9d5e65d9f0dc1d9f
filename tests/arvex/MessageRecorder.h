#pragma once
// Captures the toolkit's message boxes and assertions for the duration of a
// test; an assertion throws so that the test can see it instead of stopping.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "kiln/System/Diagnostics.h"

struct AssertionStop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class MessageRecorder {
public:
    MessageRecorder() {
        Messages().clear();
        m_previousMessage = kiln::SetMessageHandler(&Record);
        m_previousAssert = kiln::SetAssertHandler(&Throw);
    }
    ~MessageRecorder() {
        kiln::SetMessageHandler(m_previousMessage);
        kiln::SetAssertHandler(m_previousAssert);
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // (text, caption) pairs in the order shown.
    static std::vector<std::pair<std::string, std::string>>& Messages() {
        static std::vector<std::pair<std::string, std::string>> messages;
        return messages;
    }

private:
    static int Record(const char* text, const char* caption, UINT) {
        Messages().emplace_back(text, caption);
        return IDOK;
    }
    static void Throw(const char* message) { throw AssertionStop(message); }

    kiln::MessageHandler m_previousMessage;
    kiln::AssertHandler m_previousAssert;
};
