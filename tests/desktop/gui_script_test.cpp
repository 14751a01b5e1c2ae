// `quarvelin script --gui`: the play script as real input to the desktop
// window, with the same dump lines as a headless run, screenshots and real
// waiting.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "desktop/gui_script_runner.h"
#include "desktop/mixer_audio_backend.h"
#include "desktop_fixture.h"
#include "script/script_runner.h"
#include "ui/picture.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

struct GuiRun {
  int Status = -1;
  std::vector<Json> Lines;
};

GuiRun RunGui(std::istream& in, bool gui = true) {
  std::ostringstream out;
  ScriptOptions options;
  options.ScreenWidth = 800;
  options.ScreenHeight = 600;
  options.Seed = 1;
  options.Gui = gui;
  GuiRun run;
  run.Status = gui ? RunGuiScript(in, out, options) : RunScript(in, out, options);
  std::istringstream printed(out.str());
  std::string line;
  while (std::getline(printed, line)) run.Lines.push_back(Json::parse(line));
  return run;
}

GuiRun RunGui(const std::string& script, bool gui = true) {
  std::istringstream in(script);
  return RunGui(in, gui);
}

// A script handed over a part at a time, with a pause before each part: the
// run reads its next line only when it needs it, so the pause is time the
// machine spends between two lines, as a slow machine would.
class PausedScript final : public std::streambuf {
 public:
  struct Part {
    int PauseMs = 0;
    std::string Text;
  };
  explicit PausedScript(std::vector<Part> parts) : parts_(std::move(parts)) {}

 protected:
  int_type underflow() override {
    if (next_ == parts_.size()) return traits_type::eof();
    std::this_thread::sleep_for(std::chrono::milliseconds(parts_[next_].PauseMs));
    std::string& text = parts_[next_++].Text;
    setg(text.data(), text.data(), text.data() + text.size());
    return traits_type::to_int_type(text.front());
  }

 private:
  std::vector<Part> parts_;
  std::size_t next_ = 0;
};

constexpr const char* kTwoLocations =
    "<1><text obsah=\"Stoj\xED\x9A u cesty.\"><menu t=\"D\xE1l\" x=\"2\">"
    "<2><text obsah=\"Jsi v lese.\"><textoveokno retezec=\"1\"><menu t=\"Zp\xECt\" x=\"1\">";

using GuiScriptTest = DesktopFixture;

TEST_F(GuiScriptTest, LinesBecomeInputAndDumpsMatchTheContract) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kTwoLocations);
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui(
      "new-game\n"
      "dump\n"
      "choose 1\n"
      "dump\n"
      "answer \xC4\x8D"
      "ern\xC3\xBD\n"  // "černý"
      "screenshot page2.png\n"
      "key pagedown\n"
      "dump\n"
      "button konec\n"
      "dump\n");
  ASSERT_EQ(run.Status, 0);
  ASSERT_EQ(run.Lines.size(), 4u);
  EXPECT_EQ(run.Lines[0]["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(run.Lines[0]["location"], 1);
  EXPECT_EQ(run.Lines[0]["options"][0]["text"], "Dál");
  // The prompt of location 2 is open: the window on top.
  EXPECT_EQ(run.Lines[1]["windows"], Json::parse(R"(["menu","game","answer"])"));
  EXPECT_EQ(run.Lines[1]["answer"]["question"], "Zadej odpověď");
  EXPECT_EQ(run.Lines[2]["state"]["strings"]["1"], "černý");
  EXPECT_EQ(run.Lines[2]["texts"][0]["top"], 30 - 100);
  // "Konec" ended the program: the last dump says so, and the line after it
  // is never read.
  EXPECT_EQ(run.Lines[3]["ended"], true);

  PictureResult shot = DecodePicture("page2.png");
  ASSERT_TRUE(shot) << shot.Error();
  EXPECT_EQ(shot.Value().Width, 800);
  EXPECT_EQ(shot.Value().Height, 600);
}

TEST_F(GuiScriptTest, WaitLetsTheCountdownRunAndBadLinesStopTheRun) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\" vypisuj=\"ano\"><menu t=\"D\xE1l\" x=\"2\">"
      "<2><text obsah=\"Pozd\xEC.\">");
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui("new-game\nwait 1400\ndump\nchoose 3\ndump\n");
  EXPECT_EQ(run.Status, 2);
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(run.Lines[0]["location"], 2);
  EXPECT_EQ(run.Lines[1],
            Json::parse(R"js({"error":"line 4: choose: there is no option 3 (0 shown)"})js"));
}

TEST_F(GuiScriptTest, TimeTakenBetweenLinesDoesNotTickTheTimer) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><text obsah=\"Tady.\">"
      "<2><text obsah=\"Pozd\xEC.\">");
  WriteInitRecord(TestInitRecord());
  // Nine ticks leave the countdown one short of running out. Three timer
  // intervals then pass before the next line; only `tick` and `wait` may
  // move the timer, so the page stays until the tenth tick.
  PausedScript parts(
      {{0, "new-game\ntick 9\n"}, {300, "key pagedown\ndump\n"}, {0, "tick 1\ndump\n"}});
  std::istream in(&parts);
  const GuiRun run = RunGui(in);
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(run.Lines[0]["location"], 1);
  EXPECT_EQ(run.Lines[1]["location"], 2);
}

// A tenth of a second of quiet 16-bit mono PCM: a file the real mixer can
// play, as a sound and as music.
void WriteQuietWav(const std::filesystem::path& path) {
  const uint32_t data_size = 4410 * 2;
  std::string bytes;
  const auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(char(v >> (8 * i)));
  };
  const auto u16 = [&](uint16_t v) {
    bytes.push_back(char(v));
    bytes.push_back(char(v >> 8));
  };
  bytes += "RIFF";
  u32(36 + data_size);
  bytes += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(44100);
  u32(44100 * 2);
  u16(2);
  u16(16);
  bytes += "data";
  u32(data_size);
  bytes.append(data_size, '\0');
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// The calls with every channel a play handed out named by its order of
// appearance ("c1", "c2", ...), in the result and wherever a later call
// passes it back: the real mixer and the recording device number channels
// their own way (the mixer's music has a channel of its own), but the
// player must pass on whichever it was given.
std::vector<std::string> WithChannelsNamed(const Json& calls) {
  static const std::regex played(R"(^((?:PlaySound|StreamPlay)\(.*\) -> )(\d+)$)");
  static const std::regex volume(R"(^SetVolume\((\d+), (.*)$)");
  std::map<std::string, std::string> names;
  const auto name = [&](const std::string& channel) {
    auto [it, added] = names.try_emplace(channel, "c" + std::to_string(names.size() + 1));
    return it->second;
  };
  std::vector<std::string> out;
  for (const Json& call : calls) {
    const std::string text = call.get<std::string>();
    std::smatch match;
    if (std::regex_match(text, match, played)) {
      out.push_back(match[1].str() + name(match[2].str()));
    } else if (std::regex_match(text, match, volume)) {
      out.push_back("SetVolume(" + name(match[1].str()) + ", " + match[2].str());
    } else {
      out.push_back(text);
    }
  }
  return out;
}

TEST_F(GuiScriptTest, AudioCallsAreTheHeadlessOnesThroughTheRealMixer) {
  QV_ON_PRIVATE_DISPLAY();
  WriteQuietWav("audio/les.wav");
  WriteQuietWav("audio/\xC5\xA1um.wav");  // "šum.wav" on disk
  WriteQuietWav("audio/boj.wav");
  WriteLocations(
      "<1><audiostream soubor=\"les.wav\"><audiosound soubor=\"\x9Aum.wav\">"
      "<menu t=\"D\xE1l\" x=\"2\">"
      "<2><audiosound soubor=\"chyb\xED.wav\"><audiotrack soubor=\"boj.wav\">"
      "<audiopause><audiocontinue>");
  WriteInitRecord(TestInitRecord());
  const std::string script = "new-game\ndump\nchoose 1\ndump\n";
  const GuiRun headless = RunGui(script, false);
  const GuiRun gui = RunGui(script);
  ASSERT_EQ(headless.Status, 0);
  ASSERT_EQ(gui.Status, 0);
  ASSERT_EQ(headless.Lines.size(), 2u);
  ASSERT_EQ(gui.Lines.size(), 2u);

  const std::vector<std::string> expected = {
      "Init(44100, 32, 0)",
      "StreamOpen(\"./audio/les.wav\", 2, 0, 0) -> 1",
      "StreamPlay(-1, 1) -> c1",
      "SetVolume(c1, 64)",
      "SampleLoad(-1, \"./audio/šum.wav\", 0, 0, 0) -> 2",
      "PlaySound(-1, 2) -> c2",
      "SetVolume(c2, 64)",
  };
  EXPECT_EQ(WithChannelsNamed(headless.Lines[0]["audio_calls"]), expected);
  EXPECT_EQ(WithChannelsNamed(gui.Lines[0]["audio_calls"]), expected);
  // The mixer's own answers are what the log shows.
  EXPECT_EQ(gui.Lines[0]["audio_calls"][2],
            "StreamPlay(-1, 1) -> " + std::to_string(MixerAudioBackend::kMusicChannel));

  // A missing sound, the stream closed for a track, the track paused and
  // resumed: the same calls and handles on both devices.
  std::vector<std::string> later = expected;
  later.insert(later.end(), {
                                "SampleLoad(-1, \"./audio/chybí.wav\", 0, 0, 0) -> 0",
                                "PlaySound(-1, 0) -> -1",
                                "SetVolume(-1, 64)",
                                "StreamClose(1)",
                                "LoadSong(\"./audio/boj.wav\") -> 3",
                                "PlaySong(3)",
                                "SetMasterVolume(3, 64)",
                            });
  const std::vector<std::string> headless_later =
      WithChannelsNamed(headless.Lines[1]["audio_calls"]);
  ASSERT_GE(headless_later.size(), later.size());
  EXPECT_EQ(std::vector<std::string>(headless_later.begin(), headless_later.begin() + later.size()),
            later);
  EXPECT_EQ(WithChannelsNamed(gui.Lines[1]["audio_calls"]), headless_later);
  EXPECT_EQ(gui.Lines[1]["audio"], headless.Lines[1]["audio"]);
}

// A countdown back to a page that opens a pop-up: the desktop window runs
// a loop of its own for every window, and the countdown fires in them.
constexpr const char* kPopUpEverySecond =
    "<1><casovac cas=\"0\" odkaz=\"1\"><obrazek soubor=\"cerveny.png\">"
    "<text obsah=\"Pod obr\xE1zkem.\">";

TEST_F(GuiScriptTest, PopUpReopenedByTheCountdownKeepsTheWindowsBoundedWhileTicking) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("obrazky/cerveny.png", 40, 30, Rgb{255, 0, 0});
  WriteLocations(kPopUpEverySecond);
  WriteInitRecord(TestInitRecord());
  std::string script = "new-game\n";
  for (int i = 0; i < 60; ++i) script += "tick 10\ndump\n";
  const GuiRun run = RunGui(script + "tick 600\ndump\nclose\ndump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 62u);
  for (std::size_t i = 0; i + 1 < run.Lines.size(); ++i) {
    // The menu, the game, and the pop-ups of at most two pages: every ten
    // ticks the countdown shows the page again, over the pop-up of the page
    // before and then, one level further, in place of both.
    const std::size_t ticks = i < 60 ? 10 * (i + 1) : 1200;
    ASSERT_EQ(run.Lines[i]["windows"].size(), ticks / 10 % 2 == 1 ? 4u : 3u) << "dump " << i;
    ASSERT_EQ(run.Lines[i]["location"], 1) << "dump " << i;
  }
  EXPECT_EQ(run.Lines.back()["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_EQ(run.Lines.back()["texts"][0]["text"], "Pod obrázkem.");
}

TEST_F(GuiScriptTest, PopUpReopenedByTheCountdownKeepsTheWindowsBoundedWhileWaiting) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("obrazky/cerveny.png", 40, 30, Rgb{255, 0, 0});
  WriteLocations(kPopUpEverySecond);
  WriteInitRecord(TestInitRecord());
  // Three countdowns run out: at 1.0, 1.9 and 2.8 seconds.
  const GuiRun run = RunGui("new-game\nwait 3200\ndump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 1u);
  EXPECT_LE(run.Lines[0]["windows"].size(), 4u) << run.Lines[0]["windows"];
  EXPECT_EQ(run.Lines[0]["location"], 1);
}

TEST_F(GuiScriptTest, TimerStandsStillBehindTheDeathWindow) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(
      "<1><casovac cas=\"1\" odkaz=\"2\"><zivoty minus=\"100\">"
      "<2><text obsah=\"Za smrt\xED.\">");
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui("new-game\nwait 1300\ndump\ntick 20\ndump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 2u);
  for (const Json& dump : run.Lines) {
    EXPECT_EQ(dump["windows"], Json::parse(R"(["menu","game","death"])"));
    EXPECT_EQ(dump["location"], 1);
    EXPECT_TRUE(dump["texts"].empty());
  }
}

TEST_F(GuiScriptTest, ShortRecordRefusesTheGameWithItsMessage) {
  QV_ON_PRIVATE_DISPLAY();
  WriteLocations(kTwoLocations);
  WriteBytes("data/inicializace.qvl", TestInitRecord().EncodeToBytes().substr(0, 200));
  const GuiRun run = RunGui("new-game\ndump\nload-list\ndump\n");
  ASSERT_EQ(run.Status, 0) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 2u);
  const std::string message =
      "Nelze načíst ./data/inicializace.qvl: soubor je kratší než 240 bajtů";
  EXPECT_EQ(run.Lines[0]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(run.Lines[0]["messages"], Json::array({message, message}));
  EXPECT_EQ(run.Lines[1]["windows"], Json::parse(R"(["menu"])"));
  EXPECT_EQ(run.Lines[1]["messages"].size(), 3u);
  EXPECT_EQ(run.Lines[1]["location"], 0);
}

TEST_F(GuiScriptTest, PicturesAtTheEndsOfTheNumberRangeAreDrawnAndClicked) {
  QV_ON_PRIVATE_DISPLAY();
  WriteSolidPng("obrazky/cerveny.png", 40, 30, Rgb{255, 0, 0});
  WriteLocations(
      "<1><text obsah=\"a\"><obrazekvtextu soubor=\"cerveny.png\" posuny=\"2147483647\">"
      "<obrazekvtextu soubor=\"cerveny.png\" vyska=\"2147483647\" sirka=\"2147483647\" "
      "posuny=\"-2147483648\">"
      "<obrazekvtextu soubor=\"chybi.png\" posunx=\"-2147483648\">"
      "<obrazek soubor=\"cerveny.png\" vyska=\"2147483647\" sirka=\"2147483647\">");
  WriteInitRecord(TestInitRecord());
  const GuiRun run = RunGui(
      "new-game\nscreenshot shot.png\nclose\nkey pagedown\nwheel up\ndump\n"
      "click-picture 1\n");
  ASSERT_EQ(run.Status, 2) << run.Lines.back().dump();
  ASSERT_EQ(run.Lines.size(), 2u);
  EXPECT_EQ(
      run.Lines[1],
      Json::parse(
          R"js({"error":"line 7: click-picture: picture 1 is not on the screen (scroll to it first)"})js"));
  const Json& page = run.Lines[0];
  EXPECT_EQ(page["windows"], Json::parse(R"(["menu","game"])"));
  ASSERT_EQ(page["pictures"].size(), 2u);
  EXPECT_EQ(page["pictures"][0]["top"], INT32_MAX);
  EXPECT_EQ(page["pictures"][1]["height"], INT32_MAX);
}

}  // namespace
}  // namespace qv
