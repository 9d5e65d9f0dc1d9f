#pragma once
// Walks the list of one firmware group. The traverser is open while it holds
// its list buffer, that is from Open (even a failed one) until Close.

#include <array>
#include <cstdint>
#include <memory>

#include "kiln/arvex/PackageView.h"

namespace kiln {

class GroupInfoTraverser {
public:
    GroupInfoTraverser() = default;
    GroupInfoTraverser(const GroupInfoTraverser&) = delete;
    GroupInfoTraverser& operator=(const GroupInfoTraverser&) = delete;

    // Opening an open traverser is a programming error (assertion).
    bool Open(uint32_t group);
    void Close();
    bool IsOpen() const { return m_buffer != nullptr; }
    bool AtEnd() const { return m_position >= m_count; }
    void Next();
    // Data pointer of the current list element, as the describe call takes
    // it; nullptr at the end or when the list is shorter than its count.
    const void* Current() const;

private:
    PackageView View() const;

    // The list plus zeroed slack, so that walking a list whose count claims
    // more elements than it holds stays inside our memory.
    using Buffer = std::array<uint8_t, 4096 + 16>;

    std::unique_ptr<Buffer> m_buffer;
    uint32_t m_size = 0;
    void* m_current = nullptr;
    uint32_t m_position = 0;
    uint32_t m_count = 0;
};

}  // namespace kiln
