// The control core on the simulated desktop only: what it asks of the platform, and the faults
// that a real desktop cannot be made to show on demand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control.h"
#include "desk.h"
#include "expected_text.h"
#include "sim.h"

namespace {

const char TARGET_CLASS[] = "D3D Window";
const char TARGET_TITLE[] = "BrassKites";

typedef std::vector<std::string> Calls;

TEST(TickCost, KnownTargetCostsAFixedHandfulOfCallsAndNoSearch)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
    for (int i = 0; i < 50; i++)
        desk.Make("Decoy", "decoy");
    desk.Raise(target);
    SelectEditMode();
    OnPollTick(main);

    for (int tick = 0; tick < 3; tick++) {
        sim::ClearCalls();
        OnPollTick(main);
        EXPECT_EQ(sim::Calls(), (Calls{"KillTimer", "GetWindow", "GetWindowTextA", "GetClassNameA",
                                       "IsHungAppWindow", "PostMessageA", "SetTimer"}));
    }

    SelectNormalMode();
    OnPollTick(main);
    sim::ClearCalls();
    OnPollTick(main);
    EXPECT_EQ(sim::Calls(), (Calls{"KillTimer", "SetTimer"})) << "Normal with a known target";
}

TEST(TickCost, SearchStopsAtTheFirstMatch)
{
    Desk desk;
    HWND main = desk.Main();
    desk.Make(TARGET_CLASS, "BrassKites under");
    for (int i = 0; i < 20; i++)
        desk.Make("Decoy", "decoy");
    HWND top = desk.Make(TARGET_CLASS, TARGET_TITLE);

    sim::ClearCalls();
    OnPollTick(main);

    EXPECT_EQ(g_hwndTarget, top);
    EXPECT_EQ(sim::CallCount("GetWindow"), 1);
    EXPECT_EQ(sim::CallCount("GetWindowTextA"), 1);
    EXPECT_EQ(sim::CallCount("GetClassNameA"), 1);
}

TEST(TickCost, WindowTimerRestartedWith200msAndNoTimerProcedure)
{
    Desk desk;
    HWND main = desk.Main();
    SetTimer(main, POLL_TIMER_ID, 5000, NULL);

    OnPollTick(main);

    const sim::Timer *timer = sim::FindTimer(main, 32767);
    ASSERT_TRUE(timer != NULL);
    EXPECT_EQ(timer->elapse, 200u);
    EXPECT_FALSE(timer->hasProc);
    EXPECT_EQ(sim::CallCount("KillTimer"), 1);
    EXPECT_TRUE(sim::MessageBoxes().empty());
}

TEST(HungTarget, NoPostsWhileHungThenResumes)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.StartPosting();

    sim::SetHung(target, true);
    for (int tick = 0; tick < 25; tick++)
        OnPollTick(main);
    EXPECT_TRUE(desk.TakePosted(target).empty());
    EXPECT_EQ(g_hwndTarget, target) << "a hung target is kept, not searched for again";
    EXPECT_EQ(sim::CallCount("EnumWindows"), 1);

    sim::SetHung(target, false);
    OnPollTick(main);
    EXPECT_EQ(desk.TakePosted(target).size(), 1u);
}

TEST(StaleTarget, RecycledHandleOfAnUnrelatedWindowGetsNoCommand)
{
    Desk desk;
    HWND main = desk.Main();
    HWND old = desk.StartPosting();

    desk.Destroy(old);
    sim::ReuseHandleForNextWindow(old);
    HWND stranger = desk.Make("Notepad", "memo.txt - Notepad");
    ASSERT_EQ(stranger, old);
    HWND restarted = desk.Make(TARGET_CLASS, TARGET_TITLE);
    OnPollTick(main);

    EXPECT_TRUE(desk.TakePosted(stranger).empty());
    EXPECT_EQ(g_hwndTarget, restarted);
    EXPECT_EQ(desk.TakePosted(restarted).size(), 1u);
}

TEST(StaleTarget, NotCheckedInNormalMode)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
    OnPollTick(main);
    ASSERT_EQ(g_hwndTarget, target);
    desk.Destroy(target);

    sim::ClearCalls();
    OnPollTick(main);

    EXPECT_EQ(sim::Calls(), (Calls{"KillTimer", "SetTimer"}));
    EXPECT_EQ(g_hwndTarget, target) << "checked before the next post, not sooner";
}

TEST(TimerRestartFails, ToldOncePerFailureWithTheStartupMessage)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
    SelectEditMode();

    sim::FailSetTimer(true);
    OnPollTick(main);

    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    const sim::MessageBoxRecord &box = sim::MessageBoxes()[0];
    EXPECT_EQ(box.owner, main);
    EXPECT_EQ(box.text, TIMER_FAILED_TEXT);
    EXPECT_EQ(box.caption, TIMER_FAILED_CAPTION);
    EXPECT_EQ(box.type, (UINT)MB_OK);
    EXPECT_EQ(desk.TakePosted(target).size(), 1u) << "the tick's own work is still done";
    EXPECT_TRUE(sim::FindTimer(main, POLL_TIMER_ID) == NULL);

    OnPollTick(main); // a later WM_TIMER of another origin still runs a tick
    EXPECT_EQ(sim::MessageBoxes().size(), 2u);

    sim::FailSetTimer(false);
    OnPollTick(main);
    EXPECT_EQ(sim::MessageBoxes().size(), 2u);
    EXPECT_TRUE(sim::FindTimer(main, POLL_TIMER_ID) != NULL);
}

TEST(StartPollTimer, ReportsOnlyFailure)
{
    Desk desk;
    HWND main = desk.Main();

    EXPECT_TRUE(StartPollTimer(main));
    EXPECT_TRUE(sim::MessageBoxes().empty());

    sim::FailSetTimer(true);
    EXPECT_FALSE(StartPollTimer(main));
    EXPECT_EQ(sim::MessageBoxes().size(), 1u);
}

} // namespace
