// Page content commands through whole locations: text blocks, menu options,
// in-text pictures, message lines, the heading, the display switches and
// the help block.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/file_bytes.h"
#include "interpreter/help_text.h"
#include "support/gamebook_fixture.h"

namespace qv {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kLime = 0x00FF00;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kYellow = 0x00FFFF;
// One line of the default 16-pixel text is 19 pixels high.
constexpr int kLineHeight = 19;

// A width x height PNG at `path` (UTF-8 on disk).
void WritePng(const std::filesystem::path& path, int width, int height) {
  std::filesystem::create_directories(path.parent_path());
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  const std::vector<png_byte> pixels(static_cast<std::size_t>(width * height * 4), 0x80);
  ASSERT_NE(png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr), 0);
}

class PageCommands : public GamebookFixture {
 protected:
  GameSession& Show(std::string_view locations) {
    WriteLocations(locations);
    return Start();
  }
  const std::vector<TXLabel>& Blocks() { return Form().TextBlocks; }
  const std::vector<TXImage>& Pictures() { return Form().InTextPictures; }
  const MenuOption& Option(int n) { return State().World.MenuOptions.at(n); }
  // Chooses menu option n of the page as the player does.
  void Choose(int n) {
    Form().HoverOption(n);
    Form().OptionClick();
  }
};

// --- TEXT ------------------------------------------------------------------

TEST_F(PageCommands, TextBlockStandsAtTheTopOfTheColumnInTheDefaultColour) {
  Show("<1><vychozibarvatextu barva=\"lime\"><text obsah=\"Ahoj\">");
  ASSERT_EQ(Blocks().size(), 1u);
  const TXLabel& block = Blocks()[0];
  EXPECT_EQ(block.Text, "Ahoj");
  EXPECT_EQ(block.Number, 1);
  EXPECT_EQ(block.Role, FontRole::Maintext);
  EXPECT_EQ(block.TextColour, kLime);
  EXPECT_EQ(block.Left, 230);
  EXPECT_EQ(block.Top, 30);
  EXPECT_EQ(block.Height, kLineHeight);
  EXPECT_EQ(block.Target, 0);
  EXPECT_TRUE(block.WebLink.empty());
  EXPECT_FALSE(block.Style.Bold || block.Style.Italic || block.Style.Underline ||
               block.Style.StrikeOut);
}

TEST_F(PageCommands, StylesOnlyForLowerCaseAno) {
  Show(
      "<1><text obsah=\"a\" tucne=\"ANO\" kurziva=\"ano\">"
      "<text obsah=\"b\" tucne=\"ano\" podtrzene=\"ano\" preskrtnute=\"ano\" kurziva=\"ne\">"
      "<text obsah=\"c\" barva=\"red\" barva=\"lime\">");
  ASSERT_EQ(Blocks().size(), 3u);
  EXPECT_FALSE(Blocks()[0].Style.Bold);
  EXPECT_TRUE(Blocks()[0].Style.Italic);
  EXPECT_TRUE(Blocks()[1].Style.Bold);
  EXPECT_TRUE(Blocks()[1].Style.Underline);
  EXPECT_TRUE(Blocks()[1].Style.StrikeOut);
  EXPECT_FALSE(Blocks()[1].Style.Italic);
  EXPECT_EQ(Blocks()[2].TextColour, kLime);
}

TEST_F(PageCommands, DoubleSlashesBecomeQuotesAndTheLastContentWins) {
  Show(Cz("<1><text obsah=\"prvni\" obsah=\"//Ahoj//, řekl.\">"));
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, Cz("\"Ahoj\", řekl."));
}

TEST_F(PageCommands, CarriageReturnsBecomeBlanksTabsGoLineFeedsStay) {
  Show("<1><text obsah=\"a\r\nb\tc\">");
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, "a \nbc");
  EXPECT_EQ(Blocks()[0].Height, 2 * kLineHeight);
}

TEST_F(PageCommands, TextWithoutContentRepeatsTheLastContentMade) {
  Show(
      "<1><text obsah=\"jedna\"><text barva=\"red\"><menu t=\"d\" x=\"2\">"
      "<2><text>");
  ASSERT_EQ(Blocks().size(), 2u);
  EXPECT_EQ(Blocks()[1].Text, "jedna");
  EXPECT_EQ(Blocks()[1].TextColour, kRed);
  Choose(1);
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, "jedna");  // also on a later page
}

// A line of `total` characters with one break position near its end: kept
// whole when `total` columns fit, broken after its blank otherwise.
std::string Line(int total) { return std::string(static_cast<std::size_t>(total - 2), 'a') + " b"; }
std::string Broken(int total) {
  return std::string(static_cast<std::size_t>(total - 2), 'a') + " \r\nb";
}

TEST_F(PageCommands, NarrowScreenBreaksBoldAt43AndNormalAt50Columns) {
  host.screen_width = 640;
  Show("<1><text tucne=\"ano\" obsah=\"" + Line(43) +
       "\">"
       "<text tucne=\"ano\" obsah=\"" +
       Line(44) +
       "\">"
       "<text obsah=\"" +
       Line(50) +
       "\">"
       "<text obsah=\"" +
       Line(51) + "\">");
  ASSERT_EQ(Blocks().size(), 4u);
  EXPECT_EQ(Blocks()[0].Text, Line(43));
  EXPECT_EQ(Blocks()[1].Text, Broken(44));
  EXPECT_EQ(Blocks()[1].Height, 2 * kLineHeight);
  EXPECT_EQ(Blocks()[2].Text, Line(50));
  EXPECT_EQ(Blocks()[3].Text, Broken(51));
}

TEST_F(PageCommands, WideScreenBreaksBoldAt66AndNormalAt74Columns) {
  host.screen_width = 641;
  Show("<1><text tucne=\"ano\" obsah=\"" + Line(66) +
       "\">"
       "<text tucne=\"ano\" obsah=\"" +
       Line(67) +
       "\">"
       "<text obsah=\"" +
       Line(74) +
       "\">"
       "<text obsah=\"" +
       Line(75) + "\">");
  ASSERT_EQ(Blocks().size(), 4u);
  EXPECT_EQ(Blocks()[0].Text, Line(66));
  EXPECT_EQ(Blocks()[1].Text, Broken(67));
  EXPECT_EQ(Blocks()[2].Text, Line(74));
  EXPECT_EQ(Blocks()[3].Text, Broken(75));
}

TEST_F(PageCommands, QuotedSpeechWrittenWithSlashesIsBrokenLikeOrdinaryText) {
  host.screen_width = 640;
  // Real quotes would keep the speech whole; "//" turns into quotes only
  // after breaking.
  Show("<1><text obsah=\"//aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk//\">");
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, "\"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii \r\njjjj kkkk\"");
}

TEST_F(PageCommands, TextBlocksStackTwentyPixelsApart) {
  Show("<1><text obsah=\"a\"><text obsah=\"b\r\nc\r\nd\"><text obsah=\"e\">");
  ASSERT_EQ(Blocks().size(), 3u);
  EXPECT_EQ(Blocks()[0].Top, 30);
  EXPECT_EQ(Blocks()[1].Top, 30 + kLineHeight + 20);
  EXPECT_EQ(Blocks()[1].PreviousText, 1);
  EXPECT_EQ(Blocks()[2].Top, 30 + kLineHeight + 20 + 3 * kLineHeight + 20);
  EXPECT_EQ(Blocks()[2].PreviousText, 2);
}

TEST_F(PageCommands, LinkedTextIsFollowedAtTheNextTickAfterItsAssignments) {
  Show(
      Cz("<1><text obsah=\"dál\" odkaz=\"2\" 5=\"7\" 6=\"1\">"
         "<2>[5 = \"7\"]<text obsah=\"sedm\">[/]"));
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Target, 2);
  EXPECT_EQ(Blocks()[0].Link.Assignments[0], 2);
  Form().TextBlockClick(1);
  EXPECT_EQ(State().World.Variables.Get(5), 7);
  EXPECT_EQ(State().World.Location, 1);  // not yet: the click's own control stays
  Form().TimerTick();
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_EQ(State().World.Variables.Get(6), 1);
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, "sedm");
}

TEST_F(PageCommands, WebLinkOpensOnlyWithoutATarget) {
  Show(
      "<1><text obsah=\"web\" weblink=\"http://example.cz/\">"
      "<text obsah=\"oboje\" weblink=\"http://example.cz/jine\" odkaz=\"2\">"
      "<2><text obsah=\"dva\">");
  ASSERT_EQ(Blocks().size(), 2u);
  Form().TextBlockClick(1);
  EXPECT_EQ(host.web_addresses, std::vector<std::string>{"http://example.cz/"});
  EXPECT_EQ(State().World.Location, 1);
  Form().TextBlockClick(2);
  Form().TimerTick();
  EXPECT_EQ(host.web_addresses.size(), 1u);
  EXPECT_EQ(State().World.Location, 2);
}

TEST_F(PageCommands, TextKeepsItsLinkFields) {
  Show(
      "<1><text obsah=\"a\" odkaz=\"-3\" preprefix=\"knih\" presmeruj=\"jinde\" 0=\"4\" 12=\"3\">"
      "<text obsah=\"b\">");
  ASSERT_EQ(Blocks().size(), 2u);
  const TXLabel& a = Blocks()[0];
  EXPECT_EQ(a.Target, 0);
  EXPECT_EQ(a.Link.PrePrefix, "knih");
  EXPECT_EQ(a.Link.Redirect, "jinde");
  // 0 is no variable number: one assignment only.
  EXPECT_EQ(a.Link.Assignments, (AssignmentSet{1, 12, 0, 0, 0, 3, 0, 0, 0}));
  // The next tag starts with fresh link fields.
  EXPECT_EQ(Blocks()[1].Link.PrePrefix, "");
  EXPECT_EQ(Blocks()[1].Link.Redirect, "*");
  EXPECT_EQ(Blocks()[1].Link.Assignments[0], 0);
}

// --- MENU, M, ZPET ---------------------------------------------------------

TEST_F(PageCommands, MenuOptionTakesItsAttributesInOrder) {
  const std::string long_text(120, 'x');
  Show(Cz("<1><vychozibarvamenu barva=\"lime\">"
          "<menu t=\"Dál\" x=\"12\" odkaz=\"14\">"
          "<m popis=\"//Ven//\" barva=\"red\" preprefix=\"knih\" presmeruj=\"jinde\">"
          "<menu t=\"") +
       long_text + "\">");
  ASSERT_EQ(State().World.MenuOptionCount, 3);
  EXPECT_EQ(Option(1).Target, 14);
  EXPECT_EQ(Option(1).Text, Cz("Dál"));
  EXPECT_EQ(Option(1).Colour, static_cast<int32_t>(kLime));
  EXPECT_EQ(Option(1).Redirect, "*");
  EXPECT_EQ(Option(1).PrePrefix, "");
  EXPECT_EQ(Option(2).Text, "\"Ven\"");
  EXPECT_EQ(Option(2).Target, 0);
  EXPECT_EQ(Option(2).Colour, static_cast<int32_t>(kRed));
  EXPECT_EQ(Option(2).PrePrefix, "knih");
  EXPECT_EQ(Option(2).Redirect, "jinde");
  EXPECT_EQ(Option(3).Text.str(), long_text.substr(0, 100));
  ASSERT_EQ(Form().OptionLabels.size(), 3u);
  EXPECT_EQ(Form().OptionLabels[0].Caption, Cz("Dál"));
  EXPECT_EQ(Form().OptionLabels[1].Top, 90);
}

TEST_F(PageCommands, OptionLibraryAndRedirectAreCutTo100Characters) {
  const std::string long_name(130, 'k');
  Show("<1><menu preprefix=\"" + long_name + "\" presmeruj=\"" + long_name +
       "\">"
       "<zpet preprefix=\"" +
       long_name + "\">");
  EXPECT_EQ(Option(1).PrePrefix.str(), long_name.substr(0, 100));
  EXPECT_EQ(Option(1).Redirect.str(), long_name.substr(0, 100));
  EXPECT_EQ(Option(2).PrePrefix.str(), long_name.substr(0, 100));
}

TEST_F(PageCommands, MenuWithoutAttributesStillAddsAnOptionKeepingTheSlotsText) {
  Show(Cz("<1><menu t=\"První\" x=\"2\"><2><menu>"));
  Choose(1);
  ASSERT_EQ(State().World.MenuOptionCount, 1);
  EXPECT_EQ(Option(1).Text, Cz("První"));
  EXPECT_EQ(Option(1).Target, 0);
  ASSERT_EQ(Form().OptionLabels.size(), 1u);
  EXPECT_FALSE(Form().OptionLabels[0].HandCursor);
}

TEST_F(PageCommands, OptionAssignmentsActOnlyWhenChosen) {
  Show(
      "<1><menu t=\"a\" x=\"2\" 5=\"1\"><menu t=\"b\" x=\"2\"><zpet>"
      "<2><zpet>");
  EXPECT_EQ(Option(1).Assignments, (std::array<int32_t, 9>{1, 5, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(Option(2).Assignments[0], 0);
  EXPECT_EQ(Option(3).Assignments[0], 0);
  EXPECT_EQ(State().World.Variables.Get(5), 0);
  Choose(2);
  EXPECT_EQ(State().World.Variables.Get(5), 0);
  Choose(1);  // the ZPET of location 2 sets nothing
  EXPECT_EQ(State().World.Location, 1);
  EXPECT_EQ(State().World.Variables.Get(5), 0);
  Choose(1);
  EXPECT_EQ(State().World.Variables.Get(5), 1);
}

TEST_F(PageCommands, OnlyFourAssignmentsFitOnOneOption) {
  Show("<1><menu x=\"2\" 1=\"1\" 2=\"2\" 3=\"3\" 4=\"4\" 5=\"5\">");
  EXPECT_EQ(Option(1).Assignments, (std::array<int32_t, 9>{4, 1, 2, 3, 4, 1, 2, 3, 4}));
}

TEST_F(PageCommands, ATwentyFirstOptionIsIgnoredAndReported) {
  std::string location = "<1>";
  for (int n = 1; n <= 21; ++n) location += "<menu t=\"o" + std::to_string(n) + "\" x=\"1\">";
  location += "<text obsah=\"dal\">";
  Show(location);
  EXPECT_EQ(State().World.MenuOptionCount, 20);
  EXPECT_EQ(Option(20).Text, "o20");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], Cz("Příliš mnoho možností v menu, nejvýše 20"));
  EXPECT_EQ(Form().OptionLabels.size(), 20u);
  EXPECT_EQ(Blocks().size(), 1u);  // the page goes on
}

TEST_F(PageCommands, BackLeadsToThePreviousLocationOnly) {
  Show(
      "<1><menu t=\"B\" x=\"2\"><vychozibarvamenu barva=\"red\">"
      "<2><zpet barva=\"lime\" t=\"jinak\" x=\"9\"><zpet><menu t=\"A\" x=\"1\">");
  Choose(1);  // A -> B
  ASSERT_EQ(State().World.MenuOptionCount, 3);
  EXPECT_EQ(Option(1).Target, 1);
  EXPECT_EQ(Option(1).Text, Cz("Zpět"));
  EXPECT_EQ(Option(1).Colour, static_cast<int32_t>(kRed));  // no colour of its own
  EXPECT_EQ(Option(2).Target, 1);
  Choose(1);  // back to A
  EXPECT_EQ(State().World.Location, 1);
}

TEST_F(PageCommands, BackOnTheEarlierPageLeadsForward) {
  Show("<1><zpet><menu t=\"B\" x=\"2\"><2><zpet>");
  Choose(2);
  Choose(1);  // B -> A through ZPET
  EXPECT_EQ(State().World.Location, 1);
  EXPECT_EQ(Option(1).Target, 2);  // A's ZPET now leads to B
}

TEST_F(PageCommands, LocationNumbersShowInTheLabelAndOptions) {
  Show(
      Cz("<1><zapnicislalokaci><menu t=\"Dál\" x=\"12\"><2>"
         "<12><menu t=\"Dál\" x=\"13\"><13><vypnicislalokaci><menu t=\"Dál\" x=\"12\">"));
  Choose(1);
  EXPECT_TRUE(Form().LocationLabelVisible);
  EXPECT_EQ(Form().LocationLabel, "<12>");
  ASSERT_EQ(Form().OptionLabels.size(), 1u);
  EXPECT_EQ(Form().OptionLabels[0].Caption, Cz("Dál (13)"));
  Choose(1);
  EXPECT_FALSE(Form().LocationLabelVisible);
  EXPECT_EQ(Form().OptionLabels[0].Caption, Cz("Dál"));
}

// --- Message lines ---------------------------------------------------------

TEST_F(PageCommands, InfoAddsAllLinesThenColoursTheNewest) {
  Show("<1><info obsah=\"a\" obsah=\"b\" barva=\"red\">");
  EXPECT_EQ(Form().History[0].Text, "b");
  EXPECT_EQ(Form().History[0].LineColour, kRed);
  EXPECT_EQ(Form().History[1].Text, "a");
  EXPECT_EQ(Form().History[1].LineColour, kWhite);
}

TEST_F(PageCommands, ColoursApplyInOrderAfterTheLines) {
  Show("<1><info color=\"red\" obsah=\"a\" barva=\"lime\">");
  EXPECT_EQ(Form().History[0].Text, "a");
  EXPECT_EQ(Form().History[0].LineColour, kLime);
}

TEST_F(PageCommands, ClearInfoBlanksTheLinesOnlyWhileEnabled) {
  Show(
      "<1><info obsah=\"a\"><info obsah=\"b\"><smazatinfo><info obsah=\"c\">"
      "<vypniinfo><smazatinfo><info obsah=\"d\" barva=\"red\">");
  EXPECT_EQ(Form().History[0].Text, "c");
  EXPECT_EQ(Form().History[1].Text, "");
  EXPECT_EQ(Form().History[4].Text, "");
  // Off: no line added, but the colour still goes to the newest line.
  EXPECT_EQ(Form().History[0].LineColour, kRed);
  EXPECT_FALSE(Form().InfoEnabled);
}

TEST_F(PageCommands, InfoBackOnRecordsAgain) {
  Show("<1><vypniinfo><info obsah=\"a\"><zapniinfo><info obsah=\"b\">");
  EXPECT_TRUE(Form().InfoEnabled);
  EXPECT_EQ(Form().History[0].Text, "b");
  EXPECT_EQ(Form().History[1].Text, "");
}

// --- ZMENOTAZKU, default colours ---------------------------------------------

TEST_F(PageCommands, MenuHeadingIsCentredOverTheMenuAndKept) {
  Show(Cz("<1><zmenotazku text=\"Kam //teď//?\" barva=\"red\"><menu x=\"2\"><2>"));
  EXPECT_EQ(State().World.MenuHeading, Cz("Kam \"teď\"?"));
  EXPECT_EQ(Form().MenuLeft, 98 - 3 * 10);
  EXPECT_EQ(State().World.MenuHeadingColour, static_cast<int32_t>(kRed));
  Choose(1);
  EXPECT_EQ(State().World.MenuHeading, Cz("Kam \"teď\"?"));
}

TEST_F(PageCommands, MenuHeadingIsCutTo100Characters) {
  Show("<1><zmenotazku otazka=\"" + std::string(150, 'q') + "\">");
  EXPECT_EQ(State().World.MenuHeading.size(), 100u);
  EXPECT_EQ(Form().MenuLeft, 98 - 300);
}

TEST_F(PageCommands, DefaultColoursActOnTheTagsThatFollow) {
  Show(
      "<1><text obsah=\"a\"><menu t=\"a\" x=\"2\">"
      "<vychozibarvatextu barva=\"red\"><vychozibarvamenu barva=\"lime\">"
      "<text obsah=\"b\"><menu t=\"b\">"
      "<2><text obsah=\"c\"><menu t=\"c\">");
  ASSERT_EQ(Blocks().size(), 2u);
  EXPECT_NE(Blocks()[0].TextColour, kRed);
  EXPECT_EQ(Blocks()[1].TextColour, kRed);
  EXPECT_NE(Option(1).Colour, static_cast<int32_t>(kLime));
  EXPECT_EQ(Option(2).Colour, static_cast<int32_t>(kLime));
  Choose(1);
  EXPECT_EQ(Blocks()[0].TextColour, kRed);
  EXPECT_EQ(Option(1).Colour, static_cast<int32_t>(kLime));
}

// --- SEZNAMPROMENNYCH ------------------------------------------------------

TEST_F(PageCommands, VariableListingAlignsEntriesFourToALine) {
  WriteLocations("<1><vychozibarvatextu barva=\"lime\"><seznampromennych><text>");
  Start();
  State().World.Variables.Set(7, 3);
  State().World.Variables.Set(12, 1234);
  State().World.Variables.Set(150, -5);
  Form().ChangeLoc(1);
  ASSERT_EQ(Blocks().size(), 2u);
  const TXLabel& block = Blocks()[0];
  EXPECT_EQ(block.Role, FontRole::Courier);
  EXPECT_EQ(block.TextColour, kLime);
  EXPECT_EQ(block.Left, 230);
  EXPECT_EQ(block.Target, 0);
  const std::string& text = block.Text;
  EXPECT_EQ(text.substr(0, 56), "$1   = 0      $2   = 0      $3   = 0      $4   = 0      ");
  EXPECT_EQ(text[56], '\r');
  const std::size_t seven = text.find("$7 ");
  ASSERT_NE(seven, std::string::npos);
  EXPECT_EQ(text.substr(seven, 15), "$7   = 3      $");
  EXPECT_NE(text.find("$12  = 1234   \r$13"), std::string::npos);
  EXPECT_NE(text.find("$150 = -5      $151"), std::string::npos);
  EXPECT_NE(text.find("$100 = 0      \r\r$101 "), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 14), "$999 = 0      ");
  // 249 line ends after every fourth, 9 more after every hundredth.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 249 + 9);
  // The TEXT without content repeats it.
  EXPECT_EQ(Blocks()[1].Text, text);
}

// --- OBRAZEKVTEXTU -----------------------------------------------------------

TEST_F(PageCommands, MissingPictureIsReportedAndNothingAdded) {
  Show("<1><obrazekvtextu soubor=\"nic.png\"><text obsah=\"a\">");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Obrazekvtextu - neexistuje: \"./obrazky/nic.png\"");
  EXPECT_TRUE(Pictures().empty());
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Top, 30);
}

TEST_F(PageCommands, PictureNamesLeavingThePictureFolderAreMissing) {
  WritePng("obrazky/les.png", 40, 25);
  WritePng("grafika/pozadi.png", 40, 25);
  std::filesystem::create_symlink("les.png", "obrazky/odkaz.png");
  Show(
      "<1><obrazekvtextu soubor=\"../grafika/pozadi.png\">"
      "<obrazekvtextu soubor=\"odkaz.png\">"
      "<obrazekvtextu soubor=\"/etc/passwd\">");
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0], "Obrazekvtextu - neexistuje: \"./obrazky/../grafika/pozadi.png\"");
  EXPECT_EQ(host.messages[1], "Obrazekvtextu - neexistuje: \"./obrazky/odkaz.png\"");
  EXPECT_TRUE(Pictures().empty());
}

TEST_F(PageCommands, PictureWithoutFileNameIsMissing) {
  std::filesystem::create_directories("obrazky");
  Show("<1><obrazekvtextu>");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Obrazekvtextu - neexistuje: \"./obrazky/\"");
  EXPECT_TRUE(Pictures().empty());
}

TEST_F(PageCommands, PictureTakesItsOwnSizeUnlessGiven) {
  WritePng("obrazky/les.png", 40, 25);
  Show(
      "<1><obrazekvtextu soubor=\"les.png\" popis=\"Les\">"
      "<obrazekvtextu soubor=\"les.png\" sirka=\"100\">"
      "<obrazekvtextu soubor=\"les.png\" vyska=\"70\">");
  ASSERT_EQ(Pictures().size(), 3u);
  EXPECT_EQ(Pictures()[0].File, "./obrazky/les.png");
  EXPECT_EQ(Pictures()[0].Hint, "Les");
  EXPECT_EQ(Pictures()[0].Width, 40);
  EXPECT_EQ(Pictures()[0].Height, 25);
  EXPECT_FALSE(Pictures()[0].SizeGiven);
  EXPECT_EQ(Pictures()[0].Top, 30);
  EXPECT_EQ(Pictures()[0].Left, 230);
  EXPECT_EQ(Pictures()[1].Width, 100);
  EXPECT_EQ(Pictures()[1].Height, 30);
  EXPECT_TRUE(Pictures()[1].SizeGiven);
  EXPECT_EQ(Pictures()[2].Width, 30);
  EXPECT_EQ(Pictures()[2].Height, 70);
}

TEST_F(PageCommands, ColumnLayoutOfTextsAndPictures) {
  WritePng("obrazky/a.png", 50, 60);
  Show(
      "<1><text obsah=\"a\">"
      "<obrazekvtextu soubor=\"a.png\">"
      "<obrazekvtextu soubor=\"a.png\" posuny=\"0\" posunx=\"100\">"
      "<obrazekvtextu soubor=\"a.png\">"
      "<text obsah=\"b\">"
      "<obrazekvtextu soubor=\"a.png\" posuny=\"5\">");
  ASSERT_EQ(Pictures().size(), 4u);
  ASSERT_EQ(Blocks().size(), 2u);
  // A picture below a text: 25 + the default 15 below its bottom.
  const int first = 30 + kLineHeight + 40;
  EXPECT_EQ(Pictures()[0].Top, first);
  EXPECT_EQ(Pictures()[0].Left, 230);
  EXPECT_EQ(Pictures()[0].UnderText, 1);
  // POSUNY 0 after a picture: level with its top, beside it.
  EXPECT_EQ(Pictures()[1].Top, first);
  EXPECT_EQ(Pictures()[1].Left, 330);
  EXPECT_EQ(Pictures()[1].PreviousPicture, 1);
  // No POSUNY after a picture: 15 below its bottom.
  EXPECT_EQ(Pictures()[2].Top, first + 60 + 15);
  EXPECT_EQ(Pictures()[2].PreviousPicture, 2);
  // A text below a picture: 20 below its bottom.
  EXPECT_EQ(Blocks()[1].Top, first + 60 + 15 + 60 + 20);
  EXPECT_EQ(Blocks()[1].UnderPicture, 3);
  // POSUNY given after a text measures from the text's bottom + 25.
  EXPECT_EQ(Pictures()[3].Top, Blocks()[1].Top + kLineHeight + 25 + 5);
}

TEST_F(PageCommands, LinkedPictureIsFollowedWithItsLinkFields) {
  WritePng("obrazky/dvere.png", 10, 10);
  Show(
      Cz("<1><obrazekvtextu soubor=\"dvere.png\" odkaz=\"2\" 8=\"3\" presmeruj=\"*\">"
         "<2>[8 = \"3\"]<text obsah=\"za dveřmi\">[/]"));
  ASSERT_EQ(Pictures().size(), 1u);
  EXPECT_EQ(Pictures()[0].Target, 2);
  Form().PictureClick(1);
  Form().TimerTick();
  EXPECT_EQ(State().World.Location, 2);
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, Cz("za dveřmi"));
}

TEST_F(PageCommands, PictureNamesAreWindows1250) {
  WritePng(std::filesystem::path("obrazky/kočka.png"), 12, 8);  // UTF-8 on disk
  Show(Cz("<1><obrazekvtextu soubor=\"kočka.png\">"));
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(Pictures().size(), 1u);
  EXPECT_EQ(Pictures()[0].File, Cz("./obrazky/kočka.png"));
  EXPECT_EQ(Pictures()[0].Width, 12);
}

TEST_F(PageCommands, PictureThatCannotBeReadStopsThePage) {
  WriteBytes("obrazky/rozbity.png", "tohle neni obrazek");
  Show(
      "<1><text obsah=\"a\"><obrazekvtextu soubor=\"rozbity.png\" sirka=\"10\">"
      "<text obsah=\"b\"><menu t=\"c\" x=\"1\">");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind(Cz("Obrázek nelze načíst: ./obrazky/rozbity.png"), 0), 0u)
      << host.messages[0];
  EXPECT_TRUE(Pictures().empty());
  EXPECT_EQ(Blocks().size(), 1u);
  EXPECT_TRUE(Form().OptionLabels.empty());
}

// --- The help block --------------------------------------------------------

TEST_F(PageCommands, HelpToggledTwiceLeavesThePageAsItWas) {
  WritePng("obrazky/a.png", 20, 20);
  Show("<1><text obsah=\"a\"><obrazekvtextu soubor=\"a.png\"><menu t=\"b\" x=\"2\"><2>");
  const std::vector<TXLabel> blocks = Blocks();
  Form().HelpClick();
  ASSERT_EQ(Blocks().size(), 2u);
  const TXLabel& help = Blocks()[1];
  EXPECT_EQ(help.Text, BuildHelpText(host.screen_width));
  EXPECT_EQ(help.Left, 240);
  EXPECT_EQ(help.TextColour, kYellow);
  EXPECT_EQ(help.Top, Pictures()[0].Top + 20 + 20);
  Form().HelpClick();
  ASSERT_EQ(Blocks().size(), blocks.size());
  EXPECT_EQ(Blocks()[0].Text, blocks[0].Text);
  EXPECT_EQ(Blocks()[0].Top, blocks[0].Top);
  EXPECT_FALSE(Form().HelpShown);
  EXPECT_FALSE(Form().LastPlacedWasText);
  // Shown again, it stands where it stood the first time.
  Form().HelpClick();
  ASSERT_EQ(Blocks().size(), 2u);
  EXPECT_EQ(Blocks()[1].Top, Pictures()[0].Top + 20 + 20);
}

TEST_F(PageCommands, HelpGoesWithThePageAndComesBackOnTheNextClick) {
  host.screen_width = 640;
  Show("<1><menu t=\"b\" x=\"2\"><2><text obsah=\"dva\">");
  Form().HelpClick();
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Top, 30);  // the page's only block
  EXPECT_EQ(Blocks()[0].Text, BuildHelpText(640));
  Choose(1);
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, "dva");
  EXPECT_FALSE(Form().HelpShown);
  Form().HelpClick();
  ASSERT_EQ(Blocks().size(), 2u);
  EXPECT_EQ(Blocks()[1].Top, 30 + kLineHeight + 20);
}

TEST_F(PageCommands, HelpFormFollowsTheScreenWidth) {
  host.screen_width = 641;
  Show("<1>");
  Form().HelpClick();
  ASSERT_EQ(Blocks().size(), 1u);
  EXPECT_EQ(Blocks()[0].Text, BuildHelpText(641));
  EXPECT_NE(BuildHelpText(640), BuildHelpText(641));
}

}  // namespace
}  // namespace qv
