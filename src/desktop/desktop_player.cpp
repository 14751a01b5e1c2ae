#include "desktop/desktop_player.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "data/cp1250.h"
#include "desktop/modal_views.h"
#include "desktop/name_view.h"

namespace qv {

namespace {

std::unique_ptr<RandomSource> MakeRandomSource(const DesktopOptions& options) {
  if (options.Seed) return std::make_unique<SeededRandomSource>(*options.Seed);
  return std::make_unique<ClockRandomSource>();
}

}  // namespace

DesktopPlayer::DesktopPlayer(DesktopOptions options)
    : host_(options), random_(MakeRandomSource(options)) {
  session_ = std::make_unique<GameSession>(host_, *random_, &audio_);
  host_.UseSkins(session_->MenuSkinValues, session_->GameSkinValues);
  RegisterModalViews(host_);
  host_.SetTitle("Quarvelin");
  if (session_->LoadInitRecord()) host_.SetTitle(session_->Record.Title.str());
}

DesktopPlayer::~DesktopPlayer() = default;

void DesktopPlayer::RunMenu() {
  MenuView menu(host_, session_->Record.Title.str(), session_->Record.AuthorLine.str());
  host_.ShowMenuWindow(MenuView::kWidth, MenuView::kHeight);
  host_.PushLayer(menu);
  struct PopGuard {
    DesktopHost& host;
    ~PopGuard() { host.PopLayer(); }
  } guard{host_};
  while (!host_.ProgramEnded()) {
    host_.RunUntil([&menu] { return menu.Choice != MenuChoice::None; });
    const MenuChoice choice = menu.Choice;
    menu.Choice = MenuChoice::None;
    if (choice == MenuChoice::NewGame) return;
    // Loading a saved position has no window on the desktop yet.
  }
}

void DesktopPlayer::Run() {
  RunMenu();
  if (host_.ProgramEnded()) return;

  GameState& state = *session_->State;
  state.LoadRequested = false;
  state.LoadFileName.clear();
  std::optional<std::string> name;
  host_.ShowGameWindow();
  if (session_->AsksForName()) {
    NameView entry(host_);
    host_.RunLayer(entry, [&entry] { return entry.Done(); });
    if (host_.ProgramEnded()) return;
    name = entry.Name().substr(0, 100);
  }
  StartGame(name ? std::optional<std::string_view>(*name) : std::nullopt);
  host_.RunUntil([] { return false; });
}

void DesktopPlayer::StartGame(std::optional<std::string_view> typed_name) {
  host_.ShowGameWindow();
  game_ = std::make_unique<GameView>(host_, session_->Form);
  host_.PushLayer(*game_);
  TForm1& form = session_->Form;
  host_.StartTimer([&form] { form.TimerTimer(); });
  session_->StartNewGame(typed_name);
}

int PlayDesktop(const DesktopOptions& options) {
  if (!options.Directory.empty()) {
    std::error_code error;
    std::filesystem::current_path(options.Directory, error);
    if (error) {
      std::cerr << "quarvelin: cannot change to the gamebook folder '" << options.Directory
                << "': " << error.message() << '\n';
      return 2;
    }
  }
  std::error_code missing;
  if (!std::filesystem::is_directory("data", missing)) {
    std::cerr << "quarvelin: no gamebook here: " << std::filesystem::current_path(missing).string()
              << " has no data/ folder (quarvelin play DIR plays the gamebook in DIR)\n";
    return 1;
  }
  try {
    DesktopPlayer player(options);
    player.Run();
    return 0;
  } catch (const DesktopError& error) {
    std::cerr << "quarvelin: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace qv
