// The reading comforts in the desktop player: their keys in the game window
// (V reading aloud on and off, R the page again, Shift+C speech to the
// clipboard instead, H or the wheel past the top of the page the history,
// F5 and F9 the quick slot), the voices, and the history view.
//
// With every comfort off nothing listens to the game; V and Shift+C are the
// player's opt-in and start reading aloud when pressed.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "comforts/comfort_session.h"
#include "desktop/clipboard_voice.h"
#include "desktop/sdl_speech_playback.h"
#include "state/settings_window.h"

namespace qv {

class DesktopHost;

class DesktopComforts {
 public:
  DesktopComforts(DesktopHost& host, GameSession& session, ComfortSettings settings,
                  std::optional<TranscriptWriter> transcript);

  // A game-window event the comforts take: true when it was theirs.
  bool HandleGameEvent(const SDL_Event& event);
  // "Konec": the continue slot is written first when the player keeps one.
  void BeforeEnd();
  // The load list is about to open / has restored this file.
  std::string ListedFirst() const;
  void PositionLoaded(std::string_view load_file_name);

  ComfortSession* Session() { return session_.get(); }

 private:
  ComfortSession& EnsureSession();
  SpeechVoice* CurrentVoice();
  void ShowHistory();
  void Report(const std::optional<std::string>& failure);
  bool ColumnAtTop() const;
  // The settings window's second page: the switches shown, and "OK".
  void OfferSwitches();
  bool KeepSwitches(const std::vector<SettingsSwitch>& switches);

  DesktopHost& host_;
  GameSession& game_;
  ComfortSettings settings_;
  SdlSpeechPlayback playback_;
  ClipboardVoice clipboard_;
  std::unique_ptr<SpeechVoice> voice_;  // opened when first needed
  bool voice_tried_ = false;
  std::unique_ptr<ComfortSession> session_;
};

}  // namespace qv
