// The timer-failure message box as CP932 bytes, spelled out so that a wrong source or execution
// charset shows in the tests instead of being compiled into both sides of a comparison.
#pragma once

static const char TIMER_FAILED_TEXT[] = // タイマーがセットできませんでした
    "\x83\x5e\x83\x43\x83\x7d\x81\x5b\x82\xaa\x83\x5a\x83\x62\x83\x67"
    "\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd";
static const char TIMER_FAILED_CAPTION[] = "\x8e\xb8\x94\x73"; // 失敗
