#include "desktop/desktop_comforts.h"

#include <algorithm>
#include <iostream>

#include "comforts/position_slots.h"
#include "data/cp1250.h"
#include "data/user_preferences.h"
#include "desktop/desktop_host.h"
#include "desktop/history_view.h"
#include "speech/espeak_voice.h"

namespace qv {

DesktopComforts::DesktopComforts(DesktopHost& host, GameSession& game, ComfortSettings settings,
                                 std::optional<TranscriptWriter> transcript)
    : host_(host), game_(game), settings_(std::move(settings)) {
  if (settings_ != ComfortSettings{} || transcript) {
    session_ = std::make_unique<ComfortSession>(game_, settings_, nullptr, std::move(transcript));
    if (settings_.ReadAloud) session_->SetVoice(CurrentVoice());
  }
  OfferSwitches();
}

void DesktopComforts::OfferSwitches() {
  // "Číst nahlas (V)", "Do schránky (Shift+C)", "Historie stránek (H)",
  // "Rychlé uložení (F5, F9)", "Pokračovat po Konec".
  SettingsWindow& window = game_.Form.AudioSettings;
  window.Switches = {
      {"\xC8\xEDst nahlas (V)", settings_.ReadAloud},
      {"Do schr\xE1nky (Shift+C)", settings_.SpeechToClipboard},
      {"Historie str\xE1nek (H)", settings_.History},
      {"Rychl\xE9 ulo\x9E" "en\xED (F5, F9)", settings_.QuickSave},
      {"Pokra\xE8ovat po Konec", settings_.Continue},
  };
  window.KeepSwitches = [this](const std::vector<SettingsSwitch>& switches) {
    return KeepSwitches(switches);
  };
}

bool DesktopComforts::KeepSwitches(const std::vector<SettingsSwitch>& switches) {
  if (switches.size() != 5) return true;
  ComfortSettings chosen = settings_;
  chosen.ReadAloud = switches[0].On;
  chosen.SpeechToClipboard = switches[1].On;
  chosen.History = switches[2].On;
  chosen.QuickSave = switches[3].On;
  chosen.Continue = switches[4].On;
  // Kept for later runs in the player's own preferences, beside other keys.
  UserPreferences preferences = UserPreferences::Load();
  StoreComforts(chosen, preferences);
  if (!preferences.Save()) {
    host_.ShowMessage(std::string(kSettingsWriteFailed) +
                      Utf8ToCp1250(UserPreferencesFile().string()));
  }
  settings_ = chosen;
  ComfortSession& comforts = EnsureSession();
  comforts.SetVoice(settings_.ReadAloud ? CurrentVoice() : nullptr);
  comforts.Reconfigure(settings_);
  return true;
}

ComfortSession& DesktopComforts::EnsureSession() {
  if (!session_) {
    session_ = std::make_unique<ComfortSession>(game_, settings_, nullptr, std::nullopt);
  }
  return *session_;
}

SpeechVoice* DesktopComforts::CurrentVoice() {
  if (settings_.SpeechToClipboard) return &clipboard_;
  if (!voice_tried_) {
    voice_tried_ = true;
    voice_ = OpenReadingVoice(&playback_);
    if (!voice_) {
      std::cerr << "quarvelin: nothing can read aloud: speech-dispatcher does not run and "
                   "espeak-ng has no Czech voice\n";
    }
  }
  return voice_.get();
}

void DesktopComforts::Report(const std::optional<std::string>& failure) {
  if (failure) host_.ShowMessage(*failure);
}

bool DesktopComforts::ColumnAtTop() const {
  const GameWindow& form = game_.Form;
  int top = GameWindowLayout::kColumnTop;
  if (!form.TextBlocks.empty()) top = form.TextBlocks.front().Top;
  if (!form.InTextPictures.empty()) top = std::min(top, form.InTextPictures.front().Top);
  return top >= GameWindowLayout::kColumnTop;
}

void DesktopComforts::ShowHistory() {
  HistoryView view(host_, session_->History(), game_.Form.Fonts.Maintext);
  host_.RunLayer(view, [&view] { return view.Closed(); });
}

bool DesktopComforts::HandleGameEvent(const SDL_Event& event) {
  const bool history = session_ && session_->Settings().History;
  if (event.type == SDL_MOUSEWHEEL) {
    int notches = event.wheel.y;
    if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
    // Past the top of the page lie the pages before it.
    if (!history || notches <= 0 || !ColumnAtTop() || session_->History().Empty()) return false;
    ShowHistory();
    return true;
  }
  if (event.type != SDL_KEYDOWN) return false;
  const SDL_Keysym key = event.key.keysym;
  if ((key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) != 0) return false;
  const bool shift = (key.mod & KMOD_SHIFT) != 0;
  switch (key.sym) {
    case SDLK_v:
      if (shift) return false;
      EnsureSession().SetVoice(CurrentVoice());
      settings_.ReadAloud = session_->ToggleReadAloud();
      OfferSwitches();
      return true;
    case SDLK_r:
      if (shift || !session_) return false;
      session_->RepeatPage();
      return true;
    case SDLK_c:
      if (!shift) return false;
    {
      settings_.SpeechToClipboard = !settings_.SpeechToClipboard;
      ComfortSession& comforts = EnsureSession();
      comforts.SetVoice(CurrentVoice());
      // The clipboard mode is for reading without sound: it starts reading.
      if (comforts.Settings().ReadAloud) {
        comforts.RepeatPage();
      } else if (settings_.SpeechToClipboard) {
        settings_.ReadAloud = comforts.ToggleReadAloud();
      }
      OfferSwitches();
      return true;
    }
    case SDLK_h:
      if (shift || !history) return false;
      ShowHistory();
      return true;
    case SDLK_F5:
      if (!session_ || !session_->Settings().QuickSave) return false;
      Report(session_->QuickSave());
      return true;
    case SDLK_F9:
      if (!session_ || !session_->Settings().QuickSave) return false;
      Report(session_->QuickLoad());
      return true;
    default:
      return false;
  }
}

void DesktopComforts::BeforeEnd() {
  if (session_) Report(session_->SaveForContinue());
}

std::string DesktopComforts::ListedFirst() const {
  return settings_.Continue ? std::string(kContinueSlotName) : std::string();
}

void DesktopComforts::PositionLoaded(std::string_view load_file_name) {
  if (session_) session_->PositionLoaded(load_file_name);
}

}  // namespace qv
