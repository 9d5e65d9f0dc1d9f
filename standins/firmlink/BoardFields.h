#pragma once
// Field access for one object of a board file, with complaints that carry the
// line of the field at fault.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "standins/firmlink/Board.h"

namespace firmsim {

std::string Hex(uint32_t v);
// "item 0x03010011 ("CPU Base Clock")", for messages.
std::string ItemLabel(const BoardItem& item);

// Checks one object's fields and converts them; every complaint is a
// LineJsonError with the line of the field at fault.
class BoardFields {
public:
    // `outerLine` places the complaint when the value is not an object at all.
    BoardFields(const nlohmann::json& object, std::string where, std::size_t outerLine = 0);

    // Refuses fields not named (typing errors would otherwise go unnoticed).
    void AllowOnly(std::initializer_list<const char*> names) const;
    bool Has(const char* key) const { return m_object.contains(key); }
    const nlohmann::json& Get(const char* key) const;
    [[noreturn]] void Fail(const char* key, const std::string& what) const;

    // Integers are JSON numbers or strings in decimal or 0x hexadecimal.
    int64_t Integer(const char* key, int64_t low, int64_t high) const { return IntegerOf(Get(key), key, low, high); }
    int64_t IntegerOf(const nlohmann::json& value, const char* key, int64_t low, int64_t high) const;
    uint32_t Word(const char* key) const { return static_cast<uint32_t>(Integer(key, 0, 0xFFFFFFFFLL)); }
    std::string Text(const char* key) const;
    bool Flag(const char* key) const;  // false when absent
    const nlohmann::json& Array(const char* key) const;
    std::vector<std::string> Strings(const char* key) const;

    const nlohmann::json& object() const { return m_object; }
    const std::string& where() const { return m_where; }

private:
    std::string Named(const char* key) const;

    const nlohmann::json& m_object;
    std::string m_where;
};

}  // namespace firmsim
