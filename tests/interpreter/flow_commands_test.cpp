// Flow commands on whole pages: ending the program, the countdown and its
// ticking, the location source, prefix and suffix libraries, the buttons and
// the audio tags. Pages mark what ran with the button and countdown tags,
// which leave visible traces of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/gamebook_fixture.h"

namespace qv {
namespace {

class FlowCommands : public GamebookFixture {
 protected:
  void Tick(int count) {
    for (int i = 0; i < count; ++i) Form().TimerTick();
  }
  void WriteLibrary(std::string_view name, std::string_view text) {
    WriteBytes("data/knihovny/" + std::string(name) + ".qvl", text);
  }
};

// --- KONEC -----------------------------------------------------------------

TEST_F(FlowCommands, EndTellsTheProgramToEndAndTheRestOfThePageStillRuns) {
  WriteLocations("<1><konec><zakazpostavu><casovac cas=\"4\" vypisuj=\"ano\">");
  Start();
  EXPECT_TRUE(host.ended);
  EXPECT_FALSE(State().World.SheetAllowed);
  EXPECT_EQ(Form().Timer.TimerLabel, "4");
  EXPECT_TRUE(Form().MenuVisible);  // the page was finished
  EXPECT_TRUE(host.messages.empty());
}

// --- CASOVAC ---------------------------------------------------------------

TEST_F(FlowCommands, ShownCountdownShowsItsSecondsAtOnceWhateverTheCaseOfAno) {
  WriteLocations("<1><casovac cas=\"10\" vypisuj=\"ano\" odkaz=\"2\"><2>");
  Start();
  const Countdown& timer = Form().Timer;
  EXPECT_TRUE(timer.TimerActive);
  EXPECT_TRUE(timer.TimerShown);
  EXPECT_EQ(timer.TimerSeconds, 10);
  EXPECT_EQ(timer.TimerTarget, 2);
  EXPECT_EQ(timer.TimerTicks, 0);
  EXPECT_EQ(timer.TimerLabel, "10");
}

TEST_F(FlowCommands, HiddenCountdownTicksWithAnEmptyLabel) {
  WriteLocations("<1><casovac vypisuj=\"Ne\" cas=\"5\" odkaz=\"2\"><2>");
  Start();
  EXPECT_TRUE(Form().Timer.TimerActive);
  EXPECT_FALSE(Form().Timer.TimerShown);
  EXPECT_EQ(Form().Timer.TimerLabel, "");
  Tick(10);
  EXPECT_EQ(Form().Timer.TimerSeconds, 4);
  EXPECT_EQ(Form().Timer.TimerLabel, "");
}

TEST_F(FlowCommands, OtherWordsLeaveTheShownSwitchAlone) {
  WriteLocations("<1><casovac vypisuj=\"ano\" cas=\"5\"><casovac vypisuj=\"mozna\" cas=\"6\">");
  Start();
  EXPECT_TRUE(Form().Timer.TimerShown);
  EXPECT_EQ(Form().Timer.TimerLabel, "6");
}

TEST_F(FlowCommands, LaterAttributesOverrideEarlierOnes) {
  WriteLocations("<1><casovac cas=\"5\" odkaz=\"3\" cas=\"2\" odkaz=\"4\"><2><3><4>");
  Start();
  EXPECT_EQ(Form().Timer.TimerSeconds, 2);
  EXPECT_EQ(Form().Timer.TimerTarget, 4);
}

TEST_F(FlowCommands, ThreeSecondCountdownTicksDownAndShowsItsTarget) {
  WriteLocations(
      "<1><casovac cas=\"3\" vypisuj=\"ano\" odkaz=\"2\">"
      "<2><zakazpostavudocasne>");
  Start();
  std::string label_when_run_out = "-";
  Form().OnCountdownExpired = [&] { label_when_run_out = Form().Timer.TimerLabel; };

  EXPECT_EQ(Form().Timer.TimerLabel, "3");
  Tick(9);
  EXPECT_EQ(Form().Timer.TimerLabel, "3");
  Tick(1);  // 1.0 s
  EXPECT_EQ(Form().Timer.TimerLabel, "2");
  Tick(8);
  EXPECT_EQ(Form().Timer.TimerLabel, "2");
  Tick(1);  // 1.9 s
  EXPECT_EQ(Form().Timer.TimerLabel, "1");
  Tick(8);
  EXPECT_EQ(Form().Timer.TimerLabel, "1");
  EXPECT_EQ(State().World.Location, 1);
  EXPECT_EQ(label_when_run_out, "-");

  Tick(1);  // 2.8 s: the target at this very tick
  EXPECT_EQ(label_when_run_out, "0");
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_EQ(State().World.PreviousLocation, 1);
  EXPECT_FALSE(Form().SheetButtonVisible);  // location 2's tags ran
  EXPECT_FALSE(Form().Timer.TimerActive);
  EXPECT_EQ(Form().Timer.TimerLabel, "");
  EXPECT_EQ(State().NextLocation, 0);
}

TEST_F(FlowCommands, CountdownToNoTargetStopsWithoutChangingThePage) {
  WriteLocations("<1><casovac cas=\"3\" vypisuj=\"ano\"><zakazpostavudocasne><2>");
  Start();
  bool run_out = false;
  Form().OnCountdownExpired = [&] { run_out = true; };
  Tick(28);
  EXPECT_TRUE(run_out);
  EXPECT_EQ(State().World.Location, 1);
  EXPECT_FALSE(Form().Timer.TimerActive);
  EXPECT_FALSE(Form().SheetButtonVisible);  // still this page
  EXPECT_TRUE(Form().MenuVisible);
  Tick(100);
  EXPECT_EQ(State().World.Location, 1);
}

TEST_F(FlowCommands, CountdownWithoutAttributesRunsOutAfterOneSecond) {
  WriteLocations("<1><casovac>");
  Start();
  EXPECT_TRUE(Form().Timer.TimerActive);
  EXPECT_EQ(Form().Timer.TimerLabel, "");
  Tick(10);
  EXPECT_FALSE(Form().Timer.TimerActive);
  EXPECT_EQ(State().World.Location, 1);
}

TEST_F(FlowCommands, CountdownEndsWithItsPage) {
  WriteLocations("<1><casovac cas=\"1\" odkaz=\"3\"><2><3>");
  Start();
  Form().ChangeLoc(2);
  EXPECT_FALSE(Form().Timer.TimerActive);
  Tick(30);
  EXPECT_EQ(State().World.Location, 2);
}

// --- Countdowns under an answer prompt -------------------------------------

TEST_F(FlowCommands, CountdownRunningOutUnderAPromptShowsTheTargetAndDropsTheRestOfThePage) {
  WriteLocations(
      "<1><casovac cas=\"3\" odkaz=\"2\"><textoveokno retezec=\"1\"><zakazpostavu>"
      "<2><zakazvybavenidocasne>");
  int location_in_window = 0;
  host.on_modal = [&](ModalWindow& window) {
    Tick(28);
    location_in_window = State().World.Location;
    auto& prompt = dynamic_cast<AnswerPromptWindow&>(window);
    prompt.Edit = "pozde";
    prompt.OkClick();
  };
  Start();
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"answer"});
  EXPECT_EQ(location_in_window, 2);
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_FALSE(Form().EquipmentButtonVisible);  // location 2 ran
  EXPECT_TRUE(State().World.SheetAllowed);      // the rest of location 1 did not
  EXPECT_TRUE(Form().MenuVisible);
  // The prompt's page is gone, and its answer with it.
  EXPECT_EQ(State().World.Strings.Get(1).str(), "");
}

TEST_F(FlowCommands, NewPageAskingAgainUnderTheOldPromptKeepsItsOwnAnswer) {
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><textoveokno retezec=\"1\">"
      "<2><textoveokno retezec=\"2\"><zakazvybavenidocasne>");
  int depth = 0;
  host.on_modal = [&](ModalWindow& window) {
    auto& prompt = dynamic_cast<AnswerPromptWindow&>(window);
    ++depth;
    if (depth == 1) {
      Tick(10);  // location 2 opens the prompt again inside this one
      prompt.Edit = "prvni";
    } else {
      prompt.Edit = "druha";
    }
    prompt.OkClick();
  };
  Start();
  EXPECT_EQ(host.modal_windows.size(), 2u);
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_EQ(State().World.Strings.Get(2).str(), "druha");
  EXPECT_EQ(State().World.Strings.Get(1).str(), "");
  EXPECT_FALSE(Form().EquipmentButtonVisible);
}

TEST_F(FlowCommands, CountdownToNoTargetUnderAPromptLetsThePageGoOn) {
  WriteLocations("<1><casovac cas=\"3\"><textoveokno retezec=\"1\"><zakazpostavu>");
  host.on_modal = [&](ModalWindow& window) {
    Tick(28);
    auto& prompt = dynamic_cast<AnswerPromptWindow&>(window);
    prompt.Edit = "odpoved";
    prompt.OkClick();
  };
  Start();
  EXPECT_EQ(State().World.Location, 1);
  EXPECT_FALSE(Form().Timer.TimerActive);
  EXPECT_EQ(State().World.Strings.Get(1).str(), "odpoved");
  EXPECT_FALSE(State().World.SheetAllowed);
  EXPECT_TRUE(Form().MenuVisible);
}

TEST_F(FlowCommands, CountdownUnderAPromptOfAPageShownUnderAnotherClosesBothBeforeItsPage) {
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><textoveokno retezec=\"1\"><zakazpostavu>"
      "<2><casovac cas=\"1\" odkaz=\"3\"><textoveokno retezec=\"2\"><zakazvybaveni>"
      "<3><textoveokno retezec=\"3\">");
  int depth = 0;
  int deepest = 0;
  host.on_modal = [&](ModalWindow& window) {
    auto& prompt = dynamic_cast<AnswerPromptWindow&>(window);
    deepest = std::max(deepest, ++depth);
    // The player waits a second on locations 1 and 2 and answers on 3.
    for (int i = 0; i < 10 && State().World.Location < 3 && !prompt.IsClosed(); ++i) Tick(1);
    if (!prompt.IsClosed()) {
      prompt.Edit = "tri";
      prompt.OkClick();
    }
    --depth;
  };
  Start();
  // Location 2 came under location 1's prompt; location 3 came once both
  // prompts were down, not in a third one.
  EXPECT_EQ(deepest, 2);
  EXPECT_EQ(host.modal_windows, (std::vector<std::string>{"answer", "answer", "answer"}));
  EXPECT_EQ(State().World.Location, 3);
  EXPECT_EQ(State().World.Strings.Get(3).str(), "tri");
  EXPECT_EQ(State().World.Strings.Get(1).str(), "");
  EXPECT_EQ(State().World.Strings.Get(2).str(), "");
  // Neither page under the prompts went on after them.
  EXPECT_TRUE(State().World.SheetAllowed);
  EXPECT_TRUE(State().World.EquipmentAllowed);
  EXPECT_TRUE(Form().MenuVisible);
  EXPECT_FALSE(Form().Timer.TimerActive);
}

// --- PRESMERUJ -------------------------------------------------------------

TEST_F(FlowCommands, RedirectToALibraryAndBack) {
  WriteLocations(
      "<1><presmeruj jmeno=\"kniha\"><zakazpostavudocasne>"
      "<2><casovac cas=\"7\" vypisuj=\"ano\">");
  WriteLibrary("kniha", "<2><casovac cas=\"9\" vypisuj=\"ano\"><presmeruj><zakazpostavudocasne>");
  Start();
  EXPECT_EQ(State().World.RedirectName, "kniha");
  EXPECT_FALSE(Form().SheetButtonVisible);  // the current page goes on
  EXPECT_EQ(State().World.Location, 1);

  Form().ChangeLoc(2);  // from the library
  EXPECT_EQ(Form().Timer.TimerLabel, "9");
  EXPECT_EQ(State().World.RedirectName, "");
  EXPECT_FALSE(Form().SheetButtonVisible);

  Form().ChangeLoc(2);  // from the gamebook again
  EXPECT_EQ(Form().Timer.TimerLabel, "7");
  EXPECT_TRUE(Form().SheetButtonVisible);
}

TEST_F(FlowCommands, RedirectTakesTheLastName) {
  WriteLocations("<1><presmeruj jmeno=\"a\" jmeno=\"b\"><2>");
  WriteLibrary("a", "<2><casovac cas=\"1\" vypisuj=\"ano\">");
  WriteLibrary("b", "<2><casovac cas=\"2\" vypisuj=\"ano\">");
  Start();
  EXPECT_EQ(State().World.RedirectName, "b");
  Form().ChangeLoc(2);
  EXPECT_EQ(Form().Timer.TimerLabel, "2");
}

// --- PREFIX, SUFFIX --------------------------------------------------------

TEST_F(FlowCommands, PrefixAndSuffixWrapLaterLocationsUnlessTheyOptOut) {
  WriteLocations(
      "<1><prefix jmeno=\"pred\" provadet=\"ano\"><suffix vybrat=\"po\" provadet=\"Ano\">"
      "<2><casovac>"
      "<3>#noprefix;<casovac>"
      "<4>#nosuffix;<casovac>"
      "<5><prefix provadet=\"NE\"><6>");
  WriteLibrary("pred", "<zakazpostavudocasne>");
  WriteLibrary("po", "<zakazvybavenidocasne>");
  Start();
  ASSERT_NE(Form().Store.Prefix(), nullptr);
  ASSERT_NE(Form().Store.Suffix(), nullptr);
  EXPECT_EQ(Form().Store.Prefix()->Name, "pred");
  EXPECT_EQ(Form().Store.Suffix()->Name, "po");
  EXPECT_TRUE(State().World.PrefixEnabled);
  EXPECT_TRUE(State().World.SuffixEnabled);
  EXPECT_TRUE(Form().SheetButtonVisible);  // fetched before the prefix was set

  Form().ChangeLoc(2);
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);

  Form().ChangeLoc(3);
  EXPECT_TRUE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);

  Form().ChangeLoc(4);
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_TRUE(Form().EquipmentButtonVisible);

  Form().ChangeLoc(5);
  EXPECT_FALSE(State().World.PrefixEnabled);
  EXPECT_EQ(Form().Store.Prefix()->Name, "pred");  // kept, only switched off
  Form().ChangeLoc(6);
  EXPECT_TRUE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);
}

TEST_F(FlowCommands, PrefixWithoutProvadetLeavesItSwitchedOff) {
  WriteLocations("<1><prefix jmeno=\"x\" vybrat=\"pred\"><2>");
  WriteLibrary("pred", "<zakazpostavudocasne>");
  Start();
  ASSERT_NE(Form().Store.Prefix(), nullptr);
  EXPECT_EQ(Form().Store.Prefix()->Name, "pred");  // the last of VYBRAT and JMENO
  EXPECT_FALSE(State().World.PrefixEnabled);
  Form().ChangeLoc(2);
  EXPECT_TRUE(Form().SheetButtonVisible);
}

TEST_F(FlowCommands, ProvadetAloneSwitchesWithoutNamingALibrary) {
  WriteLocations("<1><suffix provadet=\"ano\"><2>");
  Start();
  EXPECT_TRUE(State().World.SuffixEnabled);
  EXPECT_EQ(Form().Store.Suffix(), nullptr);
  Form().ChangeLoc(2);  // nothing to append
  EXPECT_EQ(State().World.Location, 2);
  EXPECT_TRUE(host.messages.empty());
}

// --- Buttons ---------------------------------------------------------------

TEST_F(FlowCommands, ButtonsHiddenOrShownForOnePageComeBackAsAllowed) {
  WriteLocations(
      "<1><zakazpostavudocasne><zakazvybavenidocasne>"
      "<2>"
      "<3><zakazpostavu><zakazvybaveni>"
      "<4>"
      "<5><povolpostavudocasne><povolvybavenidocasne>"
      "<6>"
      "<7><povolpostavu><povolvybaveni>"
      "<8>");
  Start();
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);
  EXPECT_TRUE(State().World.SheetAllowed);
  EXPECT_TRUE(State().World.EquipmentAllowed);

  Form().ChangeLoc(2);
  EXPECT_TRUE(Form().SheetButtonVisible);
  EXPECT_TRUE(Form().EquipmentButtonVisible);

  Form().ChangeLoc(3);
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);
  EXPECT_FALSE(State().World.SheetAllowed);
  EXPECT_FALSE(State().World.EquipmentAllowed);

  Form().ChangeLoc(4);
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);

  Form().ChangeLoc(5);
  EXPECT_TRUE(Form().SheetButtonVisible);
  EXPECT_TRUE(Form().EquipmentButtonVisible);
  EXPECT_FALSE(State().World.SheetAllowed);
  EXPECT_FALSE(State().World.EquipmentAllowed);

  Form().ChangeLoc(6);
  EXPECT_FALSE(Form().SheetButtonVisible);
  EXPECT_FALSE(Form().EquipmentButtonVisible);

  Form().ChangeLoc(7);
  EXPECT_TRUE(Form().SheetButtonVisible);
  EXPECT_TRUE(Form().EquipmentButtonVisible);
  EXPECT_TRUE(State().World.SheetAllowed);
  EXPECT_TRUE(State().World.EquipmentAllowed);

  Form().ChangeLoc(8);
  EXPECT_TRUE(Form().SheetButtonVisible);
  EXPECT_TRUE(Form().EquipmentButtonVisible);
}

// --- Audio -----------------------------------------------------------------

TEST_F(FlowCommands, AudioTagsWithoutTheSoundLibraryDoNothing) {
  WriteLocations(
      "<1><audiosound soubor=\"a.wav\" soubor=\"b.wav\"><audiotrack soubor=\"t.mod\">"
      "<audiostream soubor=\"s.mp3\"><audiopause><audiocontinue><audiostop>"
      "<zakazpostavudocasne>");
  Start();
  EXPECT_FALSE(State().AudioAvailable);
  EXPECT_FALSE(Form().SheetButtonVisible);  // the page went on
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.modal_windows.empty());
}

}  // namespace
}  // namespace qv
