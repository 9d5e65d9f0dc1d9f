#pragma once
// One firmware item, built from its description package. The item keeps a
// private copy of the package; its name and strings point into that copy, so
// an item stays valid after the traversal that made it has moved on.
//
// Values exchanged with the firmware are step indexes; the item converts an
// index into a rational, a double or a display text.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kiln {

class PackageView;

class BiosItem {
public:
    // Makes an item of the class given by the kind code of `number` from a
    // description package of `size` bytes and parses it. A package that is
    // short or malformed still yields an item, with the fields it had.
    static std::unique_ptr<BiosItem> Create(uint32_t number, const void* package, uint32_t size);

    BiosItem(const BiosItem&) = delete;
    BiosItem& operator=(const BiosItem&) = delete;
    virtual ~BiosItem();

    virtual uint32_t StepCount() const;
    virtual uint32_t DefaultIndex() const;
    virtual bool HasExtraStrings() const;
    // False (outputs untouched) when the index has no numeric value.
    virtual bool IndexToRational(uint32_t index, int32_t& numerator, int32_t& denominator) const;
    virtual double IndexToValue(uint32_t index) const;
    virtual std::string IndexToString(uint32_t index) const;

    uint32_t Number() const { return m_number; }
    const char* Name() const { return m_name; }
    uint32_t Attributes() const { return m_attributes; }
    // Skipped items are left out by every consumer.
    bool IsSkipped() const { return (m_attributes & 0x40000000u) != 0; }
    uint32_t PackageSize() const { return m_size; }

    bool ReadIndex(uint32_t& index) const;
    bool ReadValue(double& value) const;
    bool ReadText(std::string& text) const;
    uint32_t WriteIndex(uint32_t index, uint32_t mode) const;

protected:
    BiosItem(uint32_t number, const void* package, uint32_t size);

    // Reads the kind-specific elements; the cursor stands on element 3 with
    // `remaining` elements left (element 3 included).
    virtual bool Parse(const PackageView& view, const void* cursor, uint32_t remaining);

    // Shows the "does not supports" message for an unsupported conversion.
    void ReportUnsupported(const char* operation) const;
    // Reads `count` strings starting at `cursor` into `out`; false (and `out`
    // left empty) when any of them is not a string inside the package.
    static bool ReadStrings(const PackageView& view, const void* cursor, uint32_t count,
                            std::vector<const char*>& out);

    uint32_t m_default = 0;

private:
    void ParseHeader();

    uint32_t m_number;
    std::vector<uint8_t> m_package;
    uint32_t m_size;
    const char* m_name = "";
    uint32_t m_attributes = 0;
};

}  // namespace kiln
