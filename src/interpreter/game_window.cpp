#include "interpreter/game_window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "data/conversion.h"
#include "interpreter/command_table.h"
#include "interpreter/help_text.h"
#include "interpreter/page_error.h"
#include "parser/colour.h"
#include "state/condition_eval.h"
#include "state/substitution.h"
#include "ui/saturated.h"

namespace qv {

namespace {

constexpr Colour kGrey = 0x808080;
constexpr Colour kWhite = 0xFFFFFF;
// "Parametr lokace je 0, zřejmě došlo k chybě!"
constexpr std::string_view kZeroLocationMessage =
    "Parametr lokace je 0, z\xF8"
    "ejm\xEC do\x9Alo k chyb\xEC!";
// A countdown may show a page under a window of the page before it, which
// may open a window of its own; one level further the windows would pile up
// every second for as long as the player waits.
constexpr std::size_t kPagesUnderWindows = 2;

}  // namespace

GameWindow::GameWindow(GameState& state, LocationStore& store, Host& host_in, RandomSource& random)
    : State(state), Store(store), host(host_in), Random(random) {}

// --- ChangeLoc -------------------------------------------------------------

void GameWindow::ChangeLoc(int32_t n) {
  ShowPage(n);
  // The outermost call shows the page of a countdown that closed the windows
  // of the pages inside it, once those windows and pages are all gone.
  while (change_depth_ == 0 && countdown_target_ > 0) {
    const int32_t target = std::exchange(countdown_target_, 0);
    if (host.ProgramEnded()) break;
    ShowPage(target);
  }
}

void GameWindow::ShowPage(int32_t n) {
  DeferredTarget = 0;
  Timer = Countdown{};

  if (n > 0) {
    // Only a call that replaces the page starts a new one: a countdown
    // running out to 0 under a window leaves the page and its tags going on.
    if (Observer) Observer->PageLeaving(*this);
    const uint64_t generation = ++page_generation_;
    // The observer hears of the page once it stands, finished or stopped by
    // a faulty tag, unless a newer page replaced it meanwhile.
    struct ShownNotice {
      GameWindow& window;
      uint64_t generation;
      ~ShownNotice() {
        if (window.Observer && generation == window.page_generation_) {
          window.Observer->PageShown(window);
        }
      }
    } shown_notice{*this, generation};
    State.NextLocation = n;
    SheetButtonVisible = State.World.SheetAllowed;
    EquipmentButtonVisible = State.World.EquipmentAllowed;
    HelpShown = false;

    TextBlocks.clear();
    InTextPictures.clear();
    ContinueButtonVisible = false;

    for (InfoLine& line : InfoLines) line.LineColour = kGrey;
    ShowInfoLines();

    OptionLabels.clear();
    MenuVisible = false;
    State.World.MenuOptionCount = 0;
    Locals = PageLocals{};

    if (State.NextLocation < 1) {
      host.ShowMessage(kZeroLocationMessage);
      host.EndProgram();
    } else {
      State.World.PreviousLocation = State.World.Location;
      State.World.Location = State.NextLocation;
    }

    if (tag_stores_.size() <= change_depth_) tag_stores_.emplace_back();
    TagStore& tags = tag_stores_[change_depth_];
    ++change_depth_;
    struct DepthGuard {
      std::size_t& depth;
      ~DepthGuard() { --depth; }
    } guard{change_depth_};

    tags.Clear();
    tags.Blocks.Depth = 0;
    tags.ConditionSerial = State.ConditionSerial;
    const FetchOptions options{Pending.PendingPrePrefix, State.World.PrefixEnabled,
                               State.World.SuffixEnabled};
    const bool fetched = Store.FetchLocation(State.World.Location, options, tags);
    State.ConditionSerial = tags.ConditionSerial;
    if (!fetched) {
      // The store has shown why and told the program to end.
      tags.Clear();
    } else {
      try {
        RunTags(tags.Entries(), generation);
      } catch (const ConversionError& error) {
        // The tags after the faulty one are not carried out and the page is
        // not finished.
        host.ShowMessage(error.what());
        tags.Clear();
        return;
      } catch (const PageError& error) {
        host.ShowMessage(error.what());
        tags.Clear();
        return;
      }
      if (generation != page_generation_) return;  // a newer page replaced this one
      tags.Clear();
      FinishPage();
    }
  }

  State.NextLocation = 0;
  Pending.PendingRedirect = "*";
  Pending.PendingPrePrefix.clear();
}

void GameWindow::RunTags(std::span<TagEntry> tags, uint64_t generation) {
  for (std::size_t i = 0; i < tags.size(); ++i) {
    TagEntry& tag = tags[i];
    CurrentLink = LinkFields{};
    for (int32_t p = 1; p <= tag.ParamCount; ++p) {
      param& attribute = tag.Tag.ParamAt(p);
      attribute.Value = SubstituteValues(attribute.Value, State);
      attribute.Name = SubstituteValues(attribute.Name, State);
    }
    if (PassesConditions(tags, i)) {
      if (const CommandHandler handler = FindCommand(tag.Tag.Name)) handler(*this, tag);
    }
    // A countdown that ran out under a window opened by this tag has shown
    // another page: the rest of these tags belong to a page that is gone.
    if (generation != page_generation_) return;
  }
}

bool GameWindow::PassesConditions(std::span<TagEntry> tags, std::size_t index) {
  TagEntry& tag = tags[index];
  bool passes = true;
  const int32_t depth = std::clamp(tag.ConditionCount, 0, kMaxBlockDepth);
  for (int32_t d = 1; d <= depth; ++d) {
    Condition& block = tag.ConditionAt(d);
    if (block.Result == -1) {
      passes = false;
    } else if (block.Result == 0) {
      const int32_t result = EvaluateCondition(block, State) ? 1 : -1;
      if (result == -1) passes = false;
      const int32_t identity = block.Serial;
      // The result holds for every following tag of the same block, even if
      // a command inside the block changes what the condition tests.
      for (std::size_t j = index; j < tags.size(); ++j) {
        TagEntry& other = tags[j];
        if (other.ConditionCount < d || other.ConditionAt(d).Serial != identity) break;
        other.ConditionAt(d).Result = result;
      }
    }
  }
  return passes;
}

void GameWindow::FinishPage() {
  const WorldState& world = State.World;
  LocationLabelVisible = world.ShowLocationNumbers >= 1;
  LocationLabel = "<" + std::to_string(world.Location) + ">";

  const int32_t count = std::clamp<int32_t>(world.MenuOptionCount, 0,
                                            static_cast<int32_t>(WorldState::kMenuOptionCapacity));
  OptionLabels.clear();
  OptionLabels.reserve(static_cast<std::size_t>(count));
  int top = MenuTop;
  for (int32_t n = 1; n <= count; ++n) {
    const MenuOption& option = world.MenuOptions.at(n);
    TLELabel label;
    top += GameWindowLayout::kOptionSpacing;
    label.Top = top;
    label.Left = GameWindowLayout::kOptionLeft;
    label.Width = GameWindowLayout::kOptionWidth;
    label.FontColour = static_cast<Colour>(option.Colour);
    label.Caption = option.Text.str();
    if (world.ShowLocationNumbers > 0) label.Caption += " (" + std::to_string(option.Target) + ")";
    label.HandCursor = option.Target >= 1;
    label.Barva1 = label.Barva2 = label.Background = 0;
    label.link = option.Target;
    label.PrePrefix = option.PrePrefix.str();
    label.Redirect = option.Redirect.str();
    label.Assignments = option.Assignments;
    label.UnderlineOnHover = option.Target != 0;
    OptionLabels.push_back(std::move(label));
  }
  MenuVisible = true;
  MenuFrameHeight = 30 * count + 40;
}

bool GameWindow::RunPageWindow(ModalWindow& window) {
  page_windows_.push_back(&window);
  // The window leaves the list however the modal loop ends.
  struct Opened {
    std::vector<ModalWindow*>& windows;
    ~Opened() { windows.pop_back(); }
  } opened{page_windows_};
  host.RunModal(window);
  if (Observer) Observer->PageWindowClosed(window);
  return countdown_target_ == 0;
}

void GameWindow::CloseWindowsForCountdown(int32_t target) {
  Timer = Countdown{};
  DeferredTarget = 0;
  countdown_target_ = target;
  // The pages under the windows are gone: their remaining tags are not
  // carried out.
  ++page_generation_;
  for (ModalWindow* window : page_windows_) window->Close();
}

// --- Message lines ---------------------------------------------------------

void GameWindow::AddInfoLine(std::string_view text) {
  if (!InfoEnabled) return;
  for (std::size_t i = InfoLines.size() - 1; i > 0; --i) InfoLines[i] = InfoLines[i - 1];
  InfoLines[0] = InfoLine{std::string(text), kWhite};
  if (Observer) Observer->MessageAdded(text);
}

void GameWindow::SetInfoColour(std::string_view colour_text) {
  InfoLines[0].LineColour = ParseColour(colour_text);
}

void GameWindow::ShowInfoLines() { History = InfoLines; }

void GameWindow::Report(std::string_view text, std::string_view colour_text) {
  AddInfoLine(text);
  SetInfoColour(colour_text);
  ShowInfoLines();
}

// --- The column ------------------------------------------------------------

const Font& GameWindow::FontOf(FontRole role) const {
  switch (role) {
    case FontRole::Courier:
      return Fonts.Courier;
    case FontRole::MenuFont:
      return Fonts.MenuFont;
    case FontRole::Maintext:
      break;
  }
  return Fonts.Maintext;
}

TXLabel& GameWindow::AddTextBlock(TXLabel block) {
  Font font = FontOf(block.Role);
  font.Style = block.Style;
  const TextSize size = host.MeasureText(font, block.Text);
  block.Width = size.Width;
  block.Height = size.Height;
  block.Left = GameWindowLayout::kColumnLeft;
  block.Number = static_cast<int32_t>(TextBlocks.size()) + 1;
  block.PreviousText = 0;
  block.UnderPicture = 0;
  if (block.Number == 1 && InTextPictures.empty()) {
    block.Top = GameWindowLayout::kColumnTop;
  } else if (LastPlacedWasText && !TextBlocks.empty()) {
    const TXLabel& previous = TextBlocks.back();
    block.Top = SaturatedSum({previous.Top, previous.Height, 20});
    block.PreviousText = previous.Number;
  } else if (!InTextPictures.empty()) {
    const TXImage& picture = InTextPictures.back();
    block.Top = SaturatedSum({picture.Top, picture.Height, 20});
    block.UnderPicture = static_cast<int32_t>(InTextPictures.size());
  } else {
    block.Top = GameWindowLayout::kColumnTop;
  }
  LastPlacedWasText = true;
  TextBlocks.push_back(std::move(block));
  return TextBlocks.back();
}

TXImage& GameWindow::AddPicture(TXImage picture, int shift_x, std::optional<int> shift_y) {
  picture.Left = SaturatedSum({GameWindowLayout::kColumnLeft, shift_x});
  picture.PreviousPicture = 0;
  picture.UnderText = 0;
  const int posuny = shift_y.value_or(15);
  const std::size_t number = InTextPictures.size() + 1;
  if (TextBlocks.empty() && number == 1) {
    picture.Top = GameWindowLayout::kColumnTop;
  } else if (LastPlacedWasText && !TextBlocks.empty()) {
    const TXLabel& text = TextBlocks.back();
    picture.Top = SaturatedSum({text.Top, text.Height, 25, posuny});
    picture.UnderText = text.Number;
  } else if (!InTextPictures.empty()) {
    const TXImage& previous = InTextPictures.back();
    picture.Top = SaturatedSum({previous.Top, posuny, shift_y ? 0 : previous.Height});
    picture.PreviousPicture = static_cast<int32_t>(InTextPictures.size());
  } else {
    const TXLabel& text = TextBlocks.back();
    picture.Top = SaturatedSum({text.Top, text.Height, 25, posuny});
    picture.UnderText = text.Number;
  }
  LastPlacedWasText = false;
  InTextPictures.push_back(std::move(picture));
  return InTextPictures.back();
}

// --- Input -----------------------------------------------------------------

void GameWindow::RedirectTo(std::string_view name) {
  const TMyPlugin* library = name.empty() ? nullptr : &Store.FindOrLoadLibrary(name);
  Store.SetSource(library);
  State.World.RedirectName = library ? std::string_view(library->Name) : std::string_view();
}

void GameWindow::RedirectStep() {
  if (Pending.PendingRedirect != "*") RedirectTo(Pending.PendingRedirect);
}

void GameWindow::OptionClick() {
  const AssignmentSet& set = Pending.PendingAssignments;
  const std::size_t count = AssignmentCount(set);
  for (std::size_t i = 1; i <= count; ++i)
    State.World.Variables.Set(set[i], set[kMaxAssignments + i]);
  RedirectStep();
  if (Observer && State.NextLocation > 0) {
    const bool on_option =
        hovered_option_ >= 1 && hovered_option_ <= static_cast<int>(OptionLabels.size());
    // Off every option the click is the one on "Pokračovat".
    Observer->ChoiceMade(on_option
                             ? std::string_view(OptionLabels[static_cast<std::size_t>(hovered_option_ - 1)].Caption)
                             : std::string_view("Pokra\xE8ovat"));
  }
  ChangeLoc(State.NextLocation);
}

void GameWindow::HoverOption(int n) {
  LeaveOptions();
  if (n < 1 || n > static_cast<int>(OptionLabels.size())) return;
  CurrentOption values = Pending;
  values.NextLocation = State.NextLocation;
  OptionLabels[static_cast<std::size_t>(n - 1)].MouseEnter(values);
  State.NextLocation = values.NextLocation;
  Pending = values;
  hovered_option_ = n;
}

void GameWindow::LeaveOptions() {
  if (hovered_option_ < 1 || hovered_option_ > static_cast<int>(OptionLabels.size())) {
    hovered_option_ = 0;
    return;
  }
  CurrentOption values = Pending;
  OptionLabels[static_cast<std::size_t>(hovered_option_ - 1)].MouseLeave(values);
  State.NextLocation = values.NextLocation;
  Pending = values;
  hovered_option_ = 0;
}

void GameWindow::FollowLink(const LinkFields& link, int32_t target) {
  const std::size_t count = AssignmentCount(link.Assignments);
  for (std::size_t i = 1; i <= count; ++i) {
    State.World.Variables.Set(link.Assignments[i], link.Assignments[kMaxAssignments + i]);
  }
  Pending.PendingPrePrefix = link.PrePrefix;
  Pending.PendingRedirect = link.Redirect;
  RedirectStep();
  DeferredTarget = target;
}

void GameWindow::TextBlockClick(int n) {
  if (n < 1 || n > static_cast<int>(TextBlocks.size())) return;
  const TXLabel block = TextBlocks[static_cast<std::size_t>(n - 1)];
  if (block.Target > 0) {
    if (Observer) Observer->ChoiceMade(block.Text);
    FollowLink(block.Link, block.Target);
  } else if (!block.WebLink.empty()) {
    host.OpenWebAddress(block.WebLink);
  }
}

void GameWindow::PictureClick(int n) {
  if (n < 1 || n > static_cast<int>(InTextPictures.size())) return;
  const TXImage picture = InTextPictures[static_cast<std::size_t>(n - 1)];
  if (picture.Target > 0) {
    if (Observer) Observer->ChoiceMade(picture.Hint);
    FollowLink(picture.Link, picture.Target);
  }
}

void GameWindow::ControlForceLoad() {
  if (DeferredTarget != 0) {
    ChangeLoc(DeferredTarget);
    DeferredTarget = 0;
  }
}

void GameWindow::TimerTick() {
  // Windows a countdown closed are coming down; its page comes next.
  if (countdown_target_ > 0) return;
  ControlForceLoad();
  if (!Timer.TimerActive) return;
  ++Timer.TimerTicks;
  if (Timer.TimerTicks < 10) return;
  Timer.TimerTicks = 1;
  // A countdown from the smallest number runs out like any other below 1.
  Timer.TimerSeconds = SaturatedSum({Timer.TimerSeconds, -1});
  Timer.TimerLabel = Timer.TimerShown ? std::to_string(Timer.TimerSeconds) : std::string();
  if (Timer.TimerSeconds < 1) {
    const int32_t target = Timer.TimerTarget;
    State.NextLocation = target;
    if (OnCountdownExpired) OnCountdownExpired();
    if (target > 0 && change_depth_ >= kPagesUnderWindows) {
      CloseWindowsForCountdown(target);
      return;
    }
    ChangeLoc(target);
  }
}

void GameWindow::ScrollColumn(int delta) {
  for (TXLabel& block : TextBlocks) block.Top = SaturatedSum({block.Top, delta});
  for (TXImage& picture : InTextPictures) picture.Top = SaturatedSum({picture.Top, delta});
}

void GameWindow::HelpClick() {
  if (HelpShown) {
    if (!TextBlocks.empty()) {
      // The column ends as before the help: placed under a picture, the
      // help followed that picture.
      if (TextBlocks.back().UnderPicture != 0) LastPlacedWasText = false;
      TextBlocks.pop_back();
    }
    HelpShown = false;
    return;
  }
  HelpShown = true;
  TXLabel block;
  block.Text = BuildHelpText(host.ScreenWidth());
  block.TextColour = 0x00FFFF;
  TXLabel& placed = AddTextBlock(std::move(block));
  placed.Left = 240;
}

}  // namespace qv
