#pragma once
// A worker thread of the framework. The thread is created suspended so that
// the derived object is complete before Execute() can run; Resume() starts it.
// A thread marked free-on-terminate deletes its own object when Execute()
// returns, so whoever wants to wait for it takes a WaitHandle first: that is a
// duplicate of the thread handle and stays valid after the object is gone.

#include "base/Handles.h"

#include <windows.h>

namespace frame {

class Thread {
public:
    // An owned, waitable handle on the thread; move-only.
    class WaitHandle {
    public:
        WaitHandle() = default;
        explicit WaitHandle(HANDLE handle) : m_handle(handle) {}

        bool IsValid() const { return static_cast<bool>(m_handle); }
        // WAIT_OBJECT_0 when the thread has ended, WAIT_TIMEOUT, or WAIT_FAILED
        // (also for an empty handle).
        DWORD Wait(DWORD milliseconds) const;

    private:
        base::KernelHandle m_handle;
    };

    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // Deleting a thread that was never resumed discards it without running
    // Execute(). A started thread that does not free itself must be waited
    // for (a WaitHandle) before it is deleted: by the time this destructor runs the
    // derived part that Execute() uses is already gone.
    virtual ~Thread();

    // False when the system could not create the thread.
    bool Created() const { return static_cast<bool>(m_handle); }

    // Only before Resume(): afterwards the object may already be gone.
    void SetFreeOnTerminate(bool free) { m_freeOnTerminate = free; }
    WaitHandle DuplicateWaitHandle() const;

    // Starts Execute(). A free-on-terminate object must not be touched after
    // this call. Returns false when the thread could not be started.
    bool Resume();

protected:
    Thread();
    virtual void Execute() = 0;

private:
    static unsigned __stdcall Entry(void* self);

    base::KernelHandle m_handle;
    DWORD m_threadId = 0;
    bool m_freeOnTerminate = false;
    bool m_started = false;
    // Set by the destructor of a never-started thread so that the released
    // thread leaves without calling Execute() on a dying object.
    volatile LONG m_discarded = 0;
};

}  // namespace frame
