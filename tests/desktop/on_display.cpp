#include "on_display.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <string>

namespace qv {

namespace {

constexpr const char* kChildMark = "QUARVELIN_ON_PRIVATE_DISPLAY";

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

bool XvfbRunInstalled() { return std::system("command -v xvfb-run >/dev/null 2>&1") == 0; }

}  // namespace

DisplayRun RunOnPrivateDisplay(const char* screen) {
  if (getenv(kChildMark)) return DisplayRun::Here;
  if (!XvfbRunInstalled()) return DisplayRun::Missing;

  std::array<char, 4096> self{};
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length <= 0) {
    ADD_FAILURE() << "cannot find the test program to run again";
    return DisplayRun::Done;
  }
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
  // Parallel test runs each look for a free display from their own number on.
  const int first_display = 100 + static_cast<int>(getpid() % 800);
  // -noreset: a test that closes its window and opens another would
  // otherwise leave the server with no client, and while it resets it
  // refuses the next connection.
  const std::string command =
      std::string(kChildMark) +
      "=1 SDL_VIDEODRIVER=x11 SDL_RENDER_DRIVER=software SDL_AUDIODRIVER=dummy "
      "xvfb-run -n " +
      std::to_string(first_display) + " -a -s '-screen 0 " + std::string(screen) +
      " -nolisten tcp -noreset' " + ShellQuoted(self.data()) +
      " --gtest_filter=" + ShellQuoted(filter) + " 2>&1";
  FILE* child = popen(command.c_str(), "r");
  if (!child) {
    ADD_FAILURE() << "cannot start xvfb-run";
    return DisplayRun::Done;
  }
  std::string output;
  std::array<char, 4096> buffer{};
  while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), child)) {
    output.append(buffer.data(), n);
  }
  const int status = pclose(child);
  const bool passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  EXPECT_TRUE(passed) << "the test failed on the virtual display:\n" << output;
  return DisplayRun::Done;
}

}  // namespace qv
