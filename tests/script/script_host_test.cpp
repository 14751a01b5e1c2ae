#include "script/script_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qv {
namespace {

class Popup : public ModalWindow {
 public:
  std::string_view Kind() const override { return "picture"; }
};

// Plays the script's part: records the stack it sees and acts once.
class FakeLoop : public CommandLoop {
 public:
  void RunUntil(const std::function<bool()>& done) override {
    ++calls;
    seen.push_back(Kinds());
    if (act) act();
    EXPECT_TRUE(done());
  }
  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (const StackedWindow& window : stack->Windows()) kinds.push_back(window.Kind);
    return kinds;
  }

  const WindowStack* stack = nullptr;
  std::function<void()> act;
  int calls = 0;
  std::vector<std::vector<std::string>> seen;
};

class ScriptHostTest : public ::testing::Test {
 protected:
  ScriptHostTest() {
    loop.stack = &stack;
    stack.Push(kMenuWindow);
    stack.Push(kGameWindow);
    host.SetLoop(&loop);
  }
  WindowStack stack;
  ScriptHost host{stack, 800, 600};
  FakeLoop loop;
};

TEST_F(ScriptHostTest, ModalWindowIsDrivenOnTopOfTheStackThenLeavesIt) {
  Popup popup;
  loop.act = [&] { popup.Close(); };
  host.RunModal(popup);
  ASSERT_EQ(loop.calls, 1);
  EXPECT_EQ(loop.seen[0], (std::vector<std::string>{"menu", "game", "picture"}));
  EXPECT_EQ(stack.Windows().size(), 2u);
  EXPECT_EQ(stack.Top().Kind, "game");
}

TEST_F(ScriptHostTest, EndingTheProgramLeavesTheModalLoop) {
  Popup popup;
  loop.act = [&] { host.EndProgram(); };
  host.RunModal(popup);
  EXPECT_TRUE(host.ProgramEnded());
  EXPECT_FALSE(popup.IsClosed());
  // Once ended, no window opens any more.
  host.RunModal(popup);
  host.ShowDeathWindow();
  EXPECT_EQ(loop.calls, 1);
}

TEST_F(ScriptHostTest, DeathWindowRunsUntilTheProgramEnds) {
  loop.act = [&] { host.EndProgram(); };
  host.ShowDeathWindow();
  ASSERT_EQ(loop.calls, 1);
  EXPECT_EQ(loop.seen[0], (std::vector<std::string>{"menu", "game", "death"}));
  EXPECT_TRUE(host.ProgramEnded());
  EXPECT_EQ(stack.Top().Kind, "game");
}

TEST_F(ScriptHostTest, MessagesAndWebLinksAreRecordedAndScreenIsAsGiven) {
  host.ShowMessage("Chybn\xE9 soubory - kouzla.qvl !");
  host.ShowMessage("druh\xE1");
  host.OpenWebAddress("http://example.org/");
  EXPECT_EQ(host.Messages(),
            (std::vector<std::string>{"Chybn\xE9 soubory - kouzla.qvl !", "druh\xE1"}));
  EXPECT_EQ(host.WebLinks(), (std::vector<std::string>{"http://example.org/"}));
  EXPECT_EQ(host.ScreenWidth(), 800);
  EXPECT_EQ(host.ScreenHeight(), 600);
  EXPECT_EQ(loop.calls, 0);
}

TEST_F(ScriptHostTest, DefaultTextIsMeasuredByTheApproximateMetrics) {
  const TextSize one = host.MeasureText(Font{}, "abcd");
  EXPECT_EQ(one.Height, 19);
  EXPECT_EQ(one.Width, 32);
  const TextSize two = host.MeasureText(Font{}, "ab\r\ncd");
  EXPECT_EQ(two.Height, 38);
}

TEST(ScriptHostWithoutLoopTest, WindowsCloseAtOnceAndDeathEnds) {
  WindowStack stack;
  ScriptHost host(stack, 1024, 768);
  Popup popup;
  host.RunModal(popup);
  EXPECT_TRUE(popup.IsClosed());
  host.ShowDeathWindow();
  EXPECT_TRUE(host.ProgramEnded());
  EXPECT_TRUE(stack.Empty());
}

}  // namespace
}  // namespace qv
