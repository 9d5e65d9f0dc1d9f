#include "standins/firmlink/BoardFields.h"

#include <algorithm>
#include <cstdio>

#include "standins/firmlink/LineJson.h"

namespace firmsim {

using json = nlohmann::json;

std::string Hex(uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(v));
    return text;
}

std::string ItemLabel(const BoardItem& item) { return "item " + Hex(item.number) + " (\"" + item.name + "\")"; }

BoardFields::BoardFields(const json& object, std::string where, std::size_t outerLine) : m_object(object), m_where(std::move(where)) {
    if (!object.is_object()) throw LineJsonError(outerLine, m_where + " must be an object");
}

void BoardFields::AllowOnly(std::initializer_list<const char*> names) const {
    for (const auto& field : m_object.items()) {
        // A plain reference: clang 14, which builds the fuzzers, cannot capture a structured binding.
        const std::string& key = field.key();
        if (key == "@line" || key == "@lines") continue;
        if (std::none_of(names.begin(), names.end(), [&](const char* n) { return key == n; }))
            Fail(key.c_str(), "unknown field \"" + key + "\" in " + m_where);
    }
}

const json& BoardFields::Get(const char* key) const {
    if (!Has(key)) Fail(nullptr, "missing field \"" + std::string(key) + "\" in " + m_where);
    return m_object[key];
}

std::string BoardFields::Named(const char* key) const {
    std::string text = "\"";
    text.append(key).append("\" in ").append(m_where);
    return text;
}

void BoardFields::Fail(const char* key, const std::string& what) const { throw LineJsonError(LineOf(m_object, key), what); }

int64_t BoardFields::IntegerOf(const json& value, const char* key, int64_t low, int64_t high) const {
    int64_t v = 0;
    if (value.is_number_integer()) {
        v = value.get<int64_t>();
    } else if (value.is_string()) {
        const std::string text = value.get<std::string>();
        std::size_t used = 0;
        try {
            v = std::stoll(text, &used, 0);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != text.size()) Fail(key, Named(key) + " is not an integer: \"" + text + "\"");
    } else {
        Fail(key, Named(key) + " must be an integer");
    }
    if (v < low || v > high)
        Fail(key, Named(key) + " is " + std::to_string(v) + ", outside " + std::to_string(low) + " to " + std::to_string(high));
    return v;
}

std::string BoardFields::Text(const char* key) const {
    const json& v = Get(key);
    if (!v.is_string()) Fail(key, Named(key) + " must be a string");
    return v.get<std::string>();
}

bool BoardFields::Flag(const char* key) const {
    if (!Has(key)) return false;
    const json& v = m_object[key];
    if (!v.is_boolean()) Fail(key, Named(key) + " must be true or false");
    return v.get<bool>();
}

const json& BoardFields::Array(const char* key) const {
    const json& v = Get(key);
    if (!v.is_array()) Fail(key, Named(key) + " must be a list");
    return v;
}

std::vector<std::string> BoardFields::Strings(const char* key) const {
    std::vector<std::string> out;
    for (const json& v : Array(key)) {
        if (!v.is_string()) Fail(key, Named(key) + " must list strings");
        out.push_back(v.get<std::string>());
    }
    return out;
}

}  // namespace firmsim
