#include "kiln/arvex/BiosNumberItem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "base/Reporting.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/PackageView.h"

namespace kiln {
namespace {

constexpr const char* kExtraStringMessage = "Can not convert extra string to value";

// Low 24 bits as a signed value.
int32_t Signed24(uint32_t word) {
    return static_cast<int32_t>(word << 8) >> 8;
}

int TrailingDecimalZeros(int32_t value) {
    int64_t magnitude = std::llabs(static_cast<int64_t>(value));
    if (magnitude == 0) return 0;
    int zeros = 0;
    while (magnitude % 10 == 0) {
        magnitude /= 10;
        ++zeros;
    }
    return zeros;
}

// Powers of ten are exact in a double up to 1e22, well past the exponents
// real tables use; repeated multiplication keeps them so.
double PowerOfTen(int exponent) {
    double result = 1;
    for (int i = 0; i < exponent; ++i) result *= 10;
    return result;
}

}  // namespace

bool BiosNumberItem::Parse(const PackageView& view, const void* cursor, uint32_t remaining) {
    if (remaining < 4) return false;
    uint32_t base = 0, step = 0, count = 0;
    if (!view.ReadInt(cursor, m_default)) return false;
    cursor = view.Next(cursor);
    if (!view.ReadInt(cursor, base)) return false;
    m_base = base;
    cursor = view.Next(cursor);
    if (!view.ReadInt(cursor, step)) return false;
    m_step = step;
    cursor = view.Next(cursor);
    if (!view.ReadInt(cursor, count)) return false;
    m_steps = count;
    remaining -= 4;
    if (remaining == 0) return true;

    // Extra strings: their count, then that many strings.
    if (remaining < 2) return false;
    cursor = view.Next(cursor);
    uint32_t extra = 0;
    if (!view.ReadInt(cursor, extra)) return false;
    if (extra == 0 || extra > remaining - 1) return false;
    if (!ReadStrings(view, view.Next(cursor), extra, m_exStrs)) return false;
    m_steps = count > std::numeric_limits<uint32_t>::max() - extra ? std::numeric_limits<uint32_t>::max()
                                                                   : count + extra;
    return true;
}

uint32_t BiosNumberItem::StepCount() const {
    return m_steps;
}

int BiosNumberItem::Exponent() const {
    return static_cast<int8_t>(m_base >> 24);
}

int32_t BiosNumberItem::Numerator(uint32_t index) const {
    // Wrapping 32-bit arithmetic, as the firmware's own tables are computed.
    uint32_t j = index - ExtraStringCount();
    return static_cast<int32_t>(static_cast<uint32_t>(Signed24(m_base)) +
                                j * static_cast<uint32_t>(Signed24(m_step)));
}

bool BiosNumberItem::IndexToRational(uint32_t index, int32_t& numerator, int32_t& denominator) const {
    if (index < ExtraStringCount()) {
        base::ShowMessage(kExtraStringMessage, "IndexToRational Fail");
        return false;
    }
    int64_t n = Numerator(index);
    int p = Exponent() - DecimalShift(ItemKind(Number()));
    // Beyond 10^9 neither part fits 32 bits; refuse rather than wrap.
    if (p < -9 || p > 9) return false;
    int64_t d = 1;
    if (p < 0) {
        d = static_cast<int64_t>(PowerOfTen(-p));
    } else {
        n *= static_cast<int64_t>(PowerOfTen(p));
        if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) return false;
    }
    numerator = static_cast<int32_t>(n);
    denominator = static_cast<int32_t>(d);
    return true;
}

double BiosNumberItem::IndexToValue(uint32_t index) const {
    if (index < ExtraStringCount()) {
        base::ShowMessage(kExtraStringMessage, "IndexToValue Fail");
        return 0;
    }
    double n = Numerator(index);
    int p = Exponent() - DecimalShift(ItemKind(Number()));
    return p < 0 ? n / PowerOfTen(-p) : n * PowerOfTen(p);
}

std::string BiosNumberItem::IndexToString(uint32_t index) const {
    if (index < ExtraStringCount()) return m_exStrs[index];
    double value = IndexToValue(index);
    int zeros = std::min(TrailingDecimalZeros(Signed24(m_base)), TrailingDecimalZeros(Signed24(m_step)));
    // The exponent's magnitude counts as decimals whatever its sign: a table
    // in tens still shows its unit's decimals.
    int decimals = std::abs(Exponent()) + DecimalShift(ItemKind(Number()));
    decimals = zeros >= decimals ? 0 : decimals - zeros;
    int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace kiln
