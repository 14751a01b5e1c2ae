// A modal window opened by the game is driven by the script lines that
// follow, from inside the call that opened it.
#include <gtest/gtest.h>

#include <sstream>

#include "script/script_error.h"
#include "script/script_runner.h"

namespace qv {
namespace {

class Popup : public ModalWindow {
 public:
  std::string_view Kind() const override { return "picture"; }
};

class Prompt : public ModalWindow {
 public:
  std::string_view Kind() const override { return "answer"; }
  std::string typed;
};

// Plays the answer prompt for the test: `answer TEXT` types and confirms.
class PromptDriver : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    const auto* answer = std::get_if<action::Answer>(&action);
    if (!answer) throw ScriptError("not for the prompt");
    auto& prompt = static_cast<Prompt&>(window);
    prompt.typed = answer->Text;
    prompt.Close();
  }
  nlohmann::ordered_json Dump(const ModalWindow&) const override {
    return nlohmann::ordered_json{{"question", "Zadej odpověď"}};
  }
};

TEST(ModalWindowTest, LinesAfterTheOpeningDriveTheWindowUntilItCloses) {
  std::istringstream script("dump\nanswer ahoj svete\nclose\ndump\n");
  std::ostringstream out;
  ScriptRunner runner(script, out, ScriptOptions{});
  runner.RegisterDriver("answer", std::make_unique<PromptDriver>());

  Prompt prompt;
  runner.Session().host.RunModal(prompt);  // reads "dump", then "answer …"
  EXPECT_TRUE(prompt.IsClosed());
  EXPECT_EQ(prompt.typed, "ahoj svete");
  EXPECT_TRUE(runner.Windows().Empty());

  Popup popup;
  runner.Session().host.RunModal(popup);  // "close" clicks the picture
  EXPECT_TRUE(popup.IsClosed());

  std::istringstream printed(out.str());
  std::string line;
  ASSERT_TRUE(std::getline(printed, line));
  const auto dump = nlohmann::ordered_json::parse(line);
  EXPECT_EQ(dump["windows"], nlohmann::ordered_json::parse(R"(["answer"])"));
  EXPECT_EQ(dump["answer"]["question"], "Zadej odpověď");
  EXPECT_TRUE(dump["picture"].is_null());
  EXPECT_FALSE(std::getline(printed, line));  // the last dump is still unread
}

}  // namespace
}  // namespace qv
