#pragma once
#include <windows.h>

#include <utility>

namespace firmsim {

// Owns one kernel handle (mapping, mutex, file); invalid values are null.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : m_handle(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    HANDLE get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset() {
        if (m_handle) CloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    HANDLE m_handle = nullptr;
};

// Owns one view of a file mapping.
class MappedView {
public:
    MappedView() = default;
    explicit MappedView(void* view) : m_view(view) {}
    ~MappedView() { reset(); }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    MappedView(MappedView&& other) noexcept : m_view(std::exchange(other.m_view, nullptr)) {}
    MappedView& operator=(MappedView&& other) noexcept {
        if (this != &other) {
            reset();
            m_view = std::exchange(other.m_view, nullptr);
        }
        return *this;
    }
    void* get() const { return m_view; }
    void reset() {
        if (m_view) UnmapViewOfFile(m_view);
        m_view = nullptr;
    }

private:
    void* m_view = nullptr;
};

}  // namespace firmsim
