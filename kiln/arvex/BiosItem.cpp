#include "kiln/arvex/BiosItem.h"

#include <algorithm>
#include <cstdio>

#include "base/Reporting.h"
#include "kiln/arvex/BiosBooleanItem.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/BiosNumberItem.h"
#include "kiln/arvex/BiosStringItem.h"
#include "kiln/arvex/PackageView.h"

namespace kiln {
namespace {

// Room past the used bytes, zero-filled, so that the library's element walk
// never reads outside our copy even on a package that ends mid-element.
constexpr uint32_t kPackageSlack = 16;

}  // namespace

std::unique_ptr<BiosItem> BiosItem::Create(uint32_t number, const void* package, uint32_t size) {
    std::unique_ptr<BiosItem> item;
    switch (ItemKind(number)) {
        case kKindString: item.reset(new BiosStringItem(number, package, size)); break;
        case kKindBoolean: item.reset(new BiosBooleanItem(number, package, size)); break;
        default: item.reset(new BiosNumberItem(number, package, size)); break;
    }
    item->ParseHeader();
    return item;
}

BiosItem::BiosItem(uint32_t number, const void* package, uint32_t size)
    : m_number(number), m_package(size + kPackageSlack, 0), m_size(size) {
    if (size) std::copy_n(static_cast<const uint8_t*>(package), size, m_package.begin());
}

BiosItem::~BiosItem() = default;

void BiosItem::ParseHeader() {
    PackageView view(m_package.data(), m_size);
    uint32_t count = view.Count();
    if (count < 3) return;
    const void* cursor = view.First();
    if (!view.ReadInt(cursor, m_number)) return;
    cursor = view.Next(cursor);
    const char* name = view.ReadString(cursor);
    if (!name) return;
    m_name = name;
    cursor = view.Next(cursor);
    if (!view.ReadInt(cursor, m_attributes)) return;
    Parse(view, view.Next(cursor), count - 3);
}

bool BiosItem::Parse(const PackageView&, const void*, uint32_t) {
    return true;
}

bool BiosItem::ReadStrings(const PackageView& view, const void* cursor, uint32_t count,
                           std::vector<const char*>& out) {
    // Nothing is reserved for `count`: it is the firmware's word, and a package
    // whose element count is forged lets it pass every count check; only the
    // strings actually found in the bytes may take memory.
    std::vector<const char*> strings;
    for (uint32_t i = 0; i < count; ++i, cursor = view.Next(cursor)) {
        const char* text = view.ReadString(cursor);
        if (!text) return false;
        strings.push_back(text);
    }
    out = std::move(strings);
    return true;
}

uint32_t BiosItem::StepCount() const {
    return 0;
}

uint32_t BiosItem::DefaultIndex() const {
    return m_default;
}

bool BiosItem::HasExtraStrings() const {
    return ItemExtraFlag(m_number) == kExtraStringsFlag;
}

void BiosItem::ReportUnsupported(const char* operation) const {
    char text[96];
    std::snprintf(text, sizeof text, "Item[%x] does not supports %s", m_number, operation);
    base::ShowMessage(text, "BiosItem");
}

bool BiosItem::IndexToRational(uint32_t, int32_t&, int32_t&) const {
    ReportUnsupported("IndexToRational");
    return false;
}

double BiosItem::IndexToValue(uint32_t) const {
    ReportUnsupported("IndexToValue");
    return 0;
}

std::string BiosItem::IndexToString(uint32_t) const {
    ReportUnsupported("IndexToString");
    return {};
}

bool BiosItem::ReadIndex(uint32_t& index) const {
    return GetItemValue(m_number, index);
}

bool BiosItem::ReadValue(double& value) const {
    uint32_t index = 0;
    if (!ReadIndex(index)) return false;
    value = IndexToValue(index);
    return true;
}

bool BiosItem::ReadText(std::string& text) const {
    uint32_t index = 0;
    if (!ReadIndex(index)) return false;
    text = IndexToString(index);
    return true;
}

uint32_t BiosItem::WriteIndex(uint32_t index, uint32_t mode) const {
    return SetItemValueMode(m_number, index, mode);
}

}  // namespace kiln
