#pragma once
// The log named on the command line: one line per message received, each
// appended whole, so a test or a person can follow along while it runs.

#include <string>

class MessageLog {
public:
    explicit MessageLog(std::string path) : m_path(std::move(path)) {}

    // Opens the file once to find out early whether lines can be added.
    bool Usable(std::string& error) const;
    void Append(const std::string& line) const;

private:
    std::string m_path;
};
