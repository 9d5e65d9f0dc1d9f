#pragma once
// Walks the items of one firmware group, fetching each item's description as
// it goes. An item whose description could not be fetched is reported as not
// fetched; consumers skip it and go on with the next.

#include <array>
#include <cstdint>
#include <memory>

#include "kiln/arvex/BiosItem.h"
#include "kiln/arvex/GroupInfoTraverser.h"

namespace kiln {

class ItemTraverser {
public:
    ItemTraverser() = default;
    ItemTraverser(const ItemTraverser&) = delete;
    ItemTraverser& operator=(const ItemTraverser&) = delete;

    // Opening an open traverser is a programming error (assertion).
    bool Open(uint32_t group);
    void Close();
    bool IsOpen() const { return m_group.IsOpen(); }
    bool AtEnd() const { return m_group.AtEnd(); }
    // Moves on and fetches; false when the new current item was not fetched.
    bool Next();
    bool CurrentFetched() const { return m_fetched; }
    uint32_t CurrentNumber() const { return m_number; }
    // A new item object for the current description; nullptr when it was not fetched.
    std::unique_ptr<BiosItem> CreateItem() const;

private:
    bool Fetch();

    GroupInfoTraverser m_group;
    std::unique_ptr<std::array<uint8_t, 4096>> m_description;
    uint32_t m_size = 0;
    uint32_t m_number = 0;
    bool m_fetched = false;
};

}  // namespace kiln
