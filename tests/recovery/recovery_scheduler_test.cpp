#include "RecoveryScheduler.h"
#include "RecoveryTestUtil.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using rectest::CCaseName;
using TimePoint = CRecoveryScheduler::TimePoint;

enum Change {
    Nothing,
    Edit,         // a change: modified
    Save,         // saved: not modified
    ReplaceDirty, // New or Open that left the new contents modified (a CSV import)
    Fail,         // the copy asked for could not be written
};

struct Step {
    int ms;
    Change change;
    std::optional<RecoveryAction> expected; // no value: no poll after this change
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    bool startModified = false;
    bool startWithCopy = false;
};

constexpr auto N = RecoveryAction::None;
constexpr auto W = RecoveryAction::Write;
constexpr auto R = RecoveryAction::Remove;
constexpr std::nullopt_t X = std::nullopt;

// Typing every second for 95 s, polled after each change: a copy 30 s after the first change
// that the last copy does not hold, so never two within 30 s.
std::vector<Step> ContinuousEditing() {
    std::vector<Step> steps;
    for (int s = 0; s <= 95; ++s)
        steps.push_back({s * 1000, Edit, s == 30 || s == 61 || s == 92 ? W : N});
    steps.push_back({97900, Nothing, N});
    steps.push_back({98000, Nothing, W}); // the pause after the last change
    return steps;
}

const Case kCases[] = {
    {"unmodified: never a copy", {{0, Nothing, N}, {5000, Nothing, N}, {3600000, Nothing, N}}},
    {"one copy a pause after the change",
     {{0, Edit, N},
      {1000, Nothing, N},
      {2999, Nothing, N},
      {3000, Nothing, W},
      {4000, Nothing, N},
      {600000, Nothing, N}}},
    {"each change starts the pause again",
     {{0, Edit, N}, {2000, Edit, N}, {4000, Edit, N}, {6999, Nothing, N}, {7000, Nothing, W}}},
    {"change noticed late: the pause counts from the poll that saw it",
     {{0, Nothing, N}, {10000, Edit, N}, {12999, Nothing, N}, {13000, Nothing, W}}},
    {"continuous editing: one copy per 30 s", ContinuousEditing()},
    {"another change after a copy: another copy",
     {{0, Edit, N},
      {3000, Nothing, W},
      {10000, Edit, N},
      {12000, Nothing, N},
      {13000, Nothing, W}}},
    {"save removes the copy",
     {{0, Edit, N}, {3000, Nothing, W}, {5000, Save, R}, {9000, Nothing, N}, {60000, Nothing, N}}},
    {"save before the pause: nothing written, nothing to remove",
     {{0, Edit, N}, {1000, Save, N}, {5000, Nothing, N}, {60000, Nothing, N}}},
    {"edit and save between two polls: nothing",
     {{0, Nothing, N}, {500, Edit, X}, {500, Save, N}, {4000, Nothing, N}}},
    {"new contents that stay modified: old copy removed at once, new one after the pause",
     {{0, Edit, N},
      {3000, Nothing, W},
      {5000, ReplaceDirty, R},
      {7999, Nothing, N},
      {8000, Nothing, W}}},
    {"a recovered copy stays while nothing changes",
     {{0, Nothing, N}, {3000, Nothing, N}, {3600000, Nothing, N}, {3600001, Save, R}},
     true,
     true},
    {"a recovered copy is rewritten after a change",
     {{0, Nothing, N}, {1000, Edit, N}, {4000, Nothing, W}},
     true,
     true},
    {"a failed write is tried again after 30 s, not at every poll",
     {{0, Edit, N},
      {3000, Nothing, W},
      {3000, Fail, N},
      {6000, Nothing, N},
      {32999, Nothing, N},
      {33000, Nothing, W},
      {40000, Nothing, N}}},
    {"a failed write followed by a save: nothing more",
     {{0, Edit, N}, {3000, Nothing, W}, {3000, Fail, N}, {4000, Save, R}, {40000, Nothing, N}}},
};

class RecoverySchedule : public ::testing::TestWithParam<Case> {};

TEST_P(RecoverySchedule, ActionsAtEachPoll) {
    const Case& c = GetParam();
    CDocChangeState doc{c.startModified, 5, 2};
    CRecoveryScheduler scheduler(doc, c.startWithCopy);
    const TimePoint start{}; // the fake clock: start + ms
    for (const Step& s : c.steps) {
        const TimePoint now = start + std::chrono::milliseconds(s.ms);
        SCOPED_TRACE("at " + std::to_string(s.ms) + " ms");
        switch (s.change) {
        case Nothing:
            break;
        case Edit:
            doc.modified = true;
            ++doc.edits;
            break;
        case Save:
            doc.modified = false;
            ++doc.cleans;
            break;
        case ReplaceDirty:
            ++doc.cleans;
            ++doc.edits;
            doc.modified = true;
            break;
        case Fail:
            scheduler.WriteFailed(now);
            break;
        }
        if (s.expected) {
            EXPECT_EQ(scheduler.Poll(now, doc), *s.expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Timing, RecoverySchedule, ::testing::ValuesIn(kCases), CCaseName());

} // namespace
