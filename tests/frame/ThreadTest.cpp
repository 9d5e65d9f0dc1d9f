#include "frame/Thread.h"

#include <gtest/gtest.h>

namespace {

class Flagging : public frame::Thread {
public:
    explicit Flagging(volatile LONG* ran) : m_ran(ran) {}

protected:
    void Execute() override { InterlockedIncrement(m_ran); }

private:
    volatile LONG* m_ran;
};

TEST(ThreadTest, FreeOnTerminateThreadRunsAndCanBeWaitedForAfterItIsGone) {
    volatile LONG ran = 0;
    auto* thread = new Flagging(&ran);
    ASSERT_TRUE(thread->Created());
    thread->SetFreeOnTerminate(true);
    frame::Thread::WaitHandle done = thread->DuplicateWaitHandle();
    ASSERT_TRUE(thread->Resume());
    EXPECT_EQ(done.Wait(INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(ran, 1);
}

TEST(ThreadTest, AThreadNeverResumedNeverRuns) {
    volatile LONG ran = 0;
    {
        Flagging thread(&ran);
        ASSERT_TRUE(thread.Created());
    }
    EXPECT_EQ(ran, 0);
}

}  // namespace
