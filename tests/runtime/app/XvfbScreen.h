#pragma once
// For tests built with XvfbTestMain.cpp: whether they run on a private Xvfb
// screen, 1280 pixels wide. Without one they skip.

namespace apptest {
extern bool gXvfbScreen;
}  // namespace apptest

#define SKIP_WITHOUT_XVFB_SCREEN() \
    if (!::apptest::gXvfbScreen) GTEST_SKIP() << "Xvfb is not installed"
