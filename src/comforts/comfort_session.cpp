#include "comforts/comfort_session.h"

#include <utility>

#include "combat/fight_window.h"
#include "comforts/page_utterances.h"
#include "comforts/position_slots.h"
#include "data/cp1250.h"
#include "state/save_window.h"

namespace qv {

namespace {

// A page has stood on the window: a new or restored game shows none before
// its first location.
bool HasPage(const GameWindow& window) {
  return !window.TextBlocks.empty() || !window.InTextPictures.empty() ||
         !window.OptionLabels.empty();
}

}  // namespace

ComfortSession::ComfortSession(GameSession& session, ComfortSettings settings, SpeechVoice* voice,
                               std::optional<TranscriptWriter> transcript)
    : session_(session),
      settings_(std::move(settings)),
      initial_voice_(voice),
      voice_(voice),
      transcript_(std::move(transcript)) {
  session_.Form.Observer = this;
}

ComfortSession::~ComfortSession() {
  if (session_.Form.Observer == this) session_.Form.Observer = nullptr;
}

std::vector<std::string> ComfortSession::Utterances() const {
  return PageUtterances(session_.Form, page_messages_);
}

void ComfortSession::Say(const std::string& cp1250) {
  if (settings_.ReadAloud && voice_ && !cp1250.empty()) voice_->Speak(Cp1250ToUtf8(cp1250));
}

void ComfortSession::SayPage() {
  if (!settings_.ReadAloud || !voice_) return;
  voice_->Stop();
  for (const std::string& utterance : Utterances()) Say(utterance);
}

bool ComfortSession::ToggleReadAloud() {
  settings_.ReadAloud = !settings_.ReadAloud;
  if (settings_.ReadAloud) {
    SayPage();
  } else if (voice_) {
    voice_->Stop();
  }
  return settings_.ReadAloud;
}

void ComfortSession::RepeatPage() {
  const bool on = std::exchange(settings_.ReadAloud, true);
  SayPage();
  settings_.ReadAloud = on;
}

void ComfortSession::SetVoice(SpeechVoice* voice) {
  if (voice_) voice_->Stop();
  voice_ = voice ? voice : initial_voice_;
}

void ComfortSession::Reconfigure(ComfortSettings settings) {
  settings.TranscriptPath = settings_.TranscriptPath;
  const bool was_reading = settings_.ReadAloud;
  settings_ = std::move(settings);
  if (was_reading && !settings_.ReadAloud && voice_) voice_->Stop();
  if (!was_reading && settings_.ReadAloud) SayPage();
}

std::optional<std::string> ComfortSession::QuickSave() {
  if (!settings_.QuickSave) return std::nullopt;
  return SaveToSlot(session_, kQuickSlotName, settings_.History ? &history_ : nullptr);
}

std::optional<std::string> ComfortSession::QuickLoad() {
  if (!settings_.QuickSave) return std::nullopt;
  if (voice_) voice_->Stop();
  return LoadFromSlot(session_, kQuickSlotName, settings_.History ? &history_ : nullptr);
}

std::optional<std::string> ComfortSession::SaveForContinue() {
  if (!settings_.Continue) return std::nullopt;
  // A game still waiting for "Pokračovat" is the one the slot already holds.
  if (!HasPage(session_.Form)) return std::nullopt;
  return SaveToSlot(session_, kContinueSlotName, settings_.History ? &history_ : nullptr);
}

void ComfortSession::PositionSaved(std::string_view name) {
  if (settings_.History) WriteHistoryFile(name, history_);
}

void ComfortSession::PositionLoaded(std::string_view load_file_name) {
  if (!settings_.History) return;
  // "./save/" + name + ".pzv", as the load list names it.
  std::string_view name = load_file_name;
  if (name.starts_with("./save/")) name.remove_prefix(7);
  if (name.size() >= 4) name.remove_suffix(4);
  history_ = ReadHistoryFile(name);
}

void ComfortSession::ChoiceMade(std::string_view caption) {
  pending_choice_ = std::string(caption);
  // The player has chosen: what is being said belongs to the page going away.
  if (voice_) voice_->Stop();
}

void ComfortSession::PageLeaving(const GameWindow& window) {
  std::string choice = std::exchange(pending_choice_, std::string());
  building_ = true;
  page_messages_.clear();
  waiting_.clear();
  if (!HasPage(window)) return;
  if (settings_.History) {
    history_.Add(HistoryPage{window.State.World.Location, ColumnTexts(window), choice});
  }
  if (transcript_ && !choice.empty()) transcript_->Choice(choice);
}

void ComfortSession::PageShown(const GameWindow& window) {
  building_ = false;
  if (transcript_) {
    transcript_->Page(window.State.World.Location, ColumnTexts(window));
    for (const Waiting& waiting : std::exchange(waiting_, {})) {
      if (waiting.Fight) {
        transcript_->FightLines(waiting.Lines);
      } else {
        transcript_->Message(waiting.Lines.front());
      }
    }
  }
  waiting_.clear();
  SayPage();
}

void ComfortSession::MessageAdded(std::string_view text) {
  page_messages_.emplace_back(text);
  // The five message lines are all a page shows; older ones are not read.
  if (page_messages_.size() > 5) page_messages_.pop_front();
  if (building_) {
    if (transcript_) waiting_.push_back(Waiting{false, {std::string(text)}});
    return;
  }
  if (transcript_) transcript_->Message(text);
  Say(SpokenLine(text));
}

void ComfortSession::PageWindowClosed(const ModalWindow& window) {
  if (const auto* save = dynamic_cast<const SaveWindow*>(&window)) {
    if (save->Saved) PositionSaved(save->NameField);
    return;
  }
  const auto* fight = dynamic_cast<const FightWindow*>(&window);
  if (!fight || !transcript_) return;
  std::vector<std::string> lines{fight->Summary1, fight->Summary2};
  if (building_) {
    waiting_.push_back(Waiting{true, std::move(lines)});
  } else {
    transcript_->FightLines(lines);
  }
}

}  // namespace qv
