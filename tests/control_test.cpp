// The control core against real windows: runs on the simulated desktop and under Wine.
#include <gtest/gtest.h>

#include <string>

#include "control.h"
#include "desk.h"

namespace {

const char TARGET_CLASS[] = "D3D Window";
const char TARGET_TITLE[] = "BrassKites";

struct FinderCase {
    const char *name;
    const char *className;
    const char *title;
    bool owned;
    bool matches;
};

const FinderCase kFinderCases[] = {
    {"exact title and class", "D3D Window", "BrassKites", false, true},
    {"title with a document and version after it", "D3D Window", "BrassKites - harbour.bk v1.2", false, true},
    {"title with Japanese after it", "D3D Window", "BrassKites 編集中", false, true},
    {"title in lower case", "D3D Window", "brasskites", false, false},
    {"title in upper case", "D3D Window", "BRASSKITES", false, false},
    {"title one byte short", "D3D Window", "BrassKite", false, false},
    {"empty title", "D3D Window", "", false, false},
    {"title prefix not at the start", "D3D Window", " BrassKites", false, false},
    {"class with more after it", "D3D Window Class 9", "BrassKites", false, true},
    {"class that is only a prefix of the wanted one", "D3D Win", "BrassKites", false, false},
    {"owned window with the right title and class", "D3D Window", "BrassKites", true, false},
    {"ghost of a hung target: same title, other class", "Ghost", "BrassKites (応答なし)", false, false},
    {"unrelated window", "Notepad", "memo.txt - Notepad", false, false},
};

TEST(Finder, MatchesByOwnerTitlePrefixAndClassPrefix)
{
    for (const FinderCase &c : kFinderCases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        HWND owner = c.owned ? desk.Make("MossLatchTestOwner", "owner") : NULL;
        HWND hwnd = desk.Make(c.className, c.title, owner);
        ASSERT_TRUE(hwnd != NULL);

        EnumWindows(FindTargetEnumProc, 0);

        EXPECT_EQ(g_hwndTarget, c.matches ? hwnd : NULL);
        EXPECT_EQ(IsTargetWindow(hwnd), c.matches ? TRUE : FALSE);
    }
}

TEST(Finder, LongTitleAndClassStillMatchOnTheirPrefix)
{
    Desk desk;
    std::string title = std::string(TARGET_TITLE) + std::string(240, 'x');
    std::string className = std::string(TARGET_CLASS) + std::string(200, 'y');
    HWND hwnd = desk.Make(className.c_str(), title.c_str());

    EnumWindows(FindTargetEnumProc, 0);

    EXPECT_EQ(g_hwndTarget, hwnd);
}

TEST(Finder, NoMatchLeavesTargetUnknown)
{
    Desk desk;
    desk.Make("Notepad", "BrassKite");

    EnumWindows(FindTargetEnumProc, 0);

    EXPECT_EQ(g_hwndTarget, (HWND)NULL);
}

TEST(Finder, FirstInZOrderWinsAndStaysUntilNormal)
{
    Desk desk;
    HWND main = desk.Main();
    HWND first = desk.Make(TARGET_CLASS, "BrassKites one");
    HWND second = desk.Make(TARGET_CLASS, "BrassKites two");
    desk.Raise(first);

    OnPollTick(main);
    EXPECT_EQ(g_hwndTarget, first);

    desk.Raise(second);
    OnPollTick(main);
    EXPECT_EQ(g_hwndTarget, first) << "a known target is kept while the mode stays";

    SelectNormalMode();
    OnPollTick(main);
    EXPECT_EQ(g_hwndTarget, second);
}

// Each row starts from a mode and a known or unknown target, applies a button (or none), runs
// one tick, and says how many commands reach the target and whether it is known afterwards.
enum Button { NONE, NORMAL, EDIT };

struct TickCase {
    const char *name;
    int startMode;
    bool startKnown;
    Button button;
    int posts;
};

const TickCase kTickCases[] = {
    {"Normal, no target: finds it without posting", 0, false, NONE, 0},
    {"Normal, target known: nothing", 0, true, NONE, 0},
    {"Edit, no target: finds it and posts in the same tick", 1, false, NONE, 1},
    {"Edit, target known: posts", 1, true, NONE, 1},
    {"Edit then Normal: stops posting and searches again", 1, true, NORMAL, 0},
    {"Normal with target, then Edit: posts on the next tick", 0, true, EDIT, 1},
    {"Normal without target, then Edit: finds and posts", 0, false, EDIT, 1},
    {"Edit chosen again while in Edit: still one post", 1, true, EDIT, 1},
    {"Normal chosen again while in Normal: nothing posted", 0, true, NORMAL, 0},
};

TEST(PollTick, FourStatesAgainstButtons)
{
    for (const TickCase &c : kTickCases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        HWND main = desk.Main();
        HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
        g_editMode = c.startMode;
        g_hwndTarget = c.startKnown ? target : NULL;
        if (c.button == NORMAL)
            SelectNormalMode();
        if (c.button == EDIT)
            SelectEditMode();

        OnPollTick(main);

        EXPECT_EQ(desk.TakePosted(target).size(), (size_t)c.posts);
        EXPECT_EQ(g_hwndTarget, target);
    }
}

TEST(PollTick, NormalForgetsTheTarget)
{
    Desk desk;
    HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
    g_hwndTarget = target;
    SelectEditMode();
    EXPECT_EQ(g_hwndTarget, target) << "Edit keeps a known target";
    EXPECT_NE(g_editMode, 0);

    SelectNormalMode();

    EXPECT_EQ(g_editMode, 0);
    EXPECT_EQ(g_hwndTarget, (HWND)NULL);
}

TEST(PollTick, PostsOneMenuCommandPerTick)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
    SelectEditMode();

    for (int tick = 0; tick < 3; tick++) {
        OnPollTick(main);
        std::vector<MSG> posted = desk.TakePosted(target);
        ASSERT_EQ(posted.size(), 1u) << "tick " << tick;
        EXPECT_EQ(posted[0].message, (UINT)WM_COMMAND);
        EXPECT_EQ(posted[0].wParam, (WPARAM)40029) << "command 40029, notification code 0";
        EXPECT_EQ(LOWORD(posted[0].wParam), TARGET_COMMAND_ID);
        EXPECT_EQ(HIWORD(posted[0].wParam), 0);
        EXPECT_EQ(posted[0].lParam, (LPARAM)0) << "no control handle";
    }
    EXPECT_TRUE(desk.TakePosted(main).empty()) << "nothing is posted to the tool's own window";
}

TEST(PollTick, NothingPostedWithoutATarget)
{
    Desk desk;
    HWND main = desk.Main();
    HWND decoy = desk.Make("Notepad", "BrassKites notes.txt");
    SelectEditMode();

    OnPollTick(main);
    OnPollTick(main);

    EXPECT_EQ(g_hwndTarget, (HWND)NULL);
    EXPECT_TRUE(desk.TakePosted(decoy).empty());
}

TEST(PollTick, TargetStartedAfterTheToolIsFoundAndPostedToAtOnce)
{
    Desk desk;
    HWND main = desk.Main();
    SelectEditMode();
    OnPollTick(main);
    EXPECT_EQ(g_hwndTarget, (HWND)NULL);

    HWND target = desk.Make(TARGET_CLASS, TARGET_TITLE);
    OnPollTick(main);

    EXPECT_EQ(g_hwndTarget, target);
    EXPECT_EQ(desk.TakePosted(target).size(), 1u);
}

TEST(PollTick, StopsAndRestartsThePollTimer)
{
    Desk desk;
    HWND main = desk.Main();

    OnPollTick(main); // no timer was running: the tick starts one all the same
    EXPECT_TRUE(KillTimer(main, POLL_TIMER_ID)) << "the poll timer runs again after a tick";

    ASSERT_NE(SetTimer(main, POLL_TIMER_ID, POLL_INTERVAL_MS, NULL), (UINT_PTR)0);
    OnPollTick(main);
    EXPECT_TRUE(KillTimer(main, POLL_TIMER_ID));
    EXPECT_FALSE(KillTimer(main, POLL_TIMER_ID)) << "only one timer with that id";
}

// The remembered window is checked before each post: a target that has gone, or a window that
// no longer looks like the target, is forgotten and searched for again in the same tick.
TEST(StaleTarget, RestartedTargetIsFoundAndPostedToInTheSameTick)
{
    Desk desk;
    HWND main = desk.Main();
    HWND old = desk.StartPosting();

    desk.Destroy(old);
    HWND restarted = desk.Make(TARGET_CLASS, "BrassKites - restarted");
    OnPollTick(main);

    EXPECT_EQ(g_hwndTarget, restarted);
    EXPECT_EQ(desk.TakePosted(restarted).size(), 1u);
}

TEST(StaleTarget, ClosedTargetIsForgottenAndNothingIsPosted)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.StartPosting();

    desk.Destroy(target);
    OnPollTick(main);

    EXPECT_EQ(g_hwndTarget, (HWND)NULL);
}

TEST(StaleTarget, WindowThatNoLongerLooksLikeTheTargetIsDropped)
{
    Desk desk;
    HWND main = desk.Main();
    HWND target = desk.StartPosting();

    SetWindowTextA(target, "Closing...");
    OnPollTick(main);

    EXPECT_TRUE(desk.TakePosted(target).empty());
    EXPECT_EQ(g_hwndTarget, (HWND)NULL);
}

} // namespace
