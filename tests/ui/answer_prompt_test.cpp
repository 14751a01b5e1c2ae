// The answer prompt and the TEXTOVEOKNO command that opens it.
#include <gtest/gtest.h>

#include <string>

#include "support/gamebook_fixture.h"
#include "ui/answer_prompt_window.h"

namespace qv {
namespace {

TEST(AnswerPromptWindow, OkClosesAndTheWindowCentresOnTheScreen) {
  AnswerPromptWindow window;
  EXPECT_EQ(window.Kind(), "answer");
  window.CentreOnScreen(1024, 768);
  EXPECT_EQ(window.Left, 512 - 211);
  EXPECT_EQ(window.Top, 384 - 122);
  EXPECT_FALSE(window.IsClosed());
  window.OkClick();
  EXPECT_TRUE(window.IsClosed());
  window.Reopen();
  EXPECT_FALSE(window.IsClosed());
}

class AnswerPromptCommand : public GamebookFixture {
 protected:
  // Plays the player: remembers what the window showed, types the answer.
  void Answer(std::vector<std::string> answers) {
    host.on_modal = [this, answers](ModalWindow& window) {
      auto& prompt = dynamic_cast<AnswerPromptWindow&>(window);
      questions.push_back(prompt.Question);
      fields_at_open.push_back(prompt.Edit);
      left = prompt.Left;
      top = prompt.Top;
      const std::size_t n = questions.size() - 1;
      prompt.Edit = n < answers.size() ? answers[n] : "";
      prompt.OkClick();
    };
  }

  std::vector<std::string> questions;
  std::vector<std::string> fields_at_open;
  int left = 0;
  int top = 0;
};

TEST_F(AnswerPromptCommand, TypedAnswerGoesIntoTheSlotAndThePageGoesOn) {
  WriteLocations("<1><textoveokno retezec=\"3\"><zakazpostavu>");
  Answer({"Praha"});
  Start();
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"answer"});
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], Cz("Zadej odpověď"));
  EXPECT_EQ(fields_at_open[0], "");
  EXPECT_EQ(left, 301);
  EXPECT_EQ(top, 262);
  EXPECT_EQ(State().World.Strings.Get(3).str(), "Praha");
  EXPECT_FALSE(State().World.SheetAllowed);  // the tag after the prompt ran
  EXPECT_TRUE(Form().AnswerPrompt.IsClosed());
}

TEST_F(AnswerPromptCommand, QuestionLastsForOnePromptAndTheFieldStartsEmpty) {
  WriteLocations(
      Cz("<1><textoveokno otazka=\"Kolik je ti letú?\" retezec=\"1\">"
         "<textoveokno retezec=\"2\">"));
  Answer({Cz("čtrnáct"), "dva"});
  Start();
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[0], Cz("Kolik je ti letú?"));
  EXPECT_EQ(questions[1], Cz("Zadej odpověď"));
  EXPECT_EQ(fields_at_open[1], "");
  EXPECT_EQ(State().World.Strings.Get(1).str(), Cz("čtrnáct"));
  EXPECT_EQ(State().World.Strings.Get(2).str(), "dva");
}

TEST_F(AnswerPromptCommand, AnswerIsCutToOneHundredCharacters) {
  WriteLocations("<1><textoveokno retezec=\"10\">");
  Answer({std::string(150, 'a')});
  Start();
  EXPECT_EQ(State().World.Strings.Get(10).str(), std::string(100, 'a'));
}

TEST_F(AnswerPromptCommand, WithoutRetezecThePagesSlotNumberStands) {
  WriteLocations(
      "<1><textoveokno retezec=\"4\"><textoveokno>"
      "<2><textoveokno>");
  Answer({"prvni", "druha", "treti"});
  Start();
  EXPECT_EQ(State().World.Strings.Get(4).str(), "druha");
  // A new page starts at slot 0, which has no room: the answer is dropped.
  Form().ChangeLoc(2);
  EXPECT_EQ(questions.size(), 3u);
  EXPECT_EQ(State().World.Strings.Get(4).str(), "druha");
  for (int n = 1; n <= 10; ++n) {
    if (n != 4) {
      EXPECT_EQ(State().World.Strings.Get(n).str(), "") << n;
    }
  }
}

TEST_F(AnswerPromptCommand, SlotsOutsideOneToTenAreIgnored) {
  WriteLocations("<1><textoveokno retezec=\"11\"><textoveokno retezec=\"-1\"><zakazpostavu>");
  Answer({"x", "y"});
  Start();
  EXPECT_EQ(host.modal_windows.size(), 2u);
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(State().World.Strings.Get(n).str(), "") << n;
  EXPECT_FALSE(State().World.SheetAllowed);
}

}  // namespace
}  // namespace qv
