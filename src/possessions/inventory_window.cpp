#include "possessions/inventory_window.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "data/conversion.h"
#include "data/text_case.h"
#include "possessions/item_use.h"
#include "possessions/possession_counts.h"
#include "possessions/possession_hints.h"
#include "state/equipment_exchange.h"

namespace qv {

namespace {

constexpr Colour kBlack = 0x000000;

int64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// name, or name " x " count from two on.
std::string CountedCaption(std::string_view name, int64_t count) {
  std::string caption(name);
  if (count >= 2) caption += " x " + std::to_string(count);
  return caption;
}

TLELabel ListLabel(std::string caption, int32_t number, int left, int row) {
  TLELabel label;
  label.Caption = std::move(caption);
  label.idx = number;
  label.Left = left;
  label.Top = InventoryWindow::kListTop + row * InventoryWindow::kRowHeight;
  label.FontColour = InventoryWindow::kPlainColour;
  return label;
}

// The spare pieces of a catalog, every slot 1..100 with Held > 0 in order,
// from `first_row` on.
template <class Record>
void BuildCatalogList(const Catalog<Record>& catalog, std::vector<TLELabel>& list, int left,
                      int first_row) {
  for (int32_t n = 1; n <= Catalog<Record>::kCapacity; ++n) {
    const Record& record = catalog.at(n);
    if (record.Held <= 0) continue;
    TLELabel label = ListLabel(CountedCaption(record.Name, record.Held), n, left,
                               first_row + static_cast<int>(list.size()));
    label.HandCursor = true;
    list.push_back(std::move(label));
  }
}

}  // namespace

std::string CurrencyCaption(std::string_view currency_name) {
  std::string caption(currency_name);
  if (!caption.empty()) caption[0] = UpCaseAscii(caption[0]);
  return caption;
}

InventoryWindow::InventoryWindow(GameState& state, Host& window_host, Clock clock)
    : State(state),
      host(window_host),
      clock_(clock ? std::move(clock) : Clock(&SteadyMilliseconds)) {
  PictureWindow.Background = kBlack;
}

const TLELabel* InventoryWindow::Find(const std::vector<TLELabel>& list, int32_t number) {
  const auto it = std::find_if(list.begin(), list.end(),
                               [number](const TLELabel& label) { return label.idx == number; });
  return it == list.end() ? nullptr : &*it;
}

void InventoryWindow::BuildLists() {
  Objects.clear();
  Items.clear();
  Weapons.clear();
  Armours.clear();

  if (State.ObjectCount > 0) {
    for (int32_t n = 1; n <= static_cast<int32_t>(ObjectTable::kCount); ++n) {
      const ObjectEntry& object = State.Objects.at(n);
      if (object.Count <= 0) continue;
      TLELabel label = ListLabel(CountedCaption(object.Name, object.Count), n, kObjectsLeft,
                                 static_cast<int>(Objects.size()));
      if (!object.Picture.empty()) {
        label.FontColour = kPictureColour;
        label.HandCursor = true;
      }
      Objects.push_back(std::move(label));
    }
  }

  for (int32_t n = 1; n <= Catalog<Item>::kCapacity; ++n) {
    const Item& item = State.Items.at(n);
    if (item.Held <= 0) continue;
    TLELabel label = ListLabel(CountedCaption(item.Name, item.Held), n, kItemsLeft,
                               static_cast<int>(Items.size()));
    label.HandCursor = UsableOutsideFight(item);
    Items.push_back(std::move(label));
  }

  BuildCatalogList(State.Weapons, Weapons, kWeaponsLeft, 0);
  // Armour continues below the weapons in the same column.
  BuildCatalogList(State.Armours, Armours, kWeaponsLeft, static_cast<int>(Weapons.size()));
}

void InventoryWindow::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const ConversionError& error) {
    host.ShowMessage(error.what());
  }
}

void InventoryWindow::ActionDone() {
  last_action_ = clock_();
  BuildLists();
}

// --- Hovering ---------------------------------------------------------------

void InventoryWindow::ObjectMouseEnter(int32_t number) {
  if (const ObjectEntry* object = State.Objects.Find(number)) Status = ObjectHint(*object);
}

void InventoryWindow::ItemMouseEnter(int32_t number) {
  const Item* item = State.Items.Find(number);
  if (!item) return;
  Guarded([&] { Status = ItemHint(*item, State); });
}

void InventoryWindow::WeaponMouseEnter(int32_t number) {
  const Weapon* weapon = State.Weapons.Find(number);
  if (!weapon) return;
  Guarded([&] { Status = WeaponHint(*weapon, State); });
}

void InventoryWindow::ArmourMouseEnter(int32_t number) {
  const Armour* armour = State.Armours.Find(number);
  if (!armour) return;
  Guarded([&] { Status = ArmourHint(*armour, State); });
}

void InventoryWindow::BackgroundMouseMove() {
  if (last_action_ && clock_() == *last_action_) return;
  Status.clear();
  Status2.clear();
}

// --- Clicking ---------------------------------------------------------------

void InventoryWindow::ObjectClick(int32_t number) {
  const ObjectEntry* object = State.Objects.Find(number);
  if (!object || object->Count <= 0 || object->Picture.empty()) return;
  PicturePopupWindow& window = PictureWindow;
  window.File = "./obrazky/" + object->Picture.str();
  PictureResult picture = DecodePicture(window.File);
  if (!picture) {
    host.ShowMessage(picture.Error());
    return;
  }
  // The object's own size, whatever the picture's.
  window.Width = std::max(object->Width, 0);
  window.Height = std::max(object->Height, 0);
  window.Caption = object->Name.str();
  window.Image = std::move(picture.Value());
  window.CentreOnScreen(host.ScreenWidth(), host.ScreenHeight());
  window.Reopen();
  host.RunModal(window);
  window.Image = Picture{};
}

void InventoryWindow::ItemClick(int32_t number) {
  Item* item = State.Items.Find(number);
  if (!item || item->Held <= 0 || !UsableOutsideFight(*item)) return;
  Guarded([&] {
    Status2 += kHintBreak;
    if (CheckConditions(item->UsedConditions(), State, Status2)) {
      --item->Held;
      // A copy: the effects are read while the state changes.
      const Item used = *item;
      for (const Effect& effect : used.UsedEffects()) {
        ApplyItemEffect(effect, State, host, Status2);
      }
    }
    ActionDone();
  });
}

void InventoryWindow::WeaponClick(int32_t number) {
  Weapon* chosen = State.Weapons.Find(number);
  if (!chosen || chosen->Held <= 0) return;
  Guarded([&] {
    Status2 += kHintBreak;
    if (CheckConditions(chosen->UsedConditions(), State, Status2)) {
      CharacterState& hero = State.Character;
      TakeOffWeapon(hero);
      // The piece in hand goes back among the spare ones; the empty hand
      // (number 0) has no slot.
      if (Weapon* old = State.Weapons.Find(hero.CurrentWeapon.Number)) {
        old->Held = AddToCount(old->Held, 1);
      }
      const Weapon taken = *chosen;
      chosen->Held = AddToCount(chosen->Held, -1);
      Status2 += std::string(inventory_text::kWeaponTaken) + taken.Name.str();
      Status2 += kHintBreak;
      PutOnWeapon(hero, taken);
    }
    ActionDone();
  });
}

void InventoryWindow::ArmourClick(int32_t number) {
  Armour* chosen = State.Armours.Find(number);
  if (!chosen || chosen->Held <= 0) return;
  Guarded([&] {
    Status2 += kHintBreak;
    if (CheckConditions(chosen->UsedConditions(), State, Status2)) {
      CharacterState& hero = State.Character;
      TakeOffArmour(hero);
      if (Armour* old = State.Armours.Find(hero.CurrentArmour.Number)) {
        old->Held = AddToCount(old->Held, 1);
      }
      const Armour worn = *chosen;
      chosen->Held = AddToCount(chosen->Held, -1);
      Status2 += std::string(inventory_text::kArmourPutOn) + worn.Name.str();
      Status2 += kHintBreak;
      PutOnArmour(hero, worn);
    }
    ActionDone();
  });
}

void InventoryWindow::CentreOn(int width, int height) {
  Left = width / 2 - kWidth / 2;
  Top = height / 2 - kHeight / 2;
}

}  // namespace qv
