#pragma once
// The main window as start-up leaves it (compact background, shaped, shown,
// CoreBk at its place on the CPU Ratio page), a simulated board with item
// sets read from it, and the pointer as a person drives it: messages to the
// main window at window coordinates, which reach the controls under them.

#include "app/mainwindow/AdvItemSets.h"
#include "frame/Bitmap.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/Diagnostics.h"
#include "tests/support/InProcessDriver.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace mainwindowtest {

// Item sets of one board, read when made: the process-wide sets keep the
// board they first saw.
class BoardSets {
public:
    BoardSets() : m_primary(&m_ratio) {}
    AdvItemSets Sets() { return AdvItemSets{m_primary, m_ratio, m_limits}; }
    LuOcPrimaryItemSet& Primary() { return m_primary; }
    LuOcRatio& Ratio() { return m_ratio; }

private:
    LuOcRatio m_ratio;
    LuOcPrimaryItemSet m_primary;
    LuOcLimitCheck m_limits;
};

// The primary item set's entry holding the item (-1 when none does).
int EntryOf(const LuOcPrimaryItemSet& items, uint32_t number);

// Pixels of a 32-bit picture: blue, green, red, alpha.
uint32_t PixelOf(frame::Bitmap& picture, int x, int y);

// A board shipped in bin/boards, or one of the test's own (tests/mainwindow/boards).
std::string ShippedBoard(const char* name);
std::string TestBoard(const char* name);

class WindowTest : public ::testing::Test, public testsupport::InProcessDriver {
protected:
    void SetUp() override;
    // Clears the hover slot and takes every control the test added off the window.
    void TearDown() override;

    // Loads the board and reads fresh item sets from it.
    void LoadBoard(const std::string& path);
    AdvItemSets Sets() { return m_sets->Sets(); }
    BoardSets& Board() { return *m_sets; }

    // Pointer messages to the main window at window coordinates.
    static void Move(int x, int y, bool leftHeld = false);
    static void Press(int x, int y, UINT message = WM_LBUTTONDOWN);
    static void Release(int x, int y, UINT message = WM_LBUTTONUP);
    // The middle of a control, in window coordinates.
    static POINT Centre(const frame::Control& control);

    testsupport::MessageRecorder messages;

private:
    std::unique_ptr<BoardSets> m_sets;
    size_t m_controlsBefore = 0;
};

}  // namespace mainwindowtest
