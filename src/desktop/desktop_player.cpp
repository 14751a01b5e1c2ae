#include "desktop/desktop_player.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>
#include <variant>

#include "data/book_mount.h"
#include "data/user_preferences.h"
#include "desktop/about_view.h"
#include "desktop/load_list_view.h"
#include "desktop/menu_view.h"
#include "desktop/modal_views.h"
#include "desktop/name_view.h"

namespace qv {

namespace {

std::unique_ptr<RandomSource> MakeRandomSource(const DesktopOptions& options) {
  if (options.Seed) return std::make_unique<SeededRandomSource>(*options.Seed);
  return std::make_unique<ClockRandomSource>();
}

GameSession& MakeSession(std::unique_ptr<GameSession>& session, DesktopHost& host,
                         RandomSource& random, AudioBackend& audio) {
  session = std::make_unique<GameSession>(host, random, &audio);
  return *session;
}

}  // namespace

DesktopPlayer::DesktopPlayer(DesktopOptions options, std::optional<TranscriptWriter> transcript)
    : host_(options),
      audio_log_(options.LogAudioCalls ? std::make_unique<LoggingAudioBackend>(audio_) : nullptr),
      random_(MakeRandomSource(options)),
      menu_(*MakeSession(session_, host_, *random_,
                         audio_log_ ? static_cast<AudioBackend&>(*audio_log_) : audio_)
                 .State),
      name_entry_(*session_->State),
      load_list_(*session_->State) {
  comforts_ = std::make_unique<DesktopComforts>(host_, *session_, options.Comforts,
                                                std::move(transcript));
  host_.UseSkins(session_->MenuSkinValues, session_->GameSkinValues);
  RegisterModalViews(host_);
  host_.SetTitle(menu_.ApplicationTitle);
  if (session_->LoadInitRecord()) {
    menu_.FormCreate(session_->Record);
    host_.SetTitle(menu_.ApplicationTitle);
  }
}

DesktopPlayer::~DesktopPlayer() = default;

void DesktopPlayer::Run() {
  while (!host_.ProgramEnded()) {
    MenuView view(host_, menu_);
    host_.ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
    host_.RunLayer(view, [&view] { return view.Action != StartAction::None; });
    if (host_.ProgramEnded()) return;
    if (Follow(view.Action)) break;
  }
  // The game window, once open, never returns to the start windows.
  host_.RunUntil([] { return false; });
}

bool DesktopPlayer::Follow(StartAction action) {
  if (IsGameStart(action) && session_->RefusesGame()) return false;
  switch (action) {
    case StartAction::OpenNameEntry: {
      // Full screen in the main background colour, as the game will be.
      host_.ShowGameWindow();
      name_entry_.Reopen();
      NameView view(host_, name_entry_);
      host_.RunLayer(view, [&view] { return view.Action != StartAction::None; });
      if (host_.ProgramEnded()) return false;
      return Follow(view.Action);
    }
    case StartAction::OpenGame:
      StartGame();
      return true;
    case StartAction::OpenLoadList: {
      load_list_.FirstName = comforts_->ListedFirst();
      load_list_.Reopen();
      load_list_.FormShow();
      LoadListView view(host_, load_list_);
      host_.RunLayer(view, [this] { return load_list_.IsClosed(); });
      if (host_.ProgramEnded() || !session_->State->LoadRequested) return false;
      return StartLoadedGame();
    }
    case StartAction::OpenAbout: {
      // At the main menu's place: the menu's own window.
      about_.FormShow(0, 0);
      AboutView view(host_, about_);
      host_.RunLayer(view, [this] { return about_.IsClosed(); });
      return false;
    }
    case StartAction::EndProgram:
      host_.EndProgram();
      return false;
    case StartAction::None:
      return false;
  }
  return false;
}

void DesktopPlayer::OpenGameWindow() {
  host_.ShowGameWindow();
  game_ = std::make_unique<GameView>(host_, session_->Form);
  host_.PushLayer(*game_);
  game_->BeforeEvent = [this](const SDL_Event& event) {
    return comforts_->HandleGameEvent(event);
  };
  game_->OnEnd = [this] {
    comforts_->BeforeEnd();
    host_.EndProgram();
  };
  GameWindow& form = session_->Form;
  host_.StartTimer([&form] { form.TimerTick(); });
}

void DesktopPlayer::StartGame() {
  OpenGameWindow();
  session_->StartNewGame();
}

bool DesktopPlayer::StartLoadedGame() {
  OpenGameWindow();
  if (session_->StartLoadedGame()) {
    comforts_->PositionLoaded(session_->State->LoadFileName);
    return true;
  }
  if (host_.ProgramEnded()) return true;
  // The position could not be read (its message was shown): back to the
  // main menu.
  host_.StopTimer();
  host_.PopLayer();
  game_.reset();
  return false;
}

int PlayDesktop(const DesktopOptions& asked) {
  DesktopOptions options = asked;
  // Read before the folder changes: the preferences are the player's own.
  if (options.PreferencesFile.empty()) options.PreferencesFile = UserPreferencesFile();
  auto entered = EnterGamebook(options.Directory, options.WritesFolder, "play");
  if (const auto* message = std::get_if<std::string>(&entered)) {
    std::cerr << "quarvelin: " << *message << '\n';
    return 1;
  }
  const std::optional<BookMount> book = std::move(std::get<std::optional<BookMount>>(entered));
  std::optional<TranscriptWriter> transcript;
  if (!options.Comforts.TranscriptPath.empty()) {
    auto opened = TranscriptWriter::Open(options.Comforts.TranscriptPath);
    if (const auto* error = std::get_if<std::string>(&opened)) {
      std::cerr << "quarvelin: " << *error << '\n';
      return 2;
    }
    transcript = std::move(std::get<TranscriptWriter>(opened));
  }
  try {
    DesktopPlayer player(options, std::move(transcript));
    player.Run();
    return 0;
  } catch (const DesktopError& error) {
    std::cerr << "quarvelin: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace qv
