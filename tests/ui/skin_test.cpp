// Reading the menu skin and the game-window skin: every default, names of
// sections and keys in any case, switches as integers, colours by name or
// number, and the keys each font section reads.
#include "ui/skin.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "support/czech_text.h"
#include "ui/ini_file.h"

namespace qv {
namespace {

void ExpectFont(const Font& font, std::string_view face, int size, bool bold, bool italic,
                bool underline = false) {
  EXPECT_EQ(font.Face, face);
  EXPECT_EQ(font.SizePoints, size);
  EXPECT_EQ(font.Style.Bold, bold);
  EXPECT_EQ(font.Style.Italic, italic);
  EXPECT_EQ(font.Style.Underline, underline);
}

TEST(MenuSkin, EmptyFileGivesEveryDefault) {
  const MenuSkin skin = ParseMenuSkin("");
  EXPECT_EQ(skin.MainBackground, 0x000000u);
  EXPECT_EQ(skin.TransparentColour, 0x00030203u);
  EXPECT_TRUE(skin.TransparentForms);
  ExpectFont(skin.JmenoHry.Font, "Arial", 12, false, false);
  ExpectFont(skin.JmenoAutora.Font, "Arial", 10, false, false);
  ExpectFont(skin.OProgramu.Font, "Arial", 12, true, false);
  ExpectFont(skin.Verze.Font, "Arial", 8, false, false);
  ExpectFont(skin.Odkaz.Font, "Arial", 14, false, false, true);
  ExpectFont(skin.SavePozice.Font, "Arial", 10, false, false);
  ExpectFont(skin.SaveNadpis.Font, "Arial", 10, false, false);
  for (const SkinFont* font : {&skin.JmenoHry, &skin.JmenoAutora, &skin.OProgramu, &skin.Verze,
                               &skin.SavePozice, &skin.SaveNadpis}) {
    EXPECT_EQ(font->Colour, 0x000000u);
  }
  EXPECT_EQ(skin.Odkaz.Colour, 0x00FFFFu);  // yellow
}

TEST(MenuSkin, ReadsEveryKeyAndOnlyTheKeysItsFontsHave) {
  const MenuSkin skin = ParseMenuSkin(
      "[TechSetup]\r\nHlavniPozadi=Navy\r\nTransparentColor=$00FF00FF\r\nTransparentForms=0\r\n"
      "[JmenoHry]\r\nFont=Times New Roman\r\nVelikost=20\r\nBarva=*0000FF\r\nTucne=1\r\n"
      "[OProgramu]\r\nTucne=0\r\n"
      "[Odkaz]\r\nTucne=1\r\nBarva=White\r\n"
      "[SaveNadpis]\r\nFont=Verdana\r\nKurziva=1\r\n");
  EXPECT_EQ(skin.MainBackground, 0x800000u);
  EXPECT_EQ(skin.TransparentColour, 0x00FF00FFu);
  EXPECT_FALSE(skin.TransparentForms);
  // The title font has no bold switch: Tucne is not read there.
  ExpectFont(skin.JmenoHry.Font, "Times New Roman", 20, false, false);
  EXPECT_EQ(skin.JmenoHry.Colour, 0x0000FFu);  // red, written with "*"
  ExpectFont(skin.OProgramu.Font, "Arial", 12, false, false);
  // The link is underlined whatever the file says, and may be bold.
  ExpectFont(skin.Odkaz.Font, "Arial", 14, true, false, true);
  EXPECT_EQ(skin.Odkaz.Colour, 0xFFFFFFu);
  ExpectFont(skin.SaveNadpis.Font, "Verdana", 10, false, false);
  ExpectFont(skin.SavePozice.Font, "Arial", 10, false, false);
}

TEST(GameSkin, EmptyFileIsMaroonOnBlackWithArial12AndBothButtons) {
  const GameSkin skin = ParseGameSkin("");
  EXPECT_EQ(skin.FrameColour, 0x000080u);
  EXPECT_EQ(skin.LabelColour, 0x000080u);
  EXPECT_EQ(skin.WindowColour, 0x000000u);
  EXPECT_FALSE(skin.HideMana);
  ExpectFont(skin.Text, "Arial", 12, false, false);
  ExpectFont(skin.Menu, "Arial", 12, false, false);
  ExpectFont(skin.MenuOtazka, "Arial", 12, false, false);
  EXPECT_TRUE(skin.Napoveda);
  EXPECT_TRUE(skin.AudioTlacitko);
}

TEST(GameSkin, StarHexadecimalIsBlueGreenRed) {
  const GameSkin skin = ParseGameSkin("[Interface]\nRamecky=*FF0000\nPopisky=*000080\n");
  EXPECT_EQ(skin.FrameColour, 0xFF0000u);  // blue
  EXPECT_EQ(skin.LabelColour, 0x000080u);  // maroon written as a number
}

TEST(GameSkin, SectionsAndKeysMatchInAnyCase) {
  const GameSkin skin = ParseGameSkin(
      "[INTERFACE]\nramecky=Lime\nOKNA=Red\nnezobrazovatmanu=1\n"
      "[menuotazka]\nFONT=Courier New\nvelikost=16\nTUCNE=1\nkurziva=1\n"
      "[techsetup]\nNAPOVEDA=0\naudiotlacitko=0\n");
  EXPECT_EQ(skin.FrameColour, 0x00FF00u);
  EXPECT_EQ(skin.WindowColour, 0x0000FFu);
  EXPECT_TRUE(skin.HideMana);
  ExpectFont(skin.MenuOtazka, "Courier New", 16, true, true);
  EXPECT_FALSE(skin.Napoveda);
  EXPECT_FALSE(skin.AudioTlacitko);
}

TEST(GameSkin, SwitchesAreIntegersAndAWordCountsAsMissing) {
  GameSkin skin = ParseGameSkin(
      "[Interface]\nNezobrazovatManu=ano\n[TechSetup]\nNapoveda=false\nAudioTlacitko=2\n");
  EXPECT_FALSE(skin.HideMana);      // default false
  EXPECT_TRUE(skin.Napoveda);       // default true: "false" is no number
  EXPECT_TRUE(skin.AudioTlacitko);  // any number but 0
  skin = ParseGameSkin("[Interface]\nNezobrazovatManu=-1\n[TechSetup]\nNapoveda=0\n");
  EXPECT_TRUE(skin.HideMana);
  EXPECT_FALSE(skin.Napoveda);
}

TEST(GameSkin, KeysAreReadEachOnItsOwn) {
  // A broken colour or size keeps its own default and nothing else.
  const GameSkin skin = ParseGameSkin(
      "[Interface]\nRamecky=Rainbow\nPopisky=$12345G\nOkna=White\n"
      "[Text]\nFont=Georgia\nVelikost=velka\nTucne=1\n"
      "[Menu]\nVelikost=0\nKurziva=1\n");
  EXPECT_EQ(skin.FrameColour, 0x000080u);
  EXPECT_EQ(skin.LabelColour, 0x000080u);
  EXPECT_EQ(skin.WindowColour, 0xFFFFFFu);
  ExpectFont(skin.Text, "Georgia", 12, false, false);  // the text font has no bold switch
  ExpectFont(skin.Menu, "Arial", 12, false, true);
}

TEST(GameSkin, FirstOfTwoEqualKeysCountsAndFaceNamesKeepTheirBytes) {
  const GameSkin skin =
      ParseGameSkin(Cz("; the gamebook's look\n[Text]\nFont=Písmo\nFont=Arial\n[Menu]\nFont=\n"
                       "[Interface]\nRamecky = Green \n"));
  EXPECT_EQ(skin.Text.Face, Cz("Písmo"));
  EXPECT_EQ(skin.Menu.Face, "Arial");  // an empty name counts as missing
  EXPECT_EQ(skin.FrameColour, 0x008000u);
}

TEST(GameSkin, StylesOfTheSkinAddToTheFont) {
  Font font{"Arial", 12, {.Bold = true, .Underline = true}};
  ApplySkinFont(font, Font{"Verdana", 14, {.Italic = true}});
  EXPECT_EQ(font.Face, "Verdana");
  EXPECT_EQ(font.SizePoints, 14);
  EXPECT_TRUE(font.Style.Bold);  // a false switch takes nothing away
  EXPECT_TRUE(font.Style.Italic);
  EXPECT_TRUE(font.Style.Underline);
}

TEST(SkinFiles, AreReadFromTheGraphicsFolder) {
  TempWorkDir dir;
  EXPECT_EQ(ReadGameSkin().FrameColour, 0x000080u);  // no file: defaults
  EXPECT_EQ(ReadMenuSkin().MainBackground, 0x000000u);
  std::filesystem::create_directories("grafika/skin.ini");  // unreadable: defaults
  EXPECT_EQ(ReadGameSkin().FrameColour, 0x000080u);
  std::filesystem::remove("grafika/skin.ini");
  WriteBytes("grafika/skin.ini", "[Interface]\r\nRamecky=Blue\r\n");
  WriteBytes("grafika/menuskin.ini", "[TechSetup]\r\nHlavniPozadi=Teal\r\n");
  EXPECT_EQ(ReadGameSkin().FrameColour, 0xFF0000u);
  EXPECT_EQ(ReadMenuSkin().MainBackground, 0x808000u);
}

TEST(IniFile, IntegersAreDecimal) {
  const IniFile ini = IniFile::Parse("[A]\na=+7\nb=-3\nc=0x10\nd=$10\ne=99999999999\nf=1.5\n");
  EXPECT_EQ(ini.ReadInteger("A", "a", 0), 7);
  EXPECT_EQ(ini.ReadInteger("a", "B", 0), -3);
  EXPECT_EQ(ini.ReadInteger("A", "c", 1), 1);
  EXPECT_EQ(ini.ReadInteger("A", "d", 1), 1);
  EXPECT_EQ(ini.ReadInteger("A", "e", 1), 1);
  EXPECT_EQ(ini.ReadInteger("A", "f", 1), 1);
  EXPECT_EQ(ini.ReadInteger("B", "a", 5), 5);  // another section
  EXPECT_EQ(ini.ReadString("A", "zz", "x"), "x");
}

}  // namespace
}  // namespace qv
