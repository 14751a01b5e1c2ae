#include "state/saved_position.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "data/byte_io.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using L = SavedPositionLayout;
using W = WorldState;  // first in the record: its offsets are the record's

// Each test works in a fresh temporary directory of its own.
class SavedPositionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qv-save-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir_);
  }

 private:
  fs::path dir_;
};

template <class Record>
std::vector<uint8_t> Bytes(const Record& record) {
  std::vector<uint8_t> out(Record::kSize);
  record.Encode(out.data());
  return out;
}

std::string Text(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), bytes[offset]);
}

bool AllZero(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t to) {
  return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                     bytes.begin() + static_cast<std::ptrdiff_t>(to),
                     [](uint8_t b) { return b == 0; });
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A game with 3 weapons, 2 armours, 4 items, 1 spell, no attacks and 2 objects.
std::unique_ptr<GameState> SampleGame() {
  auto s = std::make_unique<GameState>();
  s->World.Location = 12;
  s->World.PreviousLocation = 11;
  s->World.Variables.Set(1, 7);
  s->World.Variables.Set(999, -9);
  s->World.RedirectName = "live";
  s->World.GameTitle = "Hra";
  s->World.Reserved[5] = 0x77;
  s->Character.Name = "Hrdina";
  s->Character.ZIVOTY = 15;
  s->Character.CurrentWeapon.Number = 2;
  s->Character.Reserved[100] = 0x66;
  for (int n = 1; n <= 3; ++n) {
    Weapon w;
    w.Number = n;
    w.Name = "zbran" + std::to_string(n);
    w.Held = static_cast<int16_t>(n * 10);
    s->Weapons.Append(w);
  }
  for (int n = 1; n <= 2; ++n) {
    Armour a;
    a.Number = n;
    a.Held = static_cast<int16_t>(n);
    s->Armours.Append(a);
  }
  for (int n = 1; n <= 4; ++n) {
    Item it;
    it.Number = n;
    it.Held = 100000 + n;
    s->Items.Append(it);
  }
  Spell sp;
  sp.Number = 1;
  sp.Known = 1;
  s->Spells.Append(sp);
  s->ObjectCount = 2;
  s->Objects.at(1).Name = "Kl\xED\xE8";
  s->Objects.at(1).Count = 1;
  s->Objects.at(2).Name = "Mapa";
  s->Objects.at(2).Count = 3;
  s->SaveRedirect = "jina";
  return s;
}

SavedPositionExtras Music() { return {"hudba.ogg", 1}; }

TEST(EncodeSavedPosition, IsOneRecordWithTheBlocksCountsAndEntriesInPlace) {
  auto s = SampleGame();
  const auto b = EncodeSavedPosition(*s, Music());
  ASSERT_EQ(b.size(), L::kSize);

  EXPECT_EQ(ReadI32(&b[L::kWorldOffset + W::kVariablesOffset]), 7);             // Variables[1]
  EXPECT_EQ(ReadI32(&b[L::kWorldOffset + W::kVariablesOffset + 4 * 998]), -9);  // Variables[999]
  EXPECT_EQ(b[L::kWorldOffset + W::kReservedOffset + 5], 0x77);
  const std::vector<uint8_t> character(b.begin() + L::kCharacterOffset,
                                       b.begin() + L::kCharacterOffset + CharacterState::kSize);
  EXPECT_EQ(character, Bytes(s->Character));

  EXPECT_EQ(ReadI32(&b[L::kWeaponCountOffset]), 3);
  EXPECT_EQ(ReadI32(&b[L::kArmourCountOffset]), 2);
  EXPECT_EQ(ReadI32(&b[L::kItemCountOffset]), 4);
  EXPECT_EQ(ReadI32(&b[L::kObjectCountOffset]), 2);
  EXPECT_EQ(ReadI32(&b[L::kSpellCountOffset]), 1);
  EXPECT_EQ(ReadI32(&b[L::kAttackCountOffset]), 0);

  const std::size_t weapon3 = L::kWeaponsOffset + 2 * Weapon::kSize;
  EXPECT_EQ(ReadI32(&b[weapon3 + Weapon::kNumberOffset]), 3);
  EXPECT_EQ(Text(b, weapon3 + Weapon::kNameOffset), "zbran3");
  EXPECT_EQ(ReadI16(&b[weapon3 + Weapon::kHeldOffset]), 30);
  EXPECT_EQ(ReadI16(&b[L::kArmoursOffset + Armour::kSize + Armour::kHeldOffset]), 2);  // armour 2
  EXPECT_EQ(ReadI32(&b[L::kItemsOffset + 3 * Item::kSize + Item::kHeldOffset]), 100004);  // item 4
  EXPECT_EQ(Text(b, L::kObjectsOffset + ObjectEntry::kSize + ObjectEntry::kNameOffset), "Mapa");
  EXPECT_EQ(b[L::kSpellsOffset + Spell::kKnownOffset], 1);  // spell 1

  // Entries past each count are zero bytes, whatever the slots hold.
  EXPECT_TRUE(AllZero(b, L::kWeaponsOffset + 3 * Weapon::kSize, L::kItemsOffset));
  EXPECT_TRUE(AllZero(b, L::kArmoursOffset + 2 * Armour::kSize, L::kWeaponsOffset));
  EXPECT_TRUE(AllZero(b, L::kItemsOffset + 4 * Item::kSize, L::kObjectsOffset));
  EXPECT_TRUE(AllZero(b, L::kObjectsOffset + 2 * ObjectEntry::kSize, L::kSpellsOffset));
  EXPECT_TRUE(AllZero(b, L::kSpellsOffset + Spell::kSize, L::kAttacksOffset));
  EXPECT_TRUE(AllZero(b, L::kAttacksOffset, L::kSize));
}

TEST(EncodeSavedPosition, ChangesTheRecordOnlyNeverTheLiveState) {
  auto s = SampleGame();
  s->SaveTarget = 50;
  const auto b = EncodeSavedPosition(*s, Music());
  EXPECT_EQ(ReadI32(&b[W::kLocationOffset]), 50);      // resumes at the SAVE tag's target
  EXPECT_EQ(Text(b, W::kRedirectNameOffset), "jina");  // RedirectName := SaveRedirect
  EXPECT_EQ(Text(b, W::kMusicNameOffset), "hudba.ogg");
  EXPECT_EQ(ReadI32(&b[W::kMusicKindOffset]), 1);
  EXPECT_EQ(s->World.Location, 12);
  EXPECT_EQ(s->World.RedirectName.str(), "live");
  EXPECT_EQ(s->World.MusicName.str(), "");
  EXPECT_EQ(s->SaveTarget, 50);

  s->SaveTarget = 0;
  const auto here = EncodeSavedPosition(*s, {});
  EXPECT_EQ(ReadI32(&here[W::kLocationOffset]), 12);
  EXPECT_EQ(Text(here, W::kMusicNameOffset), "");
  EXPECT_EQ(ReadI32(&here[W::kMusicKindOffset]), 0);
}

TEST(EncodeSavedPosition, EmptyCatalogsGiveTheSameLength) {
  auto s = std::make_unique<GameState>();
  const auto b = EncodeSavedPosition(*s, {});
  EXPECT_EQ(b.size(), L::kSize);
  EXPECT_TRUE(AllZero(b, L::kWeaponCountOffset, L::kSize));
}

TEST_F(SavedPositionFiles, WriteAndReadBackRestoresThePossessions) {
  auto s = SampleGame();
  const std::string path = SavedPositionPath("hrdina");
  EXPECT_EQ(path, "./save/hrdina.pzv");
  const auto bytes = EncodeSavedPosition(*s, Music());
  ASSERT_FALSE(WriteSavedPosition(path, bytes).has_value());  // creates ./save
  EXPECT_EQ(fs::file_size(path), L::kSize);
  EXPECT_EQ(std::distance(fs::directory_iterator("save"), fs::directory_iterator()), 1);

  const SavedPositionReadResult read = ReadSavedPosition(path);
  ASSERT_TRUE(read.ok()) << read.Error.Message;
  const SavedPosition& p = *read.Position;
  EXPECT_EQ(Bytes(p.World), std::vector<uint8_t>(bytes.begin() + L::kWorldOffset,
                                                 bytes.begin() + L::kCharacterOffset));
  EXPECT_EQ(Bytes(p.Character), Bytes(s->Character));
  EXPECT_EQ(p.WeaponCount, 3);
  EXPECT_EQ(p.AttackCount, 0);
  EXPECT_EQ(p.Weapons.at(3).Held, 30);
  EXPECT_EQ(p.Weapons.at(3).Name.str(), "zbran3");  // the whole entry is read
  EXPECT_EQ(p.Items.at(4).Held, 100004);
  EXPECT_EQ(p.Spells.at(1).Known, 1);
  EXPECT_EQ(p.ObjectCount, 2);
  EXPECT_EQ(p.Objects.at(2).Name.str(), "Mapa");
  EXPECT_EQ(p.Objects.at(2).Count, 3);

  // The gamebook now has more weapons than the position knows of, and only
  // one armour: entries beyond the smaller count keep their loaded values.
  auto game = std::make_unique<GameState>();
  for (int n = 1; n <= 5; ++n) {
    Weapon w;
    w.Number = n;
    w.Held = 99;
    game->Weapons.Append(w);
  }
  Armour a;
  a.Held = 0;
  game->Armours.Append(a);
  game->Armours.at(2).Held = 55;  // a slot past the loaded count
  for (int n = 1; n <= 4; ++n) game->Items.Append(Item{});
  game->Spells.Append(Spell{});
  game->Attacks.Append(Attack{});
  game->Attacks.at(1).Known = 1;
  game->Objects.at(50).Name = "stare";

  ApplySavedPosition(*game, p);
  EXPECT_EQ(game->World.Location, 12);
  EXPECT_EQ(game->World.RedirectName.str(), "jina");
  EXPECT_EQ(game->World.Variables.Get(999), -9);
  EXPECT_EQ(game->Character.Name.str(), "Hrdina");
  EXPECT_EQ(game->Character.ZIVOTY, 15);
  EXPECT_EQ(game->Weapons.at(1).Held, 10);
  EXPECT_EQ(game->Weapons.at(3).Held, 30);
  EXPECT_EQ(game->Weapons.at(4).Held, 99);
  EXPECT_EQ(game->Weapons.at(4).Number, 4);
  EXPECT_EQ(game->Armours.at(1).Held, 1);
  EXPECT_EQ(game->Armours.at(2).Held, 55);
  EXPECT_EQ(game->Items.at(4).Held, 100004);
  EXPECT_EQ(game->Spells.at(1).Known, 1);
  EXPECT_EQ(game->Attacks.at(1).Known, 1);  // the position had no attacks
  EXPECT_EQ(game->ObjectCount, 2);
  EXPECT_EQ(game->Objects.at(1).Name.str(), "Kl\xED\xE8");
  EXPECT_EQ(game->Objects.at(50).Name.str(), "");
  EXPECT_EQ(game->Weapons.Count, 5);  // counts stay those of the gamebook
}

TEST_F(SavedPositionFiles, SavingTwiceOverwritesWithoutAsking) {
  auto s = SampleGame();
  const std::string path = SavedPositionPath("hrdina");
  ASSERT_FALSE(WriteSavedPosition(path, EncodeSavedPosition(*s, {})).has_value());
  s->World.Location = 99;
  ASSERT_FALSE(WriteSavedPosition(path, EncodeSavedPosition(*s, {})).has_value());
  EXPECT_EQ(ReadI32(&ReadFile(path)[W::kLocationOffset]), 99);
}

TEST_F(SavedPositionFiles, ATruncatedFileIsRefusedAndNothingChanges) {
  auto s = SampleGame();
  auto bytes = EncodeSavedPosition(*s, {});
  bytes.pop_back();
  WriteFile("./save/kratka.pzv", bytes);

  auto game = SampleGame();
  const auto before = EncodeSavedPosition(*game, {});
  const SavedPositionReadResult read = ReadSavedPosition("./save/kratka.pzv");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.Error.Message,
            "Soubor \"./save/kratka.pzv\" nen\xED ulo\x9E"
            "en\xE1 pozice: m\xE1 1138447 bajt\xF9 "
            "m\xEDsto 1138448.");
  EXPECT_EQ(EncodeSavedPosition(*game, {}), before);
}

TEST_F(SavedPositionFiles, ALongerFileIsRefused) {
  auto bytes = EncodeSavedPosition(*SampleGame(), {});
  bytes.push_back(0);
  bytes.push_back(0);
  WriteFile("./save/dlouha.pzv", bytes);
  const SavedPositionReadResult read = ReadSavedPosition("./save/dlouha.pzv");
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.Error.Message.find("1138450 bajt\xF9"), std::string::npos);
}

TEST_F(SavedPositionFiles, AMissingFileIsRefusedWithItsName) {
  const SavedPositionReadResult read = ReadSavedPosition("./save/nic.pzv");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.Error.Message,
            "Ulo\x9E"
            "enou pozici \"./save/nic.pzv\" nelze otev\xF8\xEDt.");
}

TEST(DecodeSavedPosition, RefusesCountsOutsideTheTables) {
  auto bytes = EncodeSavedPosition(*SampleGame(), {});
  WriteI32(&bytes[L::kAttackCountOffset], 101);
  SavedPositionReadResult read = DecodeSavedPosition(bytes, "x.pzv");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.Error.Message,
            "Soubor \"x.pzv\" nen\xED ulo\x9E"
            "en\xE1 pozice: po\xE8"
            "et z\xE1znam\xF9 101 je mimo 0..100.");

  WriteI32(&bytes[L::kAttackCountOffset], 0);
  WriteI32(&bytes[L::kObjectCountOffset], -1);
  EXPECT_FALSE(DecodeSavedPosition(bytes, "x.pzv").ok());

  WriteI32(&bytes[L::kObjectCountOffset], 100);
  EXPECT_TRUE(DecodeSavedPosition(bytes, "x.pzv").ok());
}

TEST_F(SavedPositionFiles, AFailedWriteLeavesTheEarlierFileIntact) {
  auto s = SampleGame();
  const std::string path = SavedPositionPath("hrdina");
  const auto first = EncodeSavedPosition(*s, {});
  ASSERT_FALSE(WriteSavedPosition(path, first).has_value());

  // A folder that takes the place of the save folder makes the write fail.
  fs::rename("save", "kept");
  std::ofstream("save") << "not a folder";
  s->World.Location = 77;
  const auto error = WriteSavedPosition(path, EncodeSavedPosition(*s, {}));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Message, "Pozici nelze ulo\x9Eit do souboru \"./save/hrdina.pzv\".");
  fs::remove("save");
  fs::rename("kept", "save");
  EXPECT_EQ(ReadFile(path), first);

  // A record of the wrong length is never written.
  EXPECT_TRUE(WriteSavedPosition(path, std::vector<uint8_t>(10, 1)).has_value());
  EXPECT_EQ(ReadFile(path), first);
}

TEST_F(SavedPositionFiles, AnUnwritableDirectoryIsReported) {
  WriteFile("./save", {});  // a plain file where the directory should be
  const auto error =
      WriteSavedPosition(SavedPositionPath("a"), EncodeSavedPosition(*SampleGame(), {}));
  EXPECT_TRUE(error.has_value());
}

}  // namespace
}  // namespace qv
