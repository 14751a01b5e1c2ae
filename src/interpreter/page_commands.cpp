// Page content commands: text blocks, menu options, in-text pictures, the
// message lines, the menu heading and the display switches.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "data/text_wrap.h"
#include "interpreter/command_table.h"
#include "interpreter/game_window.h"
#include "interpreter/link_field_attributes.h"
#include "interpreter/page_error.h"
#include "interpreter/tag_attributes.h"
#include "interpreter/text_columns.h"
#include "interpreter/variable_listing.h"
#include "parser/colour.h"
#include "ui/picture.h"

namespace qv {

namespace {

// "Zpět"
constexpr std::string_view kBackText = "Zp\xECt";
// "Obrazekvtextu - neexistuje: "
constexpr std::string_view kMissingPictureMessage = "Obrazekvtextu - neexistuje: ";
// "Příliš mnoho možností v menu, nejvýše 20"
constexpr std::string_view kMenuFullMessage =
    "P\xF8\xEDli\x9A mnoho mo\x9Enost\xED v menu, nejv\xFD\x9A"
    "e 20";

constexpr std::string_view kPictureFolder = "./obrazky/";
constexpr int kDefaultPictureSide = 30;
constexpr int kDefaultPictureGap = 15;

// Authors write a double quote inside an attribute value as "//".
std::string QuotesFromSlashes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') {
      out += '"';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// TEXT content: CRs of the location file become blanks (its line feeds stay
// and show as line breaks), TABs go, the text is broken into lines, and only
// then "//" becomes a quote, so quoted speech written that way is broken like
// ordinary text.
std::string MakeTextContent(std::string_view value, std::size_t columns) {
  std::string cleaned;
  cleaned.reserve(value.size());
  for (const char c : value) {
    if (c == '\r') {
      cleaned += ' ';
    } else if (c != '\t') {
      cleaned += c;
    }
  }
  return QuotesFromSlashes(WrapText(cleaned, columns, kPageTextWrap));
}

bool IsYes(const std::string& value) { return value == "ano"; }

// The next free option slot, or null (and the author told) when the menu
// already holds its 20 options: a further option is ignored.
MenuOption* NewMenuOption(GameWindow& form) {
  WorldState& world = form.State.World;
  if (world.MenuOptionCount < 0) world.MenuOptionCount = 0;
  if (world.MenuOptionCount >= static_cast<int32_t>(WorldState::kMenuOptionCapacity)) {
    form.host.ShowMessage(kMenuFullMessage);
    return nullptr;
  }
  ++world.MenuOptionCount;
  MenuOption& option = world.MenuOptions.at(world.MenuOptionCount);
  option.Colour = world.DefaultMenuColour;
  option.Target = 0;
  option.Redirect = "*";
  option.PrePrefix = "";
  return &option;
}

// The tag's link fields go to the option, cut to its 100-character fields.
void StoreLink(MenuOption& option, const LinkFields& link) {
  option.PrePrefix = link.PrePrefix;
  option.Redirect = link.Redirect;
  option.Assignments = link.Assignments;
}

// --- TEXT ------------------------------------------------------------------

void Text(GameWindow& form, const TagEntry& tag) {
  TXLabel block;
  block.Role = FontRole::Maintext;
  block.TextColour = static_cast<Colour>(form.State.World.DefaultTextColour);
  int32_t target = 0;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "BARVA") {
      block.TextColour = ParseColour(p.Value);
    } else if (p.Name == "TUCNE") {
      if (IsYes(p.Value)) block.Style.Bold = true;
    } else if (p.Name == "KURZIVA") {
      if (IsYes(p.Value)) block.Style.Italic = true;
    } else if (p.Name == "PODTRZENE") {
      if (IsYes(p.Value)) block.Style.Underline = true;
    } else if (p.Name == "PRESKRTNUTE") {
      if (IsYes(p.Value)) block.Style.StrikeOut = true;
    } else if (p.Name == "ODKAZ") {
      target = IntValue(p);
    } else if (p.Name == "WEBLINK") {
      block.WebLink = p.Value;
    } else {
      ApplyLinkField(form.CurrentLink, p);
    }
  }

  // The last OBSAH wins; without one the block repeats the last content made.
  const std::size_t columns = TextContentColumns(form.host.ScreenWidth(), block.Style.Bold);
  for (const param& p : Attributes(tag)) {
    if (p.Name == "OBSAH") form.ContentHolder = MakeTextContent(p.Value, columns);
  }

  block.Text = form.ContentHolder;
  block.Target = target > 0 ? target : 0;
  block.Link = form.CurrentLink;
  form.AddTextBlock(std::move(block));
}

// --- M, MENU, ZPET ---------------------------------------------------------

void Menu(GameWindow& form, const TagEntry& tag) {
  MenuOption* option = NewMenuOption(form);
  if (!option) return;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "T" || p.Name == "POPIS") {
      option->Text = QuotesFromSlashes(p.Value);
    } else if (p.Name == "X" || p.Name == "ODKAZ") {
      option->Target = IntValue(p);
    } else if (p.Name == "BARVA") {
      option->Colour = static_cast<int32_t>(ParseColour(p.Value));
    } else {
      ApplyLinkField(form.CurrentLink, p);
    }
  }
  StoreLink(*option, form.CurrentLink);
}

// Always the page shown just before this one: there is no longer history.
void Back(GameWindow& form, const TagEntry& tag) {
  MenuOption* option = NewMenuOption(form);
  if (!option) return;
  option->Target = form.State.World.PreviousLocation;
  option->Text = kBackText;
  for (const param& p : Attributes(tag)) ApplyLinkField(form.CurrentLink, p);
  StoreLink(*option, form.CurrentLink);
}

// --- OBRAZEKVTEXTU ---------------------------------------------------------

void PictureInText(GameWindow& form, const TagEntry& tag) {
  std::string file;
  TXImage picture;
  int width = kDefaultPictureSide;
  int height = kDefaultPictureSide;
  bool size_given = false;
  int32_t target = 0;
  int shift_x = 0;
  int shift_y = kDefaultPictureGap;
  bool shift_y_given = false;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "SOUBOR") {
      file = p.Value;
    } else if (p.Name == "POPIS") {
      picture.Hint = p.Value;
    } else if (p.Name == "VYSKA") {
      height = IntValue(p);
      size_given = true;
    } else if (p.Name == "SIRKA") {
      width = IntValue(p);
      size_given = true;
    } else if (p.Name == "ODKAZ") {
      target = IntValue(p);
    } else if (p.Name == "POSUNX") {
      shift_x = IntValue(p);
    } else if (p.Name == "POSUNY") {
      shift_y = IntValue(p);
      shift_y_given = true;
    } else {
      ApplyLinkField(form.CurrentLink, p);
    }
  }

  // The model keeps the gamebook's own (Windows-1250) name; the disk spells
  // it in UTF-8.
  const std::string path = std::string(kPictureFolder) + file;
  if (!IsContainedFile(DiskPath(path))) {
    form.host.ShowMessage(std::string(kMissingPictureMessage) + '"' + path + '"');
    return;
  }
  // A file that is there but is no picture stops the page, also when the
  // tag gives the size: it could not be drawn either way.
  const PictureSizeResult size = ReadPictureSize(path);
  if (!size) throw PageError(size.Error());

  picture.File = path;
  picture.SizeGiven = size_given;
  picture.Width = size_given ? width : size.Value().Width;
  picture.Height = size_given ? height : size.Value().Height;
  picture.Target = target > 0 ? target : 0;
  picture.Link = form.CurrentLink;
  form.AddPicture(std::move(picture), shift_x,
                  shift_y_given ? std::optional<int>(shift_y) : std::nullopt);
}

// --- SEZNAMPROMENNYCH ------------------------------------------------------

void VariableListing(GameWindow& form, const TagEntry& /*tag*/) {
  form.ContentHolder = BuildVariableListing(form.State.World);
  TXLabel block;
  block.Role = FontRole::Courier;
  block.TextColour = static_cast<Colour>(form.State.World.DefaultTextColour);
  block.Text = form.ContentHolder;
  form.AddTextBlock(std::move(block));
}

// --- Message lines ---------------------------------------------------------

void Info(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    if (p.Name == "OBSAH") form.AddInfoLine(p.Value);
  }
  for (const param& p : Attributes(tag)) {
    if (p.Name == "COLOR" || p.Name == "BARVA") form.SetInfoColour(p.Value);
  }
  form.ShowInfoLines();
}

void ClearInfo(GameWindow& form, const TagEntry& /*tag*/) {
  for (int i = 0; i < 5; ++i) form.AddInfoLine("");
  form.ShowInfoLines();
}

void InfoOn(GameWindow& form, const TagEntry& /*tag*/) { form.InfoEnabled = true; }
void InfoOff(GameWindow& form, const TagEntry& /*tag*/) { form.InfoEnabled = false; }

// --- Menu heading, default colours, location numbers -----------------------

void MenuHeading(GameWindow& form, const TagEntry& tag) {
  WorldState& world = form.State.World;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "TEXT" || p.Name == "OTAZKA") {
      world.MenuHeading = QuotesFromSlashes(p.Value);
      // Keeps the heading roughly centred over the menu.
      form.MenuLeft = 98 - 3 * static_cast<int>(world.MenuHeading.size());
    } else if (p.Name == "BARVA") {
      world.MenuHeadingColour = static_cast<int32_t>(ParseColour(p.Value));
    }
  }
}

void DefaultTextColour(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    if (p.Name == "BARVA")
      form.State.World.DefaultTextColour = static_cast<int32_t>(ParseColour(p.Value));
  }
}

void DefaultMenuColour(GameWindow& form, const TagEntry& tag) {
  for (const param& p : Attributes(tag)) {
    if (p.Name == "BARVA")
      form.State.World.DefaultMenuColour = static_cast<int32_t>(ParseColour(p.Value));
  }
}

void LocationNumbersOn(GameWindow& form, const TagEntry& /*tag*/) {
  form.State.World.ShowLocationNumbers = 1;
}
void LocationNumbersOff(GameWindow& form, const TagEntry& /*tag*/) {
  form.State.World.ShowLocationNumbers = 0;
}

}  // namespace

void AddPageCommands(CommandMap& map) {
  map["TEXT"] = &Text;
  map["M"] = &Menu;
  map["MENU"] = &Menu;
  map["ZPET"] = &Back;
  map["OBRAZEKVTEXTU"] = &PictureInText;
  map["SEZNAMPROMENNYCH"] = &VariableListing;
  map["INFO"] = &Info;
  map["SMAZATINFO"] = &ClearInfo;
  map["ZAPNIINFO"] = &InfoOn;
  map["VYPNIINFO"] = &InfoOff;
  map["ZMENOTAZKU"] = &MenuHeading;
  map["VYCHOZIBARVATEXTU"] = &DefaultTextColour;
  map["VYCHOZIBARVAMENU"] = &DefaultMenuColour;
  map["ZAPNICISLALOKACI"] = &LocationNumbersOn;
  map["VYPNICISLALOKACI"] = &LocationNumbersOff;
}

}  // namespace qv
