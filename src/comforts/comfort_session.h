// The reading comforts of one game, listening to its game window: the page
// history, the transcript and reading aloud. Hosts create one when any
// comfort is on, hang it on the window (GameWindow::Observer) and call the
// key handlers below; with every comfort off nothing is created and the game
// runs as it always did.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comforts/comfort_settings.h"
#include "comforts/page_history.h"
#include "comforts/speech_voice.h"
#include "comforts/transcript_writer.h"
#include "interpreter/game_session.h"
#include "interpreter/page_observer.h"

namespace qv {

class ComfortSession final : public PageObserver {
 public:
  // `voice` speaks when reading aloud is on; it may be null (nothing is
  // said, the utterances are still kept for dumps). `transcript`, when
  // given, receives the story.
  ComfortSession(GameSession& session, ComfortSettings settings, SpeechVoice* voice,
                 std::optional<TranscriptWriter> transcript);
  ~ComfortSession() override;
  ComfortSession(const ComfortSession&) = delete;
  ComfortSession& operator=(const ComfortSession&) = delete;

  const ComfortSettings& Settings() const { return settings_; }
  const PageHistory& History() const { return history_; }
  // The page's messages so far, oldest first (Windows-1250).
  const std::deque<std::string>& PageMessages() const { return page_messages_; }
  // What reading aloud says for the page on the window now.
  std::vector<std::string> Utterances() const;

  // V: reading aloud on or off; on reads the page from its start. Returns
  // the new state.
  bool ToggleReadAloud();
  // R: the page once more from its start (also while reading aloud is off).
  void RepeatPage();
  // Shift+C: utterances go to `voice` instead (the clipboard); null goes
  // back to the voice given at the start.
  void SetVoice(SpeechVoice* voice);

  // The switches changed while playing (the settings window): they apply
  // from now on; the transcript stays as it was.
  void Reconfigure(ComfortSettings settings);

  // F5 and F9 (only with quick saves on; otherwise they do nothing and
  // return nullopt). The message of a failure, to be shown to the player.
  std::optional<std::string> QuickSave();
  std::optional<std::string> QuickLoad();
  // "Konec" with continuing on: the game goes to the continue slot before
  // the program ends. The message of a failure.
  std::optional<std::string> SaveForContinue();
  // A saved position was written under `name` (the save window): its
  // history goes beside it. Does nothing while the history is off.
  void PositionSaved(std::string_view name);
  // A position was restored from the load list's file ("./save/" + name +
  // ".pzv"): its history is taken from beside it.
  void PositionLoaded(std::string_view load_file_name);

  // PageObserver
  void ChoiceMade(std::string_view caption) override;
  void PageLeaving(const GameWindow& window) override;
  void PageShown(const GameWindow& window) override;
  void MessageAdded(std::string_view text) override;
  void PageWindowClosed(const ModalWindow& window) override;

 private:
  void Say(const std::string& cp1250);
  void SayPage();

  GameSession& session_;
  ComfortSettings settings_;
  SpeechVoice* initial_voice_;
  SpeechVoice* voice_;
  std::optional<TranscriptWriter> transcript_;
  PageHistory history_;
  std::string pending_choice_;
  std::deque<std::string> page_messages_;
  // Between a page going down and the new one standing: messages and fights
  // wait for the page's text in the transcript and in speech.
  bool building_ = false;
  struct Waiting {
    bool Fight = false;  // the lines of a fight, else one message
    std::vector<std::string> Lines;
  };
  std::vector<Waiting> waiting_;
};

}  // namespace qv
