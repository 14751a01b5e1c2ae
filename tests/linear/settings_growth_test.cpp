// The player's settings and the gamebook's skins on megabytes of
// adversarial text.
#include <gtest/gtest.h>

#include <string>

#include "audio/audio_player.h"
#include "audio/recording_audio_backend.h"
#include "growth.h"
#include "state/settings.h"
#include "ui/skin.h"

namespace qv::linear {
namespace {

TEST(SettingsGrowth, ApplySettingsText) {
  RecordingAudioBackend device;
  AudioPlayer audio(device);
  const auto read = [&audio](const std::string& text) { ApplySettingsText(text, audio); };
  ExpectLinearGrowth(
      "settings: line breaks only", [](std::size_t size) { return Repeat("\r\n", size); }, read);
  ExpectLinearGrowth(
      "settings: lone CRs", [](std::size_t size) { return Repeat("\r", size); }, read);
  ExpectLinearGrowth(
      "settings: one long line of digits", [](std::size_t size) { return Repeat("9", size); },
      read);
  ExpectLinearGrowth(
      "settings: long blank-padded lines",
      [](std::size_t size) {
        return Repeat(" ", size / 4) + "True\n" + Repeat("\t", size / 4) + "0.5e1\n" +
               Repeat(" ", size / 4) + "+7\n" + Repeat("0", size / 4);
      },
      read);
}

TEST(SkinGrowth, ParseMenuAndGameSkin) {
  const auto read = [](const std::string& text) {
    ParseMenuSkin(text);
    ParseGameSkin(text);
  };
  ExpectLinearGrowth(
      "skins: many distinct keys",
      [](std::size_t size) {
        std::string text = "[Barvy]\n";
        for (std::size_t i = 0; text.size() < size; ++i)
          text += "klic" + std::to_string(i) + "=1\n";
        return text;
      },
      read);
  ExpectLinearGrowth(
      "skins: many sections",
      [](std::size_t size) {
        std::string text;
        for (std::size_t i = 0; text.size() < size; ++i)
          text += "[s" + std::to_string(i) + "]\nBarva=Red\n";
        return text;
      },
      read);
  ExpectLinearGrowth(
      "skins: one long value",
      [](std::size_t size) { return "[Barvy]\nHlavni=" + Repeat("x", size); }, read);
  ExpectLinearGrowth(
      "skins: colours and sizes the skins read, padded and long",
      [](std::size_t size) {
        return "[TechSetup]\nHlavniPozadi=" + Repeat(" ", size / 2) +
               "Red\n[JmenoHry]\nVelikost=" + Repeat("9", size / 2) + "\n[Barvy]\nRamecek=$" +
               Repeat("0", size / 4);
      },
      read);
  ExpectLinearGrowth(
      "skins: lines of one byte", [](std::size_t size) { return Repeat("\n", size); }, read);
  ExpectLinearGrowth(
      "skins: a value continued on indented lines",
      [](std::size_t size) { return "[Barvy]\nHlavni=1\n" + Repeat("  x\n", size); }, read);
}

}  // namespace
}  // namespace qv::linear
