// The skins as a session applies them: the menu skin when the session is
// created, the game-window skin at the start of a game, with the fonts and
// the two button switches on the game window.
#include "interpreter/game_skin.h"

#include <gtest/gtest.h>

#include "support/gamebook_fixture.h"

namespace qv {
namespace {

using GameSkinStart = GamebookFixture;

TEST_F(GameSkinStart, WithoutSkinFilesTheGameIsMaroonWithArial12AndTheHelpButton) {
  WriteLocations("<1>");
  Start();
  EXPECT_EQ(session->GameSkinValues.FrameColour, 0x000080u);
  EXPECT_EQ(session->GameSkinValues.LabelColour, 0x000080u);
  EXPECT_EQ(session->MenuSkinValues.MainBackground, 0x000000u);
  for (const Font* font :
       {&Form().Fonts.Maintext, &Form().Fonts.MenuFont, &Form().Fonts.MenuHeading}) {
    EXPECT_EQ(font->Face, "Arial");
    EXPECT_EQ(font->SizePoints, 12);
  }
  EXPECT_TRUE(Form().HelpButtonVisible);
  EXPECT_FALSE(Form().AudioButtonVisible);  // no sound library
}

TEST_F(GameSkinStart, SkinSetsTheFontsAndMayHideBothButtons) {
  WriteLocations("<1><text obsah=\"Ahoj\">");
  WriteBytes("audio/.keep", "");
  WriteBytes("grafika/skin.ini",
             "[Interface]\r\nRamecky=*FF0000\r\n"
             "[Text]\r\nFont=Georgia\r\nVelikost=15\r\n"
             "[Menu]\r\nTucne=1\r\n[MenuOtazka]\r\nKurziva=1\r\nVelikost=9\r\n"
             "[TechSetup]\r\nNapoveda=0\r\nAudioTlacitko=0\r\n");
  Start();
  EXPECT_EQ(session->GameSkinValues.FrameColour, 0xFF0000u);
  EXPECT_EQ(Form().Fonts.Maintext.Face, "Georgia");
  EXPECT_EQ(Form().Fonts.Maintext.SizePoints, 15);
  EXPECT_TRUE(Form().Fonts.MenuFont.Style.Bold);
  EXPECT_TRUE(Form().Fonts.MenuHeading.Style.Italic);
  EXPECT_EQ(Form().Fonts.MenuHeading.SizePoints, 9);
  EXPECT_FALSE(Form().HelpButtonVisible);
  EXPECT_TRUE(State().AudioAvailable);  // the player is there, only the button is hidden
  EXPECT_NE(session->Audio, nullptr);
  EXPECT_FALSE(Form().AudioButtonVisible);
  // The location text is laid out in the skin's font.
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Height, host.MeasureText(Form().Fonts.Maintext, "Ahoj").Height);
}

TEST_F(GameSkinStart, AudioButtonIsShownWithTheSoundLibraryUnlessTheSkinHidesIt) {
  WriteLocations("<1>");
  WriteBytes("audio/.keep", "");
  WriteBytes("grafika/skin.ini", "[TechSetup]\nAudioTlacitko=ano\n");  // no number: shown
  Start();
  EXPECT_TRUE(Form().AudioButtonVisible);
  EXPECT_TRUE(Form().HelpButtonVisible);
}

TEST_F(GameSkinStart, MenuSkinIsReadWhenTheSessionIsCreated) {
  WriteBytes("grafika/menuskin.ini",
             "[TechSetup]\nHlavniPozadi=Navy\nTransparentForms=0\n[JmenoHry]\nBarva=Red\n");
  GameSession created(host, random);
  EXPECT_EQ(created.MenuSkinValues.MainBackground, 0x800000u);
  EXPECT_FALSE(created.MenuSkinValues.TransparentForms);
  EXPECT_EQ(created.MenuSkinValues.JmenoHry.Colour, 0x0000FFu);
  // The game skin waits for the start of a game.
  WriteBytes("grafika/skin.ini", "[Interface]\nRamecky=Lime\n");
  EXPECT_EQ(created.GameSkinValues.FrameColour, 0x000080u);
}

}  // namespace
}  // namespace qv
