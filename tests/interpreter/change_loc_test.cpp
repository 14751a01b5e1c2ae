// The interpreter's driver: the order of ChangeLoc, condition blocks and
// their cache, message lines across pages, and the page being replaced
// while one of its windows is open.
#include <gtest/gtest.h>

#include "support/gamebook_fixture.h"

namespace qv {
namespace {

using ChangeLoc = GamebookFixture;

TEST_F(ChangeLoc, FirstPageShowsLocationOneWithItsMenu) {
  WriteLocations(Cz("<1><text obsah=\"Ahoj\"><menu t=\"Dál\" x=\"2\"><2><text obsah=\"Konec\">"));
  Start();
  EXPECT_EQ(State().World.Location, 1);
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(Form().TextBlocks[0].Text, "Ahoj");
  EXPECT_EQ(Form().TextBlocks[0].Top, 30);
  ASSERT_EQ(Form().OptionLabels.size(), 1u);
  EXPECT_EQ(Form().OptionLabels[0].Caption, Cz("Dál"));
  EXPECT_EQ(Form().OptionLabels[0].Top, Form().MenuTop + 30);
  EXPECT_EQ(Form().MenuFrameHeight, 70);
  EXPECT_EQ(State().NextLocation, 0);
}

TEST_F(ChangeLoc, LocationWithoutMenuShowsAnEmptyFrameFortyPixelsHigh) {
  WriteLocations("<1><text obsah=\"a\">");
  Start();
  EXPECT_TRUE(Form().MenuVisible);
  EXPECT_TRUE(Form().OptionLabels.empty());
  EXPECT_EQ(Form().MenuFrameHeight, 40);
}

TEST_F(ChangeLoc, ChoosingAnOptionMovesLocationToPrevious) {
  WriteLocations("<1><menu t=\"a\" x=\"2\"><2><zpet>");
  Start();
  Form().HoverOption(1);
  EXPECT_EQ(State().NextLocation, 2);
  Form().OptionClick();
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_EQ(State().World.PreviousLocation, 1);
  ASSERT_EQ(Form().OptionLabels.size(), 1u);
  EXPECT_EQ(Form().OptionLabels[0].link, 1);
}

TEST_F(ChangeLoc, LeavingTheOptionsClearsTheChoice) {
  WriteLocations("<1><menu t=\"a\" x=\"2\"><2>");
  Start();
  Form().HoverOption(1);
  Form().LeaveOptions();
  EXPECT_EQ(State().NextLocation, 0);
  Form().OptionClick();  // ChangeLoc(0): nothing but the countdown and pending values
  EXPECT_EQ(State().World.Location, 1);
}

TEST_F(ChangeLoc, LocationNumbersLabelTheOptionsAndThePage) {
  WriteLocations(
      Cz("<1><zapnicislalokaci><menu t=\"Dál\" x=\"13\"><2><3><4><5><6><7><8><9><10><11><12><13>"));
  Start();
  EXPECT_TRUE(Form().LocationLabelVisible);
  EXPECT_EQ(Form().LocationLabel, "<1>");
  EXPECT_EQ(Form().OptionLabels[0].Caption, Cz("Dál (13)"));
}

TEST_F(ChangeLoc, FalseBlockSkipsEveryTagInside) {
  WriteLocations("<1>[3 > \"0\"]<promenna 5=\"1\"><text obsah=\"x\">[/]<promenna 6=\"1\">");
  Start();
  EXPECT_EQ(State().World.Variables.Get(5), 0);
  EXPECT_TRUE(Form().TextBlocks.empty());
  EXPECT_EQ(State().World.Variables.Get(6), 1);
}

TEST_F(ChangeLoc, BlockIsEvaluatedOnceForAllItsTags) {
  // The first tag makes the block's condition false; the later tags of the
  // same block still run because the block was true when it was reached.
  WriteLocations("<1>[3 = \"0\"]<promenna 3=\"1\"><promenna 4=\"1\">[/]");
  Start();
  EXPECT_EQ(State().World.Variables.Get(3), 1);
  EXPECT_EQ(State().World.Variables.Get(4), 1);
}

TEST_F(ChangeLoc, SecondBlockWithTheSameConditionIsEvaluatedAgain) {
  WriteLocations("<1>[3 = \"0\"]<promenna 3=\"1\">[/][3 = \"0\"]<promenna 4=\"1\">[/]");
  Start();
  EXPECT_EQ(State().World.Variables.Get(3), 1);
  EXPECT_EQ(State().World.Variables.Get(4), 0);
}

TEST_F(ChangeLoc, NestedBlockInsideFalseBlockIsStillEvaluatedOnce) {
  WriteLocations(
      "<1>[3 = \"1\"][4 = \"0\"]<promenna 5=\"1\">[/]<promenna 6=\"1\">[/]<promenna 7=\"1\">");
  Start();
  EXPECT_EQ(State().World.Variables.Get(5), 0);
  EXPECT_EQ(State().World.Variables.Get(6), 0);
  EXPECT_EQ(State().World.Variables.Get(7), 1);
}

TEST_F(ChangeLoc, MessagesOfThePreviousPageTurnGrey) {
  WriteLocations(
      "<1><info obsah=\"stara\" barva=\"red\"><menu t=\"a\" x=\"2\"><2><info obsah=\"nova\" "
      "barva=\"lime\">");
  Start();
  EXPECT_EQ(Form().History[0].Text, "stara");
  EXPECT_EQ(Form().History[0].LineColour, 0x0000FFu);
  Form().HoverOption(1);
  Form().OptionClick();
  EXPECT_EQ(Form().History[0].Text, "nova");
  EXPECT_EQ(Form().History[0].LineColour, 0x00FF00u);
  EXPECT_EQ(Form().History[1].Text, "stara");
  EXPECT_EQ(Form().History[1].LineColour, 0x808080u);
}

TEST_F(ChangeLoc, ZeroClearsOnlyCountdownAndPendingValues) {
  WriteLocations("<1><text obsah=\"a\"><menu t=\"a\" x=\"2\"><2>");
  Start();
  Form().Timer.TimerActive = true;
  Form().ChangeLoc(0);
  EXPECT_FALSE(Form().Timer.TimerActive);
  EXPECT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_EQ(State().World.Location, 1);
}

TEST_F(ChangeLoc, UnknownTagsDoNothing) {
  WriteLocations("<1><nesmysl a=\"1\"></text><text obsah=\"a\">");
  Start();
  EXPECT_EQ(Form().TextBlocks.size(), 1u);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ChangeLoc, MissingLocationEndsTheProgram) {
  WriteLocations("<1><menu t=\"a\" x=\"5\">");
  Start();
  Form().HoverOption(1);
  Form().OptionClick();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back(), "Nenalezeno lokace <5>");
  EXPECT_TRUE(host.ended);
}

TEST_F(ChangeLoc, OptionAssignmentsAreMadeBeforeTheTargetsConditions) {
  WriteLocations("<1><menu t=\"a\" x=\"2\" 8=\"5\"><2>[8 = \"5\"]<text obsah=\"ano\">[/]");
  Start();
  Form().HoverOption(1);
  Form().OptionClick();
  EXPECT_EQ(State().World.Variables.Get(8), 5);
  ASSERT_EQ(Form().TextBlocks.size(), 1u);
}

}  // namespace
}  // namespace qv
