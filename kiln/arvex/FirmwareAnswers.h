#pragma once
// The firmware's answers that cannot change while the program runs: which
// items a group lists and how each item is described. Each is asked once
// per process and kept; a call that failed is not kept, so the next walk
// asks again. Values and limits are never kept here: they change.

#include <cstdint>

namespace kiln {

// As FirmListGroup: fills up to `size` bytes and sets `size`; false when
// the firmware refused.
bool ListGroup(uint32_t group, uint8_t* buffer, uint32_t& size);
// As FirmDescribeItem for one element of a group list, whose payload starts
// with the item number.
bool DescribeItem(const void* element, uint8_t* buffer, uint32_t& size);

// For tests that put another board in place within one process.
void ForgetFirmwareAnswers();

}  // namespace kiln
