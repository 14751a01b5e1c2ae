#include "state/world_state.h"

#include <cstring>

#include "data/byte_io.h"

namespace qv {
namespace {

using W = WorldState;
constexpr std::size_t kStringField = ShortString<100>::kFieldSize;

static_assert(W::kVariablesOffset + 4 * W::kVariableCount <= W::kStringsOffset);
static_assert(W::kStringsOffset + kStringField * W::kStringCount == W::kRedirectNameOffset);
static_assert(W::kRedirectNameOffset + kStringField <= W::kLocationOffset);
static_assert(W::kMenuHeadingColourOffset + 4 == W::kMenuHeadingOffset);
static_assert(W::kMenuHeadingOffset + kStringField == W::kMusicNameOffset);
static_assert(W::kMusicNameOffset + kStringField <= W::kMusicKindOffset);
static_assert(W::kMusicKindOffset + 4 == W::kPrefixEnabledOffset);
static_assert(W::kSuffixEnabledOffset + 1 == W::kPrefixNameOffset);
static_assert(W::kPrefixNameOffset + kStringField == W::kSuffixNameOffset);
static_assert(W::kSuffixNameOffset + kStringField == W::kSheetAllowedOffset);
static_assert(W::kEquipmentAllowedOffset + 1 <= W::kMenuOptionsOffset);
static_assert(W::kMenuOptionsOffset + MenuOption::kSize * W::kMenuOptionCapacity ==
              W::kMenuOptionCountOffset);
static_assert(W::kMenuOptionCountOffset + 4 == W::kReservedOffset);
static_assert(W::kReservedOffset + W::kReservedSize == W::kGameTitleOffset);
static_assert(W::kGameTitleOffset + kStringField == W::kGameCodeOffset);
static_assert(W::kGameCodeOffset + kStringField <= W::kShowLocationNumbersOffset);
static_assert(W::kReportChangesOffset + 4 == W::kSize);

}  // namespace

void WorldState::Encode(uint8_t* out) const {
  std::memset(out, 0, kSize);
  for (std::size_t n = 1; n <= kVariableCount; ++n) {
    WriteI32(out + kVariablesOffset + 4 * (n - 1), Variables.Get(n));
  }
  for (std::size_t n = 1; n <= kStringCount; ++n) {
    Strings.at(n).Encode(out + kStringsOffset + kStringField * (n - 1));
  }
  RedirectName.Encode(out + kRedirectNameOffset);
  WriteI32(out + kLocationOffset, Location);
  WriteI32(out + kPreviousLocationOffset, PreviousLocation);
  WriteI32(out + kDefaultMenuColourOffset, DefaultMenuColour);
  WriteI32(out + kDefaultTextColourOffset, DefaultTextColour);
  WriteI32(out + kMenuHeadingColourOffset, MenuHeadingColour);
  MenuHeading.Encode(out + kMenuHeadingOffset);
  MusicName.Encode(out + kMusicNameOffset);
  WriteI32(out + kMusicKindOffset, MusicKind);
  out[kPrefixEnabledOffset] = PrefixEnabled ? 1 : 0;
  out[kSuffixEnabledOffset] = SuffixEnabled ? 1 : 0;
  PrefixName.Encode(out + kPrefixNameOffset);
  SuffixName.Encode(out + kSuffixNameOffset);
  out[kSheetAllowedOffset] = SheetAllowed ? 1 : 0;
  out[kEquipmentAllowedOffset] = EquipmentAllowed ? 1 : 0;
  for (std::size_t n = 1; n <= kMenuOptionCapacity; ++n) {
    MenuOptions.at(n).Encode(out + kMenuOptionsOffset + MenuOption::kSize * (n - 1));
  }
  WriteI32(out + kMenuOptionCountOffset, MenuOptionCount);
  std::memcpy(out + kReservedOffset, Reserved.data(), kReservedSize);
  GameTitle.Encode(out + kGameTitleOffset);
  GameCode.Encode(out + kGameCodeOffset);
  WriteI32(out + kShowLocationNumbersOffset, ShowLocationNumbers);
  WriteI32(out + kReportChangesOffset, ReportChanges);
}

WorldState WorldState::Decode(const uint8_t* in) {
  WorldState w;
  for (std::size_t n = 1; n <= kVariableCount; ++n) {
    w.Variables.Set(n, ReadI32(in + kVariablesOffset + 4 * (n - 1)));
  }
  for (std::size_t n = 1; n <= kStringCount; ++n) {
    w.Strings.Set(n, ShortString<100>::Decode(in + kStringsOffset + kStringField * (n - 1)));
  }
  w.RedirectName = decltype(RedirectName)::Decode(in + kRedirectNameOffset);
  w.Location = ReadI32(in + kLocationOffset);
  w.PreviousLocation = ReadI32(in + kPreviousLocationOffset);
  w.DefaultMenuColour = ReadI32(in + kDefaultMenuColourOffset);
  w.DefaultTextColour = ReadI32(in + kDefaultTextColourOffset);
  w.MenuHeadingColour = ReadI32(in + kMenuHeadingColourOffset);
  w.MenuHeading = decltype(MenuHeading)::Decode(in + kMenuHeadingOffset);
  w.MusicName = decltype(MusicName)::Decode(in + kMusicNameOffset);
  w.MusicKind = ReadI32(in + kMusicKindOffset);
  w.PrefixEnabled = in[kPrefixEnabledOffset] != 0;
  w.SuffixEnabled = in[kSuffixEnabledOffset] != 0;
  w.PrefixName = decltype(PrefixName)::Decode(in + kPrefixNameOffset);
  w.SuffixName = decltype(SuffixName)::Decode(in + kSuffixNameOffset);
  w.SheetAllowed = in[kSheetAllowedOffset] != 0;
  w.EquipmentAllowed = in[kEquipmentAllowedOffset] != 0;
  for (std::size_t n = 1; n <= kMenuOptionCapacity; ++n) {
    w.MenuOptions.Set(n, MenuOption::Decode(in + kMenuOptionsOffset + MenuOption::kSize * (n - 1)));
  }
  w.MenuOptionCount = ReadI32(in + kMenuOptionCountOffset);
  std::memcpy(w.Reserved.data(), in + kReservedOffset, kReservedSize);
  w.GameTitle = decltype(GameTitle)::Decode(in + kGameTitleOffset);
  w.GameCode = decltype(GameCode)::Decode(in + kGameCodeOffset);
  w.ShowLocationNumbers = ReadI32(in + kShowLocationNumbersOffset);
  w.ReportChanges = ReadI32(in + kReportChangesOffset);
  return w;
}

}  // namespace qv
