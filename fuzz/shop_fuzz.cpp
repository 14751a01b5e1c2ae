// The shop file, read for a shop number from the input, over a state with
// one weapon, one armour and one item in its catalogs.
#include <memory>

#include "fuzz/fuzz_support.h"
#include "host/recording_host.h"
#include "possessions/shop.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  qv::fuzz::FreshScratchDir();
  qv::fuzz::WriteFile("data/obchod.qvl", qv::fuzz::AsText(data + 1, size - 1));
  static auto state = [] {
    auto s = std::make_unique<qv::GameState>();
    qv::Weapon weapon;
    weapon.Name = "Mec";
    weapon.Dice = {2, 6, -1};
    s->Weapons.Append(weapon);
    qv::Armour armour;
    armour.Name = "Kuze";
    s->Armours.Append(armour);
    qv::Item item;
    item.Name = "Lektvar";
    item.UseWord = "boj";
    s->Items.Append(item);
    return s;
  }();
  qv::RecordingHost host;
  qv::GameFiles files(host);
  qv::LoadShop(files, *state, static_cast<int32_t>(data[0]) - 8);
  return 0;
}
