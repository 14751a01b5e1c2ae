// Scripted runs with sound: the audio dump from the player, the audio tags
// reaching the sound device, and the settings window behind "Audio".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "script_run.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

class SettingsScriptTest : public ScriptedGamebook {
 protected:
  void WithAudioFolder() { WriteBytes("audio/les.ogg", "x"); }
};

TEST_F(SettingsScriptTest, WithoutSoundTheAudioDumpShowsTheDefaults) {
  WriteLocations("<1><audiostream soubor=\"les.ogg\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["audio"], Json::parse(R"({"available":false,"sound_on":true,
      "music_on":true,"sound_volume":64,"music_volume":64,"music_kind":0,"music_name":""})"));
  EXPECT_EQ(result.Last()["audio_calls"], Json::array());
  EXPECT_TRUE(result.Last()["settings"].is_null());
}

TEST_F(SettingsScriptTest, AudioDumpShowsThePlayerAndItsCalls) {
  WithAudioFolder();
  WriteBytes("setup.ini", "True\r\nTrue\r\n100\r\n80");
  WriteLocations("<1><audiostream soubor=\"les.ogg\"><audiosound soubor=\"\x9Aum.wav\">");
  const ScriptResult result = Play("new-game\ndump\n");
  ASSERT_EQ(result.Status, 0);
  const Json& dump = result.Last();
  EXPECT_EQ(dump["audio"], Json::parse(R"({"available":true,"sound_on":true,
      "music_on":true,"sound_volume":100,"music_volume":80,"music_kind":1,
      "music_name":"les.ogg"})"));
  EXPECT_EQ(dump["buttons"]["audio"], true);
  EXPECT_EQ(dump["audio_calls"], Json::parse(R"js([
      "Init(44100, 32, 0)",
      "StreamOpen(\"./audio/les.ogg\", 2, 0, 0) -> 1", "StreamPlay(-1, 1) -> 0",
      "SetVolume(0, 80)",
      "SampleLoad(-1, \"./audio/šum.wav\", 0, 0, 0) -> 0", "PlaySound(-1, 0) -> -1",
      "SetVolume(-1, 100)"])js"));
}

TEST_F(SettingsScriptTest, SettingsWindowActsAtOnceAndOkWritesTheFile) {
  WithAudioFolder();
  WriteLocations("<1><audiostream soubor=\"les.ogg\">");
  const ScriptResult result = Play(
      "new-game\nbutton audio\ndump\nsound off\nmusic off\nsound-volume 0\nmusic-volume 200\n"
      "dump\nok\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 3u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","settings"])"));
  EXPECT_EQ(result.Lines[0]["settings"], Json::parse(R"({"sound_on":true,"music_on":true,
      "sound_volume":64,"music_volume":64})"));
  const Json& changed = result.Lines[1];
  EXPECT_EQ(changed["settings"], Json::parse(R"({"sound_on":false,"music_on":false,
      "sound_volume":0,"music_volume":200})"));
  EXPECT_EQ(changed["audio"]["sound_on"], false);
  EXPECT_EQ(changed["audio"]["music_on"], false);
  EXPECT_EQ(changed["audio"]["music_volume"], 200);
  EXPECT_EQ(changed["audio_calls"].back(), "SetVolume(0, 200)");
  const Json& closed = result.Lines[2];
  EXPECT_EQ(closed["windows"], Json::parse(R"(["menu","game"])"));
  EXPECT_TRUE(closed["settings"].is_null());
  EXPECT_EQ(ReadBytes("setup.ini"), "False\r\nFalse\r\n0\r\n200");
}

TEST_F(SettingsScriptTest, CloseKeepsTheChangesWithoutWriting) {
  WithAudioFolder();
  WriteLocations("<1>");
  const ScriptResult result =
      Play("new-game\nbutton audio\nmusic on\nsound-volume 12\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Last()["audio"]["sound_volume"], 12);
  EXPECT_EQ(result.Last()["audio_calls"], Json::parse(R"js(["Init(44100, 32, 0)"])js"));
  EXPECT_FALSE(std::filesystem::exists("setup.ini"));
}

TEST_F(SettingsScriptTest, SettingsWindowRefusesWhatItsControlsCannotDo) {
  WithAudioFolder();
  WriteLocations("<1>");
  EXPECT_EQ(Play("new-game\nbutton audio\nsound-volume 256\n").Last(),
            Json::parse(
                R"js({"error":"line 3: sound-volume: the slider goes from 0 to 255, not 256"})js"));
  EXPECT_EQ(Play("new-game\nbutton audio\nmusic loud\n").Last(),
            Json::parse(R"js({"error":"line 3: music: on or off, not 'loud'"})js"));
  EXPECT_EQ(
      Play("new-game\nbutton audio\nchoose 1\n").Last(),
      Json::parse(R"js({"error":"line 3: 'choose' does not fit the window on top (settings)"})js"));
}

TEST_F(SettingsScriptTest, FailedWriteKeepsTheWindowOpen) {
  WithAudioFolder();
  std::filesystem::create_directory("setup.ini");
  WriteLocations("<1>");
  const ScriptResult result = Play("new-game\nbutton audio\nok\ndump\nclose\ndump\n");
  ASSERT_EQ(result.Status, 0);
  ASSERT_EQ(result.Lines.size(), 2u);
  EXPECT_EQ(result.Lines[0]["windows"], Json::parse(R"(["menu","game","settings"])"));
  EXPECT_EQ(result.Lines[0]["messages"],
            Json::parse(R"(["Chyba při zápisu souboru ./setup.ini"])"));
  EXPECT_EQ(result.Lines[1]["windows"], Json::parse(R"(["menu","game"])"));
}

TEST_F(SettingsScriptTest, HiddenAudioButtonCannotBeClicked) {
  WithAudioFolder();
  WriteBytes("grafika/skin.ini", "[TechSetup]\nAudioTlacitko=0\n");
  WriteLocations("<1>");
  const ScriptResult result = Play("new-game\ndump\nbutton audio\n");
  EXPECT_EQ(result.Lines[0]["audio"]["available"], true);
  EXPECT_EQ(result.Lines[0]["buttons"]["audio"], false);
  EXPECT_EQ(result.Last(), Json::parse(R"js({"error":"line 3: button: 'audio' is not shown"})js"));
}

}  // namespace
}  // namespace qv
