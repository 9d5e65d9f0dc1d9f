#pragma once
// What a board file says the firmware holds, read independently of the item
// layer so that firmctl's output can be checked against the source.

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

struct BoardFileItem {
    uint32_t number = 0;
    std::string name;
    uint32_t attribute = 0;
    uint32_t defaultIndex = 0;
    uint32_t current = 0;  // as read with the core selector at its start value
    int32_t base = 0, step = 0, exponent = 0;
    uint32_t numericSteps = 0;
    std::vector<std::string> extras;   // number items
    std::vector<std::string> strings;  // string items (profile names for the profile item)

    uint32_t Kind() const { return (number >> 16) & 0xF; }
    bool IsString() const { return Kind() == 8; }
    bool IsBoolean() const { return Kind() == 7; }
    uint32_t StepCount() const {
        if (IsString()) return static_cast<uint32_t>(strings.size());
        if (IsBoolean()) return 0;
        return numericSteps + static_cast<uint32_t>(extras.size());
    }
    // The physical value of a numeric step index.
    double Value(uint32_t index) const {
        static const int shifts[16] = {0, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0};
        double raw = base + static_cast<double>(index - extras.size()) * step;
        return raw * std::pow(10.0, exponent - shifts[Kind()]);
    }
};

class BoardFile {
public:
    explicit BoardFile(const std::string& path) {
        std::ifstream in(path);
        m_json = nlohmann::json::parse(in, nullptr, true, true);
        uint32_t selectorStart = 0;
        for (const auto& group : m_json["groups"])
            for (const auto& item : group["items"])
                if (Number(item["number"]) == 0x030600F0) selectorStart = Number(item["current"]);
        for (const auto& group : m_json["groups"]) {
            auto& items = m_groups[Number(group["group"])];
            for (const auto& json : group["items"]) items.push_back(ReadItem(json, selectorStart));
        }
    }

    const std::vector<BoardFileItem>& Group(uint32_t group) { return m_groups[group]; }

    static uint32_t Number(const nlohmann::json& value) {
        if (value.is_string()) return static_cast<uint32_t>(std::stoul(value.get<std::string>(), nullptr, 0));
        return static_cast<uint32_t>(value.get<int64_t>());
    }

private:
    static BoardFileItem ReadItem(const nlohmann::json& json, uint32_t selectorStart) {
        BoardFileItem item;
        item.number = Number(json["number"]);
        item.name = json["name"].get<std::string>();
        item.attribute = json.contains("attribute") ? Number(json["attribute"]) : 0;
        if (json.value("skip", false)) item.attribute |= 0x40000000;
        item.defaultIndex = Number(json["default"]);
        const auto& current = json["current"];
        item.current = current.is_array() ? Number(current[selectorStart]) : Number(current);
        if (!json.value("flags", false) && json.contains("count")) {
            item.base = static_cast<int32_t>(Number(json["base"]));
            item.step = static_cast<int32_t>(Number(json["step"]));
            item.exponent = json.contains("exponent") ? static_cast<int32_t>(Number(json["exponent"])) : 0;
            item.numericSteps = Number(json["count"]);
        }
        if (json.contains("extraStrings")) item.extras = json["extraStrings"].get<std::vector<std::string>>();
        if (json.contains("strings")) item.strings = json["strings"].get<std::vector<std::string>>();
        if (json.contains("profiles"))
            for (const auto& profile : json["profiles"]) item.strings.push_back(profile["name"].get<std::string>());
        return item;
    }

    nlohmann::json m_json;
    std::map<uint32_t, std::vector<BoardFileItem>> m_groups;
};
