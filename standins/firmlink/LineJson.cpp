#include "standins/firmlink/LineJson.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace firmsim {
namespace {

using json = nlohmann::json;

// Input iterator that tells how far the parser has read, so that events can
// be placed on a line.
class TrackingIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackingIterator() = default;
    TrackingIterator(const char* base, std::size_t pos, std::size_t* consumed)
        : m_base(base), m_pos(pos), m_consumed(consumed) {}
    reference operator*() const { return m_base[m_pos]; }
    TrackingIterator& operator++() {
        ++m_pos;
        if (m_consumed) *m_consumed = std::max(*m_consumed, m_pos);
        return *this;
    }
    TrackingIterator operator++(int) {
        TrackingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const TrackingIterator& other) const { return m_pos == other.m_pos; }
    bool operator!=(const TrackingIterator& other) const { return m_pos != other.m_pos; }

private:
    const char* m_base = nullptr;
    std::size_t m_pos = 0;
    std::size_t* m_consumed = nullptr;
};

class LineRecordingBuilder : public nlohmann::json_sax<json> {
public:
    LineRecordingBuilder(const std::string& text, const std::size_t& consumed) : m_text(text), m_consumed(consumed) {}

    json& result() { return m_root; }

    bool null() override { return place(json(nullptr)); }
    bool boolean(bool v) override { return place(json(v)); }
    bool number_integer(number_integer_t v) override { return place(json(v)); }
    bool number_unsigned(number_unsigned_t v) override { return place(json(v)); }
    bool number_float(number_float_t v, const string_t&) override { return place(json(v)); }
    bool string(string_t& v) override { return place(json(v)); }
    bool binary(binary_t& v) override { return place(json::binary(v)); }

    bool start_object(std::size_t) override {
        json* object = insert(json::object());
        (*object)["@line"] = here();
        (*object)["@lines"] = json::object();
        m_stack.push_back(object);
        return true;
    }
    bool key(string_t& k) override {
        json& object = *m_stack.back();
        if (object.contains(k)) throw LineJsonError(here(), "the key \"" + k + "\" is given twice");
        object["@lines"][k] = here();
        m_key = k;
        return true;
    }
    bool end_object() override {
        m_stack.pop_back();
        return true;
    }
    bool start_array(std::size_t) override {
        m_stack.push_back(insert(json::array()));
        return true;
    }
    bool end_array() override {
        m_stack.pop_back();
        return true;
    }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& ex) override {
        // The library's text carries its own position; keep only what went wrong.
        std::string what = ex.what();
        const auto colon = what.find(": ");
        if (colon != std::string::npos) what = what.substr(colon + 2);
        // Text that ends too early is reported where it ends, not on the
        // empty line after its last line break.
        std::size_t offset = position > 0 ? position - 1 : 0;
        if (offset >= m_text.size()) {
            const auto last = m_text.find_last_not_of(" \t\r\n");
            offset = last == std::string::npos ? 0 : last;
        }
        throw LineJsonError(LineAtOffset(m_text, offset), what);
    }

private:
    std::size_t here() const { return LineAtOffset(m_text, m_consumed > 0 ? m_consumed - 1 : 0); }

    bool place(json value) {
        insert(std::move(value));
        return true;
    }

    // Elements of an array never move while a child is being built: the
    // parent grows only after the child is complete.
    json* insert(json value) {
        if (m_stack.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        json& top = *m_stack.back();
        if (top.is_array()) {
            top.push_back(std::move(value));
            return &top.back();
        }
        top[m_key] = std::move(value);
        return &top[m_key];
    }

    const std::string& m_text;
    const std::size_t& m_consumed;
    json m_root;
    std::vector<json*> m_stack;
    std::string m_key;
};

}  // namespace

std::size_t LineAtOffset(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

json ParseWithLines(const std::string& text) {
    std::size_t consumed = 0;
    LineRecordingBuilder builder(text, consumed);
    TrackingIterator first(text.data(), 0, &consumed);
    TrackingIterator last(text.data(), text.size(), nullptr);
    json::sax_parse(first, last, &builder);
    return std::move(builder.result());
}

std::size_t LineOf(const json& object, const char* key) {
    if (!object.is_object()) return 0;
    if (key) {
        const auto lines = object.find("@lines");
        if (lines != object.end() && lines->contains(key)) return (*lines)[key].get<std::size_t>();
    }
    const auto line = object.find("@line");
    return line != object.end() ? line->get<std::size_t>() : 0;
}

}  // namespace firmsim
