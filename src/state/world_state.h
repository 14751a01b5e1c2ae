// WorldState: variables, text slots, the current location and page menu,
// display settings and flags. 12908 bytes, written as they are into every
// saved position, so the layout below is a file format.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "data/record_fields.h"
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

template <>
struct RecordFields<WorldState> {
  static constexpr std::size_t kSize = WorldState::kSize;
  template <class V>
  static constexpr void Describe(V& v) {
    using R = WorldState;
    v.Field("variables", R::kVariablesOffset, &R::Variables);
    v.Field("strings", R::kStringsOffset, &R::Strings);
    v.Field("redirect_name", R::kRedirectNameOffset, &R::RedirectName);
    v.Padding(5107, 1);
    v.Field("location", R::kLocationOffset, &R::Location);
    v.Field("previous_location", R::kPreviousLocationOffset, &R::PreviousLocation);
    v.Field("default_menu_colour", R::kDefaultMenuColourOffset, &R::DefaultMenuColour, kColour);
    v.Field("default_text_colour", R::kDefaultTextColourOffset, &R::DefaultTextColour, kColour);
    v.Field("menu_heading_colour", R::kMenuHeadingColourOffset, &R::MenuHeadingColour, kColour);
    v.Field("menu_heading", R::kMenuHeadingOffset, &R::MenuHeading);
    v.Field("music_name", R::kMusicNameOffset, &R::MusicName);
    v.Padding(5330, 2);
    v.Field("music_kind", R::kMusicKindOffset, &R::MusicKind);
    v.Field("prefix_enabled", R::kPrefixEnabledOffset, &R::PrefixEnabled);
    v.Field("suffix_enabled", R::kSuffixEnabledOffset, &R::SuffixEnabled);
    v.Field("prefix_name", R::kPrefixNameOffset, &R::PrefixName);
    v.Field("suffix_name", R::kSuffixNameOffset, &R::SuffixName);
    v.Field("sheet_allowed", R::kSheetAllowedOffset, &R::SheetAllowed);
    v.Field("equipment_allowed", R::kEquipmentAllowedOffset, &R::EquipmentAllowed);
    v.Padding(5542, 2);
    // The count is stored after the options but shown before them.
    v.Field("menu_option_count", R::kMenuOptionCountOffset, &R::MenuOptionCount);
    v.Counted("menu_options", R::kMenuOptionsOffset, &R::MenuOptions, &R::MenuOptionCount);
    v.Field("reserved", R::kReservedOffset, &R::Reserved, kHidden);
    v.Field("game_title", R::kGameTitleOffset, &R::GameTitle);
    v.Field("game_code", R::kGameCodeOffset, &R::GameCode);
    v.Padding(12898, 2);
    v.Field("show_location_numbers", R::kShowLocationNumbersOffset, &R::ShowLocationNumbers);
    v.Field("report_changes", R::kReportChangesOffset, &R::ReportChanges);
  }
};

}  // namespace qv
