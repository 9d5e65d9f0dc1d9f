#pragma once
// The framework's exception class. Anything thrown from a message handler is
// caught at the window procedure and shown by Application::HandleException,
// so one failing handler never takes the message loop down.

#include <stdexcept>
#include <string>

namespace frame {

enum class ErrorKind {
    General,
    FileOpen,        // a file could not be opened
    FileRead,        // a file opened but could not be read
    InvalidGraphic,  // an image file was not in a format we understand
    InvalidOperation,
    OutOfResources,  // the system refused a window, DC or bitmap
};

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message, ErrorKind kind = ErrorKind::General)
        : std::runtime_error(message), m_kind(kind) {}
    ErrorKind Kind() const { return m_kind; }

private:
    ErrorKind m_kind;
};

// Raised when a file cannot be opened; the text names the file and the
// system's reason.
class FileOpenError : public Exception {
public:
    FileOpenError(const std::string& path, unsigned long systemError);
};

// The system's text for an error code, without the trailing line break.
std::string SystemErrorText(unsigned long code);

}  // namespace frame
