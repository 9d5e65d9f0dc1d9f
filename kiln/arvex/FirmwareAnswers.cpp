#include "kiln/arvex/FirmwareAnswers.h"

#include <cstring>
#include <map>
#include <vector>

#include "kiln/arvex/BiosInterface.h"
#include "vendor/firmlink.h"

namespace kiln {
namespace {

using Answer = std::vector<uint8_t>;

// The program asks from its one thread; the maps are never touched from
// another.
std::map<uint32_t, Answer>& Lists() {
    static std::map<uint32_t, Answer> lists;
    return lists;
}

std::map<uint32_t, Answer>& Descriptions() {
    static std::map<uint32_t, Answer> descriptions;
    return descriptions;
}

bool CopyKept(const Answer& kept, uint8_t* buffer, uint32_t& size) {
    if (kept.size() > size) return false;
    if (!kept.empty()) std::memcpy(buffer, kept.data(), kept.size());
    size = static_cast<uint32_t>(kept.size());
    return true;
}

}  // namespace

bool ListGroup(uint32_t group, uint8_t* buffer, uint32_t& size) {
    const auto kept = Lists().find(group);
    if (kept != Lists().end()) return CopyKept(kept->second, buffer, size);
    const uint32_t capacity = size;
    if (!FirmListGroup(group, buffer, &size)) return false;
    if (size <= capacity) Lists()[group] = Answer(buffer, buffer + size);
    return true;
}

bool DescribeItem(const void* element, uint8_t* buffer, uint32_t& size) {
    if (!element) return false;
    uint32_t number = 0;
    std::memcpy(&number, element, sizeof number);
    const auto kept = Descriptions().find(number);
    if (kept != Descriptions().end()) return CopyKept(kept->second, buffer, size);
    const uint32_t capacity = size;
    if (!FirmDescribeItem(element, buffer, &size)) return false;
    if (size <= capacity) Descriptions()[number] = Answer(buffer, buffer + size);
    return true;
}

void ForgetFirmwareAnswers() {
    Lists().clear();
    Descriptions().clear();
}

}  // namespace kiln
