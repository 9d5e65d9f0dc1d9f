#pragma once
// JSON reading that remembers where things were: every object gets a member
// "@line" (the line of its opening brace) and "@lines" (the line of each of
// its keys), so that checks made after parsing can still point at a line.

#include <cstddef>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

namespace firmsim {

class LineJsonError : public std::runtime_error {
public:
    LineJsonError(std::size_t line, const std::string& what) : std::runtime_error(what), m_line(line) {}
    std::size_t line() const { return m_line; }

private:
    std::size_t m_line;
};

// Throws LineJsonError for malformed text and for a key given twice.
nlohmann::json ParseWithLines(const std::string& text);

// The line of `key` inside `object`, or of the object itself.
std::size_t LineOf(const nlohmann::json& object, const char* key = nullptr);

// 1-based line of a byte offset.
std::size_t LineAtOffset(const std::string& text, std::size_t offset);

}  // namespace firmsim
