#include "state/world_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/byte_io.h"
#include "support/czech_text.h"

namespace qv {
namespace {

template <class Record>
std::vector<uint8_t> Bytes(const Record& record) {
  std::vector<uint8_t> out(Record::kSize, 0xEE);
  record.Encode(out.data());
  return out;
}

using M = MenuOption;
using W = WorldState;

std::string Text(const std::vector<uint8_t>& bytes, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&bytes[offset + 1]), bytes[offset]);
}

TEST(MenuOption, FieldsSitAtTheirOffsets) {
  MenuOption o;
  o.Target = 13;
  o.Text = Cz("Dál");
  o.Colour = 0x0000FF;
  o.Redirect = "*";
  o.PrePrefix = "knihovna";
  ASSERT_TRUE(o.AddAssignment(5, -7));
  ASSERT_TRUE(o.AddAssignment(999, 42));
  const auto b = Bytes(o);
  ASSERT_EQ(b.size(), 352u);
  EXPECT_EQ(ReadI32(&b[M::kTargetOffset]), 13);
  EXPECT_EQ(Text(b, M::kTextOffset), Cz("Dál"));
  EXPECT_EQ(b[M::kTextOffset + 101], 0);  // padding
  EXPECT_EQ(ReadI32(&b[M::kColourOffset]), 0x0000FF);
  EXPECT_EQ(Text(b, M::kRedirectOffset), "*");
  EXPECT_EQ(Text(b, M::kPrePrefixOffset), "knihovna");
  EXPECT_EQ(ReadI32(&b[M::kAssignmentsOffset]), 2);        // word 0: k
  EXPECT_EQ(ReadI32(&b[M::kAssignmentsOffset + 4]), 5);    // word 1: first variable
  EXPECT_EQ(ReadI32(&b[M::kAssignmentsOffset + 8]), 999);  // word 2: second variable
  EXPECT_EQ(ReadI32(&b[M::kAssignmentsOffset + 20]), -7);  // word 5: first value
  EXPECT_EQ(ReadI32(&b[M::kAssignmentsOffset + 24]), 42);  // word 6: second value
  const MenuOption back = MenuOption::Decode(b.data());
  EXPECT_EQ(Bytes(back), b);
}

TEST(MenuOption, TakesAtMostFourAssignmentsAndCutsADamagedCount) {
  MenuOption o;
  for (int i = 1; i <= 4; ++i) ASSERT_TRUE(o.AddAssignment(i, i * 10));
  EXPECT_FALSE(o.AddAssignment(5, 50));
  EXPECT_EQ(o.AssignmentCount(), 4u);
  EXPECT_EQ(o.AssignmentVariable(4), 4);
  EXPECT_EQ(o.AssignmentValue(4), 40);
  o.Assignments[0] = 77;
  EXPECT_EQ(o.AssignmentCount(), 4u);
  o.Assignments[0] = -1;
  EXPECT_EQ(o.AssignmentCount(), 0u);
}

TEST(WorldState, VariablesAndStringsAreNumberedFromOneAndNeverIndexOutside) {
  auto w = std::make_unique<WorldState>();
  EXPECT_TRUE(w->Variables.Set(1, 11));
  EXPECT_TRUE(w->Variables.Set(999, 99));
  EXPECT_FALSE(w->Variables.Set(0, 5));
  EXPECT_FALSE(w->Variables.Set(1000, 5));
  EXPECT_FALSE(w->Variables.Set(-3, 5));
  EXPECT_EQ(w->Variables.Get(1), 11);
  EXPECT_EQ(w->Variables.Get(999), 99);
  EXPECT_EQ(w->Variables.Get(0), 0);
  EXPECT_EQ(w->Variables.Get(1000), 0);
  EXPECT_EQ(w->Variables.Get(-1), 0);
  EXPECT_EQ(w->Variables.Find(1000), nullptr);
  EXPECT_THROW(w->Variables.at(0), std::out_of_range);

  EXPECT_TRUE(w->Strings.Set(10, Cz("poslední")));
  EXPECT_FALSE(w->Strings.Set(11, "x"));
  EXPECT_EQ(w->Strings.Get(10).str(), Cz("poslední"));
  EXPECT_EQ(w->Strings.Get(11).str(), "");
  EXPECT_EQ(w->Strings.Get(0).str(), "");
}

TEST(WorldState, FieldsSitAtTheirOffsets) {
  auto w = std::make_unique<WorldState>();
  w->Variables.Set(1, 0x11223344);
  w->Variables.Set(2, -2);
  w->Variables.Set(999, 999);
  w->Strings.Set(1, "prvni");
  w->Strings.Set(3, "treti");
  w->Strings.Set(10, "desaty");
  w->RedirectName = "jinde";
  w->Location = 42;
  w->PreviousLocation = 41;
  w->DefaultMenuColour = 0x010203;
  w->DefaultTextColour = 0x040506;
  w->MenuHeadingColour = 0x070809;
  w->MenuHeading = Cz("Co uděláš?");
  w->MusicName = "hudba.mp3";
  w->MusicKind = 2;
  w->PrefixEnabled = true;
  w->SuffixEnabled = true;
  w->PrefixName = "pred";
  w->SuffixName = "po";
  w->SheetAllowed = true;
  w->EquipmentAllowed = true;
  w->MenuOptions.at(1).Target = 7;
  w->MenuOptions.at(1).Text = "prvni volba";
  w->MenuOptions.at(2).Target = 8;
  w->MenuOptions.at(20).Target = 20;
  w->MenuOptions.at(20).Text = "posledni";
  w->MenuOptionCount = 20;
  w->Reserved[0] = 0xAB;
  w->Reserved[107] = 0xCD;
  w->GameTitle = "Hra";
  w->GameCode = "KOD";
  w->ShowLocationNumbers = 1;
  w->ReportChanges = 1;

  const auto b = Bytes(*w);
  ASSERT_EQ(b.size(), 12908u);
  EXPECT_EQ(ReadI32(&b[W::kVariablesOffset]), 0x11223344);
  EXPECT_EQ(ReadI32(&b[W::kVariablesOffset + 4]), -2);
  EXPECT_EQ(ReadI32(&b[W::kVariablesOffset + 4 * 998]), 999);
  EXPECT_EQ(Text(b, W::kStringsOffset), "prvni");
  EXPECT_EQ(Text(b, W::kStringsOffset + 101 * 2), "treti");
  EXPECT_EQ(Text(b, W::kStringsOffset + 101 * 9), "desaty");
  EXPECT_EQ(Text(b, W::kRedirectNameOffset), "jinde");
  EXPECT_EQ(b[W::kRedirectNameOffset + 101], 0);
  EXPECT_EQ(ReadI32(&b[W::kLocationOffset]), 42);
  EXPECT_EQ(ReadI32(&b[W::kPreviousLocationOffset]), 41);
  EXPECT_EQ(ReadI32(&b[W::kDefaultMenuColourOffset]), 0x010203);
  EXPECT_EQ(ReadI32(&b[W::kDefaultTextColourOffset]), 0x040506);
  EXPECT_EQ(ReadI32(&b[W::kMenuHeadingColourOffset]), 0x070809);
  EXPECT_EQ(Text(b, W::kMenuHeadingOffset), Cz("Co uděláš?"));
  EXPECT_EQ(Text(b, W::kMusicNameOffset), "hudba.mp3");
  EXPECT_EQ(ReadI32(&b[W::kMusicKindOffset]), 2);
  EXPECT_EQ(b[W::kPrefixEnabledOffset], 1);
  EXPECT_EQ(b[W::kSuffixEnabledOffset], 1);
  EXPECT_EQ(Text(b, W::kPrefixNameOffset), "pred");
  EXPECT_EQ(Text(b, W::kSuffixNameOffset), "po");
  EXPECT_EQ(b[W::kSheetAllowedOffset], 1);
  EXPECT_EQ(b[W::kEquipmentAllowedOffset], 1);
  EXPECT_EQ(ReadI32(&b[W::kMenuOptionsOffset]), 7);
  EXPECT_EQ(Text(b, W::kMenuOptionsOffset + M::kTextOffset), "prvni volba");
  EXPECT_EQ(ReadI32(&b[W::kMenuOptionsOffset + M::kSize]), 8);
  EXPECT_EQ(ReadI32(&b[W::kMenuOptionsOffset + M::kSize * 19]), 20);
  EXPECT_EQ(Text(b, W::kMenuOptionsOffset + M::kSize * 19 + M::kTextOffset), "posledni");
  EXPECT_EQ(ReadI32(&b[W::kMenuOptionCountOffset]), 20);
  EXPECT_EQ(b[W::kReservedOffset], 0xAB);
  EXPECT_EQ(b[W::kReservedOffset + 107], 0xCD);
  EXPECT_EQ(Text(b, W::kGameTitleOffset), "Hra");
  EXPECT_EQ(Text(b, W::kGameCodeOffset), "KOD");
  EXPECT_EQ(ReadI32(&b[W::kShowLocationNumbersOffset]), 1);
  EXPECT_EQ(ReadI32(&b[W::kReportChangesOffset]), 1);

  auto back = std::make_unique<WorldState>(WorldState::Decode(b.data()));
  EXPECT_EQ(Bytes(*back), b);
  EXPECT_EQ(back->Variables.Get(999), 999);
  EXPECT_EQ(back->MenuOptions.at(20).Text.str(), "posledni");
}

TEST(WorldState, ReservedBytesComeBackUnchanged) {
  std::vector<uint8_t> raw(WorldState::kSize, 0);
  for (std::size_t i = 0; i < WorldState::kReservedSize; ++i) {
    raw[WorldState::kReservedOffset + i] = static_cast<uint8_t>(i * 7 + 1);
  }
  auto w = std::make_unique<WorldState>(WorldState::Decode(raw.data()));
  EXPECT_EQ(Bytes(*w), raw);
}

TEST(WorldState, AFreshStateIsAllZeroBytes) {
  auto w = std::make_unique<WorldState>();
  EXPECT_EQ(Bytes(*w), std::vector<uint8_t>(WorldState::kSize, 0));
}

}  // namespace
}  // namespace qv
