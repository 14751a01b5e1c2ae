// WorldState: variables, text slots, the current location and page menu,
// display settings and flags. 12908 bytes, written as they are into every
// saved position, so the layout below is a file format.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "data/short_string.h"
#include "state/menu_option.h"
#include "state/numbered_table.h"

namespace qv {

struct WorldState {
  static constexpr std::size_t kSize = 12908;
  static constexpr std::size_t kVariablesOffset = 0;
  static constexpr std::size_t kStringsOffset = 3996;
  static constexpr std::size_t kRedirectNameOffset = 5006;
  static constexpr std::size_t kLocationOffset = 5108;
  static constexpr std::size_t kPreviousLocationOffset = 5112;
  static constexpr std::size_t kDefaultMenuColourOffset = 5116;
  static constexpr std::size_t kDefaultTextColourOffset = 5120;
  static constexpr std::size_t kMenuHeadingColourOffset = 5124;
  static constexpr std::size_t kMenuHeadingOffset = 5128;
  static constexpr std::size_t kMusicNameOffset = 5229;
  static constexpr std::size_t kMusicKindOffset = 5332;
  static constexpr std::size_t kPrefixEnabledOffset = 5336;
  static constexpr std::size_t kSuffixEnabledOffset = 5337;
  static constexpr std::size_t kPrefixNameOffset = 5338;
  static constexpr std::size_t kSuffixNameOffset = 5439;
  static constexpr std::size_t kSheetAllowedOffset = 5540;
  static constexpr std::size_t kEquipmentAllowedOffset = 5541;
  static constexpr std::size_t kMenuOptionsOffset = 5544;
  static constexpr std::size_t kMenuOptionCountOffset = 12584;
  static constexpr std::size_t kReservedOffset = 12588;
  static constexpr std::size_t kReservedSize = 108;
  static constexpr std::size_t kGameTitleOffset = 12696;
  static constexpr std::size_t kGameCodeOffset = 12797;
  static constexpr std::size_t kShowLocationNumbersOffset = 12900;
  static constexpr std::size_t kReportChangesOffset = 12904;

  static constexpr std::size_t kVariableCount = 999;
  static constexpr std::size_t kStringCount = 10;
  static constexpr std::size_t kMenuOptionCapacity = 20;

  NumberedTable<int32_t, kVariableCount> Variables;       // $n
  NumberedTable<ShortString<100>, kStringCount> Strings;  // RETEZEC n
  ShortString<100> RedirectName;  // library replacing the location file; empty = none
  int32_t Location = 0;
  int32_t PreviousLocation = 0;
  int32_t DefaultMenuColour = 0;  // colours are 0x00BBGGRR
  int32_t DefaultTextColour = 0;
  int32_t MenuHeadingColour = 0;
  ShortString<100> MenuHeading;
  ShortString<100> MusicName;  // filled only in a saved position
  int32_t MusicKind = 0;       // 1 stream, 2 track, other none; saved positions only
  bool PrefixEnabled = false;
  bool SuffixEnabled = false;
  ShortString<100> PrefixName;  // filled when saving
  ShortString<100> SuffixName;  // filled when saving
  bool SheetAllowed = false;
  bool EquipmentAllowed = false;
  NumberedTable<MenuOption, kMenuOptionCapacity> MenuOptions;
  int32_t MenuOptionCount = 0;
  std::array<uint8_t, kReservedSize> Reserved{};  // kept as read
  ShortString<100> GameTitle;
  ShortString<100> GameCode;  // the decoded check string
  int32_t ShowLocationNumbers = 0;
  int32_t ReportChanges = 0;

  void Encode(uint8_t* out) const;
  static WorldState Decode(const uint8_t* in);
};

}  // namespace qv
