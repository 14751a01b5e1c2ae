#include "text/text_player.h"

#include <filesystem>
#include <system_error>

#include "comforts/position_slots.h"
#include "data/cp1250.h"
#include "script/visible_controls.h"

namespace qv {

namespace {

std::unique_ptr<RandomSource> MakeRandomSource(std::optional<uint64_t> seed) {
  if (seed) return std::make_unique<SeededRandomSource>(*seed);
  return std::make_unique<ClockRandomSource>();
}

// The key a typed line stands for in the main menu; nullopt for none.
std::optional<char> MenuKey(const std::string& line) {
  if (line.empty()) return kEnterKey;
  if (line == "1" || line == "2" || line == "3") return line[0];
  if (line == "q" || line == "Q" || line == "konec" || line == "\x1B") return kEscapeKey;
  return std::nullopt;
}

constexpr const char* kGameHelp =
    "Commands:\n"
    "  N          choose option N\n"
    "  t N        click text link N ([tN] before the text)\n"
    "  p N        click picture link N ([pN ...])\n"
    "  Enter      let one second pass (countdowns)\n"
    "  r          read the whole page again\n"
    "  n          the help button of the game\n"
    "  ch, inv, a the character sheet, the inventory, the settings\n"
    "  c          continue a loaded game\n"
    "  h          this list\n"
    "  q, konec   end the game\n";

}  // namespace

TextPlayer::TextPlayer(std::istream& in, std::ostream& out, std::optional<uint64_t> seed,
                       ComfortSettings comforts, std::optional<TranscriptWriter> transcript)
    : input_(in),
      out_(out),
      host_(input_, out),
      random_(MakeRandomSource(seed)),
      session_(std::make_unique<GameSession>(host_, *random_)),
      page_(out),
      menu_(*session_->State),
      name_entry_(*session_->State),
      load_list_(*session_->State) {
  // A window in the middle of a page: the page so far is read out first.
  host_.SetBeforeWindow([this] {
    if (game_started_) page_.Report(session_->Form, false);
  });
  comforts.ReadAloud = false;
  if (comforts != ComfortSettings{} || transcript) {
    comforts_ = std::make_unique<ComfortSession>(*session_, std::move(comforts), nullptr,
                                                 std::move(transcript));
  }
}

void TextPlayer::Run() {
  if (session_->LoadInitRecord()) menu_.FormCreate(session_->Record);
  menu_.CentreOnScreen(host_.ScreenWidth(), host_.ScreenHeight());
  while (!host_.ProgramEnded() && !game_started_) {
    ShowMenu();
    const std::optional<std::string> line = input_.ReadLine();
    if (!line) break;
    const std::optional<char> key = MenuKey(*line);
    if (!key) {
      out_ << "Type 1, 2, 3 or q.\n";
      continue;
    }
    Follow(menu_.FormKeyPress(*key));
  }
  if (game_started_ && !host_.ProgramEnded()) PlayGame();
  if (game_started_) page_.Report(session_->Form, false);
  out_ << "The end.\n" << std::flush;
}

void TextPlayer::ShowMenu() {
  out_ << '\n' << TerminalText(menu_.GameTitle) << '\n';
  if (!menu_.AuthorLabel.empty()) out_ << TerminalText(menu_.AuthorLabel) << '\n';
  out_ << "1 new game (or Enter), 2 load a saved game, 3 about, q exit\n> " << std::flush;
}

void TextPlayer::Follow(StartAction action) {
  if (IsGameStart(action) && session_->RefusesGame()) return;
  switch (action) {
    case StartAction::None:
      break;
    case StartAction::OpenNameEntry:
      ShowNameEntry();
      break;
    case StartAction::OpenGame:
      game_started_ = true;
      session_->StartNewGame();
      break;
    case StartAction::OpenLoadList:
      ShowLoadList();
      break;
    case StartAction::OpenAbout:
      ShowAbout();
      break;
    case StartAction::EndProgram:
      host_.EndProgram();
      break;
  }
}

void TextPlayer::ShowAbout() {
  about_.FormShow(menu_.Left, menu_.Top);
  out_ << '\n';
  for (std::string_view line : about_.Lines) out_ << TerminalText(line) << '\n';
  out_ << TerminalText(about_.LinkLine) << " (w opens it)\n"
       << TerminalText(about_.VersionLine) << "\n(Enter closes)\n> " << std::flush;
  while (!about_.IsClosed()) {
    const std::optional<std::string> line = input_.ReadLine();
    if (!line) {
      host_.EndProgram();
      return;
    }
    if (*line == "w") {
      about_.LinkClick(host_);
      out_ << "> " << std::flush;
    } else {
      about_.FormKeyPress(line->empty() ? kEnterKey : (*line)[0]);
    }
  }
}

void TextPlayer::ShowNameEntry() {
  out_ << '\n'
       << TerminalText(name_entry_.Prompt) << '\n'
       << TerminalText(name_entry_.Label) << ' ' << std::flush;
  const std::optional<std::string> line = input_.ReadLine();
  if (!line) {
    host_.EndProgram();
    return;
  }
  name_entry_.Edit = Utf8ToCp1250(*line);
  Follow(name_entry_.FormKeyPress(kEnterKey));
}

void TextPlayer::ShowLoadList() {
  load_list_.FirstName = comforts_ && comforts_->Settings().Continue
                             ? std::string(kContinueSlotName)
                             : std::string();
  load_list_.Reopen();
  load_list_.FormShow();
  while (!load_list_.IsClosed()) {
    out_ << "\nSaved games:\n";
    if (load_list_.Labels.empty()) out_ << "  none\n";
    int n = 0;
    for (const TLELabel& label : load_list_.Labels) {
      out_ << "  " << ++n << ". " << TerminalText(label.Caption) << '\n';
    }
    out_ << "(N loads entry N, x goes back)\n> " << std::flush;
    const std::optional<std::string> line = input_.ReadLine();
    if (!line) {
      host_.EndProgram();
      return;
    }
    if (*line == "x") {
      load_list_.FormClick();
      return;
    }
    const TextCommand command = ParseTextCommand(*line);
    const auto shown = static_cast<int32_t>(load_list_.Labels.size());
    if (command.What != TextCommand::Kind::Choose || command.Number < 1 || command.Number > shown) {
      out_ << "Type the number of an entry or x.\n";
      continue;
    }
    load_list_.LabelMouseEnter(command.Number);
    if (!load_list_.LabelClick()) continue;
    game_started_ = true;
    // A position that cannot be read (its message is shown) leaves the
    // player at the main menu.
    if (session_->StartLoadedGame()) {
      if (comforts_) comforts_->PositionLoaded(session_->State->LoadFileName);
    } else if (!host_.ProgramEnded()) {
      game_started_ = false;
    }
    return;
  }
}

void TextPlayer::PlayGame() {
  out_ << "(h lists the commands)\n";
  while (!host_.ProgramEnded()) {
    page_.Report(session_->Form, true);
    out_ << "> " << std::flush;
    const std::optional<std::string> line = input_.ReadLine();
    if (!line) {
      host_.EndProgram();
      break;
    }
    Apply(ParseTextCommand(*line));
  }
}

void TextPlayer::Apply(const TextCommand& command) {
  using Kind = TextCommand::Kind;
  GameWindow& form = session_->Form;
  switch (command.What) {
    case Kind::Wait:
      Wait();
      break;
    case Kind::Choose:
      if (command.Number > static_cast<int32_t>(form.OptionLabels.size())) {
        out_ << "There is no option " << command.Number << ".\n";
        break;
      }
      form.HoverOption(command.Number);
      form.OptionClick();
      break;
    case Kind::TextLink: {
      const std::optional<std::size_t> index = TextLinkIndex(form, command.Number);
      if (!index) {
        out_ << "There is no text link " << command.Number << ".\n";
        break;
      }
      form.LeaveOptions();
      form.TextBlockClick(static_cast<int>(*index) + 1);
      // The pointer moves on after the click, which follows the link.
      form.FormMouseMove();
      break;
    }
    case Kind::PictureLink: {
      const std::optional<std::size_t> index = PictureLinkIndex(form, command.Number);
      if (!index) {
        out_ << "There is no picture link " << command.Number << ".\n";
        break;
      }
      form.LeaveOptions();
      form.PictureClick(static_cast<int>(*index) + 1);
      form.FormMouseMove();
      break;
    }
    case Kind::Help:
      out_ << kGameHelp;
      break;
    case Kind::Reprint:
      page_.Forget();
      break;
    case Kind::GameHelp:
      if (!form.HelpButtonVisible) {
        out_ << "The help button is not shown.\n";
        break;
      }
      form.LeaveOptions();
      form.HelpClick();
      if (!form.HelpShown) out_ << "The help text is taken away.\n";
      break;
    case Kind::Continue:
      if (!form.ContinueButtonVisible) {
        out_ << "There is nothing to continue.\n";
        break;
      }
      // Moving onto the button makes the restored location the next one.
      session_->State->NextLocation = session_->State->World.Location;
      form.OptionClick();
      break;
    case Kind::Button: {
      const bool sheet = command.Word == "postava";
      const bool inventory = command.Word == "vybaveni";
      const bool shown = sheet       ? form.SheetButtonVisible
                         : inventory ? form.EquipmentButtonVisible
                                     : form.AudioButtonVisible;
      if (!shown) {
        out_ << "The " << command.Word << " button is not shown.\n";
        break;
      }
      form.LeaveOptions();
      if (sheet) {
        form.PostavaClick();
      } else if (inventory) {
        form.VybaveniClick();
      } else {
        form.AudioClick();
      }
      break;
    }
    case Kind::Quit:
      if (comforts_) {
        if (const auto failed = comforts_->SaveForContinue()) host_.ShowMessage(*failed);
      }
      host_.EndProgram();
      break;
    case Kind::Unknown:
      out_ << "Unknown command (h lists the commands).\n";
      break;
  }
}

void TextPlayer::Wait() {
  for (int i = 0; i < kTicksPerSecond && !host_.ProgramEnded(); ++i) session_->Form.TimerTick();
}

int RunTextPlayer(std::istream& in, std::ostream& out, const std::string& directory,
                  std::optional<uint64_t> seed, ComfortSettings comforts) {
  if (!directory.empty()) {
    std::error_code error;
    std::filesystem::current_path(directory, error);
    if (error) {
      out << "quarvelin: cannot change to the gamebook folder '" << directory
          << "': " << error.message() << '\n';
      return 2;
    }
  }
  std::optional<TranscriptWriter> transcript;
  if (!comforts.TranscriptPath.empty()) {
    auto opened = TranscriptWriter::Open(comforts.TranscriptPath);
    if (const auto* error = std::get_if<std::string>(&opened)) {
      out << "quarvelin: " << *error << '\n';
      return 2;
    }
    transcript = std::move(std::get<TranscriptWriter>(opened));
  }
  TextPlayer player(in, out, seed, std::move(comforts), std::move(transcript));
  player.Run();
  return 0;
}

}  // namespace qv
