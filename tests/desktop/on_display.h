// Desktop tests need an X display. Each test runs itself once more in a
// child process under a private virtual X server (xvfb-run), with SDL on
// X11 and the software renderer, and reports the child's failures; the
// child is the run that does the work.
#pragma once

#include <gtest/gtest.h>

namespace qv {

enum class DisplayRun {
  Here,     // this process has the display: run the test
  Done,     // the child ran the test; its result has been reported
  Missing,  // xvfb-run is not installed
};

// `screen` is the virtual screen's size and depth, as Xvfb takes it.
DisplayRun RunOnPrivateDisplay(const char* screen = "1024x768x24");

}  // namespace qv

// The first statement of every desktop test (with a screen of the usual
// 1024 x 768, or of the size given).
#define QV_ON_PRIVATE_DISPLAY(...)                                              \
  do {                                                                          \
    switch (::qv::RunOnPrivateDisplay(__VA_ARGS__)) {                           \
      case ::qv::DisplayRun::Here:                                              \
        break;                                                                  \
      case ::qv::DisplayRun::Missing:                                           \
        GTEST_SKIP() << "xvfb-run is missing (scripts/setup-deps installs it)"; \
      case ::qv::DisplayRun::Done:                                              \
        return;                                                                 \
    }                                                                           \
  } while (0)
