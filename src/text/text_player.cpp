#include "text/text_player.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <system_error>
#include <variant>

#include "comforts/position_slots.h"
#include "data/book_mount.h"
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
    "Příkazy:\n"
    "  číslo N: zvolí možnost N\n"
    "  t N: klikne na odkaz N v textu ([tN] před textem)\n"
    "  p N: klikne na obrázek s odkazem N ([pN ...])\n"
    "  Enter: nechá uběhnout jednu sekundu (odpočet)\n"
    "  r: přečte celou stránku znovu\n"
    "  n: tlačítko Nápověda\n"
    "  ch: tlačítko Postava\n"
    "  inv: tlačítko Vybavení\n"
    "  a: tlačítko Audio (nastavení)\n"
    "  c: Pokračovat v nahrané hře\n"
    "  h: tento seznam\n"
    "  q, konec: konec hry\n";

}  // namespace

TextPlayer::TextPlayer(std::istream& in, std::ostream& out, std::optional<uint64_t> seed,
                       int screen_lines, ComfortSettings comforts,
                       std::optional<TranscriptWriter> transcript)
    : input_(in),
      out_(out),
      host_(input_, out),
      random_(MakeRandomSource(seed)),
      session_(std::make_unique<GameSession>(host_, *random_)),
      screen_lines_(screen_lines),
      page_(page_text_),
      menu_(*session_->State),
      name_entry_(*session_->State),
      load_list_(*session_->State) {
  // A window in the middle of a page: the page so far is read out first.
  host_.SetBeforeWindow([this] {
    if (game_started_) ReportPage(false);
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
      out_ << "Napiš 1, 2, 3 nebo q.\n";
      continue;
    }
    Follow(menu_.FormKeyPress(*key));
  }
  if (game_started_ && !host_.ProgramEnded()) PlayGame();
  if (game_started_) ReportPage(false);
  out_ << "Konec.\n" << std::flush;
}

void TextPlayer::ShowMenu() {
  out_ << '\n' << TerminalText(menu_.GameTitle) << '\n';
  if (!menu_.AuthorLabel.empty()) out_ << TerminalText(menu_.AuthorLabel) << '\n';
  // One choice a line, its key first, as in the main menu's buttons.
  out_ << "  1. Nová hra (také Enter)\n"
          "  2. Nahrát hru\n"
          "  3. O programu\n"
          "  q. Konec\n> "
       << std::flush;
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
  out_ << TerminalText(about_.LinkLine) << " (w ji otevře)\n"
       << TerminalText(about_.VersionLine) << "\n(Enter zavře)\n> " << std::flush;
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
    out_ << '\n' << TerminalText("Na\xE8\xEDst pozici:") << '\n';  // Načíst pozici:
    if (load_list_.Labels.empty()) out_ << "  žádná uložená pozice\n";
    int n = 0;
    for (const TLELabel& label : load_list_.Labels) {
      out_ << "  " << ++n << ". " << TerminalText(label.Caption) << '\n';
    }
    out_ << "(číslo nahraje pozici, x zpět)\n> " << std::flush;
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
      out_ << "Napiš číslo pozice nebo x.\n";
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
  out_ << "(h vypíše příkazy)\n";
  while (!host_.ProgramEnded()) {
    ReportPage(true);
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
        out_ << "Možnost " << command.Number << " neexistuje.\n";
        break;
      }
      form.HoverOption(command.Number);
      form.OptionClick();
      break;
    case Kind::TextLink: {
      const std::optional<std::size_t> index = TextLinkIndex(form, command.Number);
      if (!index) {
        out_ << "Odkaz " << command.Number << " v textu neexistuje.\n";
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
        out_ << "Obrázek s odkazem " << command.Number << " neexistuje.\n";
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
        out_ << "Tlačítko Nápověda tu není.\n";
        break;
      }
      form.LeaveOptions();
      form.HelpClick();
      if (!form.HelpShown) out_ << "Nápověda je skryta.\n";
      break;
    case Kind::Continue:
      if (!form.ContinueButtonVisible) {
        out_ << "Tlačítko Pokračovat tu není.\n";
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
        out_ << "Tlačítko "
             << (sheet       ? "Postava"
                 : inventory ? "Vybavení"
                             : "Audio")
             << " tu není.\n";
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
      out_ << "Neznámý příkaz (h vypíše příkazy).\n";
      break;
  }
}

void TextPlayer::ReportPage(bool settled) {
  page_.Report(session_->Form, settled);
  const std::string text = page_text_.str();
  page_text_.str("");
  // Only the lines themselves are written: no cursor movement, so a screen
  // reader reads every part as it comes.
  std::size_t start = 0;
  int lines = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos;
       end = text.find('\n', end + 1)) {
    if (screen_lines_ > 0 && ++lines == screen_lines_ && end + 1 < text.size()) {
      out_ << std::string_view(text).substr(start, end + 1 - start) << "(Enter: další část stránky)"
           << std::flush;
      start = end + 1;
      lines = 0;
      if (!input_.ReadLine()) break;  // no one to read on: the rest follows
    }
  }
  out_ << std::string_view(text).substr(start) << std::flush;
}

void TextPlayer::Wait() {
  for (int i = 0; i < kTicksPerSecond && !host_.ProgramEnded(); ++i) session_->Form.TimerTick();
}

int RunTextPlayer(std::istream& in, std::ostream& out, const std::string& directory,
                  std::optional<uint64_t> seed, ComfortSettings comforts) {
  auto entered = EnterGamebook(directory, {}, "text");
  if (const auto* message = std::get_if<std::string>(&entered)) {
    std::cerr << "quarvelin: " << *message << '\n';
    return 1;
  }
  const std::optional<BookMount> book = std::move(std::get<std::optional<BookMount>>(entered));
  int screen_lines = 0;
  if (&in == &std::cin && &out == &std::cout && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
    // The terminal's height less the lines the prompt and the note take.
    const char* rows = std::getenv("LINES");
    const int height = rows ? std::atoi(rows) : 0;
    screen_lines = std::max(5, (height > 0 ? height : 24) - 2);
  }
  std::optional<TranscriptWriter> transcript;
  if (!comforts.TranscriptPath.empty()) {
    auto opened = TranscriptWriter::Open(comforts.TranscriptPath);
    if (const auto* error = std::get_if<std::string>(&opened)) {
      std::cerr << "quarvelin: " << *error << '\n';
      return 2;
    }
    transcript = std::move(std::get<TranscriptWriter>(opened));
  }
  TextPlayer player(in, out, seed, screen_lines, std::move(comforts), std::move(transcript));
  player.Run();
  return 0;
}

}  // namespace qv
