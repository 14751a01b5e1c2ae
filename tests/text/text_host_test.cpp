// The terminal player's host: windows read out and answered by lines.
#include "text/text_host.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ui/answer_prompt_window.h"
#include "ui/picture_popup_window.h"

namespace qv {
namespace {

class Window : public ModalWindow {
 public:
  explicit Window(std::string_view kind) : kind_(kind) {}
  std::string_view Kind() const override { return kind_; }

 private:
  std::string_view kind_;
};

class TextHostTest : public ::testing::Test {
 protected:
  explicit TextHostTest(const std::string& typed = "") : in(typed) {}
  std::istringstream in;
  TextInput input{in};
  std::ostringstream out;
  TextHost host{input, out};
};

TEST_F(TextHostTest, MessagesAndWebAddressesArePrintedAsUtf8) {
  int before = 0;
  host.SetBeforeWindow([&] { ++before; });
  host.ShowMessage("Chybn\xE9 soubory - kouzla.qvl !");
  host.OpenWebAddress("https://example.org/\xE8");
  EXPECT_EQ(out.str(),
            "Zpráva: Chybné soubory - kouzla.qvl !\n"
            "Webová adresa: https://example.org/č\n");
  EXPECT_EQ(before, 0);  // no window opened
  EXPECT_FALSE(host.ProgramEnded());
}

TEST_F(TextHostTest, UnknownWindowsCloseWithANotice) {
  Window shop("shop");
  host.RunModal(shop);
  EXPECT_TRUE(shop.IsClosed());
  EXPECT_FALSE(host.ProgramEnded());
  EXPECT_EQ(out.str(), "Okno shop v terminálu zatím není.\n");
  host.EndProgram();
  // Once ended, no window opens any more.
  Window save("save");
  host.RunModal(save);
  EXPECT_FALSE(save.IsClosed());
}

TEST_F(TextHostTest, DeathWindowIsReadOutAndEnds) {
  int before = 0;
  host.SetBeforeWindow([&] { ++before; });
  host.ShowDeathWindow();
  EXPECT_EQ(before, 1);
  EXPECT_TRUE(host.ProgramEnded());
  EXPECT_EQ(out.str(), "Tvůj hrdina zemřel. [obrázek ./grafika/smrtcool.jpg]\n");
}

class TypedTextHostTest : public TextHostTest {
 protected:
  TypedTextHostTest()
      : TextHostTest(
            "Ko\xC4\x8D"
            "ka\n\n") {}
};

TEST_F(TypedTextHostTest, AnswerPromptTakesALineAndPictureWaitsForEnter) {
  AnswerPromptWindow prompt;
  prompt.Question = "Heslo?";
  host.RunModal(prompt);
  EXPECT_TRUE(prompt.IsClosed());
  EXPECT_EQ(prompt.Edit, "Ko\xE8ka");
  PicturePopupWindow popup;
  popup.File = "./obrazky/mapa.png";
  popup.Caption = "Mapa kraje";
  host.RunModal(popup);
  EXPECT_TRUE(popup.IsClosed());
  EXPECT_EQ(out.str(),
            "Heslo?\nOdpověď: [obrázek ./obrazky/mapa.png: Mapa kraje] (Enter obrázek zavře)");
  // The input has ended: the next window ends the program.
  popup.Reopen();
  host.RunModal(popup);
  EXPECT_FALSE(popup.IsClosed());
  EXPECT_TRUE(host.ProgramEnded());
}

}  // namespace
}  // namespace qv
