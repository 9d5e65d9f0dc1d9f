#pragma once
// Whether the program's objects are being built: the start-up, or an item
// set read from the firmware on first use. Building can show a message box
// ("Can not get any information from group 3"), and that box's message loop
// still delivers other programs' messages and the power broadcast to the
// main window. Their handlers reach the very objects being built, so the
// main window holds such messages while a construction is underway and
// sends them on once the last one has ended.

#include <functional>

class ConstructionScope {
public:
    ConstructionScope();
    ~ConstructionScope();
    ConstructionScope(const ConstructionScope&) = delete;
    ConstructionScope& operator=(const ConstructionScope&) = delete;

    static bool Underway();
    // Runs each time the last construction underway ends.
    static void OnAllEnded(std::function<void()> handler);
};
