#include "frame/Thread.h"

#include <process.h>

#include <utility>

namespace frame {

Thread::WaitHandle::WaitHandle(WaitHandle&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)) {}

Thread::WaitHandle& Thread::WaitHandle::operator=(WaitHandle&& other) noexcept {
    if (this != &other) {
        if (m_handle) CloseHandle(m_handle);
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

Thread::WaitHandle::~WaitHandle() {
    if (m_handle) CloseHandle(m_handle);
}

DWORD Thread::WaitHandle::Wait(DWORD milliseconds) const {
    if (!m_handle) return WAIT_FAILED;
    return WaitForSingleObject(m_handle, milliseconds);
}

Thread::Thread() {
    unsigned id = 0;
    // _beginthreadex rather than CreateThread: the C runtime sets up its
    // per-thread data for threads it starts itself.
    uintptr_t handle = _beginthreadex(nullptr, 0, &Thread::Entry, this, CREATE_SUSPENDED, &id);
    if (handle != 0) {
        m_handle = reinterpret_cast<HANDLE>(handle);
        m_threadId = id;
    }
}

Thread::~Thread() {
    if (!m_handle) return;
    if (GetCurrentThreadId() != m_threadId) {
        if (!m_started) {
            InterlockedExchange(&m_discarded, 1);
            ResumeThread(m_handle);
        }
        WaitForSingleObject(m_handle, INFINITE);
    }
    CloseHandle(m_handle);
}

DWORD Thread::WaitFor(DWORD milliseconds) const {
    if (!m_handle || !m_started) return WAIT_FAILED;
    return WaitForSingleObject(m_handle, milliseconds);
}

Thread::WaitHandle Thread::DuplicateWaitHandle() const {
    HANDLE copy = nullptr;
    if (m_handle && !DuplicateHandle(GetCurrentProcess(), m_handle, GetCurrentProcess(), &copy, SYNCHRONIZE,
                                     FALSE, 0))
        copy = nullptr;
    return WaitHandle(copy);
}

bool Thread::Resume() {
    if (!m_handle || m_started) return false;
    m_started = true;
    if (ResumeThread(m_handle) != static_cast<DWORD>(-1)) return true;
    m_started = false;
    return false;
}

unsigned __stdcall Thread::Entry(void* self) {
    auto* thread = static_cast<Thread*>(self);
    if (InterlockedCompareExchange(&thread->m_discarded, 0, 0) != 0) return 0;
    thread->Execute();
    if (thread->m_freeOnTerminate) delete thread;
    return 0;
}

}  // namespace frame
