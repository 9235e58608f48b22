#include "RenderScheduler.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Clock = CRenderScheduler::Clock;

const Clock::time_point t0{};

TEST(RenderScheduler, AChangeWaitsThePauseAndQuickChangesCostOneRender) {
    CRenderScheduler s(250ms);
    EXPECT_EQ(s.Poll(t0).job, 0u) << "nothing changed";
    // Ten changes 20 ms apart: each one moves the render to a pause after it.
    for (int i = 0; i < 10; ++i) {
        s.Changed(t0 + i * 20ms);
        EXPECT_EQ(s.Poll(t0 + i * 20ms + 10ms).job, 0u) << i;
    }
    EXPECT_EQ(s.Poll(t0 + 180ms + 249ms).job, 0u);
    const CRenderScheduler::CStart start = s.Poll(t0 + 180ms + 250ms);
    EXPECT_EQ(start.job, 1u);
    EXPECT_EQ(start.abandon, 0u);
    EXPECT_EQ(s.Running(), 1u);
    EXPECT_FALSE(s.Due());
    EXPECT_EQ(s.Poll(t0 + 1s).job, 0u) << "started once";
    EXPECT_TRUE(s.Finished(1));
    EXPECT_EQ(s.Running(), 0u);
    EXPECT_EQ(s.Started(), 1u);
}

TEST(RenderScheduler, ANewerRenderAbandonsTheRunningOneWhoseResultIsDropped) {
    CRenderScheduler s(100ms);
    s.Changed(t0);
    ASSERT_EQ(s.Poll(t0 + 100ms).job, 1u);
    // A change while job 1 runs: nothing happens until its pause is over.
    s.Changed(t0 + 150ms);
    EXPECT_EQ(s.Poll(t0 + 200ms).job, 0u);
    EXPECT_EQ(s.Running(), 1u);
    const CRenderScheduler::CStart second = s.Poll(t0 + 250ms);
    EXPECT_EQ(second.job, 2u);
    EXPECT_EQ(second.abandon, 1u);
    EXPECT_FALSE(s.Finished(1)) << "the abandoned render's result is not shown";
    EXPECT_EQ(s.Running(), 2u);
    EXPECT_TRUE(s.Finished(2));
    EXPECT_FALSE(s.Finished(2)) << "a result counts once";
    EXPECT_FALSE(s.Finished(0));
}

TEST(RenderScheduler, DropForgetsTheWaitAndTheRunButNotTheNumbering) {
    CRenderScheduler s(0ms);
    s.Changed(t0);
    ASSERT_EQ(s.Poll(t0).job, 1u);
    s.Changed(t0 + 1ms);
    s.Drop();
    EXPECT_FALSE(s.Due());
    EXPECT_EQ(s.Running(), 0u);
    EXPECT_EQ(s.Poll(t0 + 1s).job, 0u);
    s.Changed(t0 + 2s);
    EXPECT_EQ(s.Poll(t0 + 2s).job, 2u) << "a late result of job 1 cannot match";
    EXPECT_FALSE(s.Finished(1));
    EXPECT_TRUE(s.Finished(2));
}

} // namespace
