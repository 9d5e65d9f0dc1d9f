#include "frame/Thread.h"

#include "base/Handles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

// Records what happened to it in counters owned by the test, since a
// free-on-terminate thread is gone by the time the test looks.
struct Record {
    std::atomic<int> executed{0};
    std::atomic<int> destroyed{0};
    std::atomic<DWORD> executedOn{0};
};

class RecordingThread : public frame::Thread {
public:
    RecordingThread(Record& record, HANDLE gate) : m_record(record), m_gate(gate) {}
    ~RecordingThread() override { ++m_record.destroyed; }

protected:
    void Execute() override {
        if (m_gate) WaitForSingleObject(m_gate, INFINITE);
        m_record.executedOn = GetCurrentThreadId();
        ++m_record.executed;
    }

private:
    Record& m_record;
    HANDLE m_gate;
};

// A gate the test opens: a manual-reset event, initially closed.
struct Event : base::KernelHandle {
    Event() : base::KernelHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
};

TEST(Thread, FreeOnTerminateDeletesItselfAndItsWaitHandleOutlivesIt) {
    Record record;
    Event gate;
    auto* thread = new RecordingThread(record, gate.Get());
    ASSERT_TRUE(thread->Created());
    thread->SetFreeOnTerminate(true);
    frame::Thread::WaitHandle done = thread->DuplicateWaitHandle();
    ASSERT_TRUE(done.IsValid());
    ASSERT_TRUE(thread->Resume());

    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), done.Wait(0));  // held at the gate
    SetEvent(gate.Get());
    ASSERT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), done.Wait(INFINITE));
    EXPECT_EQ(1, record.executed.load());
    EXPECT_EQ(1, record.destroyed.load());
    EXPECT_NE(GetCurrentThreadId(), record.executedOn.load());
    // Still a valid handle after the object is gone.
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), done.Wait(0));
}

TEST(Thread, DeletingAnUnstartedThreadNeverRunsIt) {
    Record record;
    auto* thread = new RecordingThread(record, nullptr);
    frame::Thread::WaitHandle done = thread->DuplicateWaitHandle();
    delete thread;
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), done.Wait(INFINITE));
    EXPECT_EQ(0, record.executed.load());
    EXPECT_EQ(1, record.destroyed.load());
}

TEST(Thread, OwnedThreadRunsOnceAndCanBeWaitedFor) {
    Record record;
    Event gate;
    auto thread = std::make_unique<RecordingThread>(record, gate.Get());
    frame::Thread::WaitHandle done = thread->DuplicateWaitHandle();
    ASSERT_TRUE(thread->Resume());
    EXPECT_FALSE(thread->Resume()) << "a thread starts once";
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), done.Wait(0));
    SetEvent(gate.Get());
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), done.Wait(INFINITE));
    EXPECT_EQ(1, record.executed.load());
    thread.reset();
    EXPECT_EQ(1, record.destroyed.load());
}

TEST(Thread, WaitHandleMovesOwnership) {
    Record record;
    auto* thread = new RecordingThread(record, nullptr);
    thread->SetFreeOnTerminate(true);
    frame::Thread::WaitHandle first = thread->DuplicateWaitHandle();
    frame::Thread::WaitHandle second = std::move(first);
    EXPECT_FALSE(first.IsValid());
    EXPECT_EQ(static_cast<DWORD>(WAIT_FAILED), first.Wait(0));
    ASSERT_TRUE(thread->Resume());
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), second.Wait(INFINITE));
    EXPECT_EQ(1, record.executed.load());
}

}  // namespace
