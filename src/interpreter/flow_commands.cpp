// Flow commands: ending the program, the page's countdown, the source of
// locations, the prefix and suffix libraries, and the "Postava" and
// "Vybavení" buttons.
#include "interpreter/flow_commands.h"

#include <string>

#include "data/text_case.h"
#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"

namespace qv {

namespace {

// "ANO" / "NE" in any case; any other word leaves the switch alone.
void ReadYesNo(const std::string& value, bool& flag) {
  const std::string word = UpCaseAscii(value);
  if (word == "ANO") flag = true;
  if (word == "NE") flag = false;
}

// KONEC: the program is told to end, but this page is still built to its end.
void End(GameWindow& form, const TagEntry&) { form.host.EndProgram(); }

// CASOVAC: a countdown on this page; TimerTimer ticks it down.
void StartCountdown(GameWindow& form, const TagEntry& tag) {
  Countdown& timer = form.Timer;
  timer.TimerActive = true;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "VYPISUJ") {
      ReadYesNo(p.Value, timer.TimerShown);
    } else if (p.Name == "CAS") {
      timer.TimerSeconds = IntValue(p);
    } else if (p.Name == "ODKAZ") {
      timer.TimerTarget = IntValue(p);
    }
  }
  if (timer.TimerShown) timer.TimerLabel = std::to_string(timer.TimerSeconds);
}

// PRESMERUJ: the next pages come from the named library, or from the
// gamebook's own locations when no name is given. This page goes on.
void Redirect(GameWindow& form, const TagEntry& tag) {
  const std::string* name = LastAttribute(tag, "JMENO");
  form.RedirectTo(name ? std::string_view(*name) : std::string_view());
}

// The library named by the last VYBRAT or JMENO, or null when none is.
const std::string* LibraryName(const TagEntry& tag) {
  const std::string* name = nullptr;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "VYBRAT" || p.Name == "JMENO") name = &p.Value;
  }
  return name;
}

// PREFIX: the library put before every location fetched while enabled.
void Prefix(GameWindow& form, const TagEntry& tag) {
  if (const std::string* name = LibraryName(tag)) {
    form.Store.SetPrefix(&form.Store.FindOrLoadLibrary(*name));
  }
  if (const std::string* run = LastAttribute(tag, "PROVADET")) {
    ReadYesNo(*run, form.State.World.PrefixEnabled);
  }
}

// SUFFIX: the library put after every location fetched while enabled.
void Suffix(GameWindow& form, const TagEntry& tag) {
  if (const std::string* name = LibraryName(tag)) {
    form.Store.SetSuffix(&form.Store.FindOrLoadLibrary(*name));
  }
  if (const std::string* run = LastAttribute(tag, "PROVADET")) {
    ReadYesNo(*run, form.State.World.SuffixEnabled);
  }
}

// The buttons. Every page starts by showing them as SheetAllowed and
// EquipmentAllowed say, so the ...DOCASNE forms last for this page only.
void HideSheetForPage(GameWindow& form, const TagEntry&) { form.SheetButtonVisible = false; }
void HideEquipmentForPage(GameWindow& form, const TagEntry&) {
  form.EquipmentButtonVisible = false;
}
void ShowSheetForPage(GameWindow& form, const TagEntry&) { form.SheetButtonVisible = true; }
void ShowEquipmentForPage(GameWindow& form, const TagEntry&) { form.EquipmentButtonVisible = true; }

void ForbidSheet(GameWindow& form, const TagEntry&) {
  form.SheetButtonVisible = false;
  form.State.World.SheetAllowed = false;
}

void ForbidEquipment(GameWindow& form, const TagEntry&) {
  form.EquipmentButtonVisible = false;
  form.State.World.EquipmentAllowed = false;
}

void AllowSheet(GameWindow& form, const TagEntry&) {
  form.SheetButtonVisible = true;
  form.State.World.SheetAllowed = true;
}

void AllowEquipment(GameWindow& form, const TagEntry&) {
  form.EquipmentButtonVisible = true;
  form.State.World.EquipmentAllowed = true;
}

}  // namespace

// SOUBOJ, OBCHOD, PRODEJ and SAVE belong to this group too; each lives beside
// the window it opens (fight_command, shop_commands, save_command).
void AddFlowCommands(CommandMap& map) {
  map["KONEC"] = &End;
  map["CASOVAC"] = &StartCountdown;
  map["PRESMERUJ"] = &Redirect;
  map["PREFIX"] = &Prefix;
  map["SUFFIX"] = &Suffix;
  map["ZAKAZPOSTAVUDOCASNE"] = &HideSheetForPage;
  map["ZAKAZVYBAVENIDOCASNE"] = &HideEquipmentForPage;
  map["ZAKAZPOSTAVU"] = &ForbidSheet;
  map["ZAKAZVYBAVENI"] = &ForbidEquipment;
  map["POVOLPOSTAVU"] = &AllowSheet;
  map["POVOLVYBAVENI"] = &AllowEquipment;
  map["POVOLPOSTAVUDOCASNE"] = &ShowSheetForPage;
  map["POVOLVYBAVENIDOCASNE"] = &ShowEquipmentForPage;
  AddPromptCommands(map);
  AddAudioCommands(map);
  AddSaveCommands(map);
  AddFightCommand(map);
  AddShopCommands(map);
}

}  // namespace qv
