#include "frame/Thread.h"

#include <process.h>

namespace frame {

DWORD Thread::WaitHandle::Wait(DWORD milliseconds) const {
    if (!m_handle) return WAIT_FAILED;
    return WaitForSingleObject(m_handle.Get(), milliseconds);
}

Thread::Thread() {
    unsigned id = 0;
    // _beginthreadex rather than CreateThread: the C runtime sets up its
    // per-thread data for threads it starts itself.
    uintptr_t handle = _beginthreadex(nullptr, 0, &Thread::Entry, this, CREATE_SUSPENDED, &id);
    if (handle != 0) {
        m_handle.Reset(reinterpret_cast<HANDLE>(handle));
        m_threadId = id;
    }
}

Thread::~Thread() {
    if (!m_handle) return;
    if (GetCurrentThreadId() != m_threadId) {
        if (!m_started) {
            InterlockedExchange(&m_discarded, 1);
            ResumeThread(m_handle.Get());
        }
        WaitForSingleObject(m_handle.Get(), INFINITE);
    }
}

Thread::WaitHandle Thread::DuplicateWaitHandle() const {
    HANDLE copy = nullptr;
    if (m_handle && !DuplicateHandle(GetCurrentProcess(), m_handle.Get(), GetCurrentProcess(), &copy, SYNCHRONIZE,
                                     FALSE, 0))
        copy = nullptr;
    return WaitHandle(copy);
}

bool Thread::Resume() {
    if (!m_handle || m_started) return false;
    m_started = true;
    if (ResumeThread(m_handle.Get()) != static_cast<DWORD>(-1)) return true;
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
