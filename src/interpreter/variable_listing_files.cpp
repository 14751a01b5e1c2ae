#include "interpreter/variable_listing_files.h"

#include "data/contained_files.h"
#include "data/disk_path.h"

#include "interpreter/page_error.h"

namespace qv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kSeparatorLength = 35;

// "Chyba při zápisu souboru "
constexpr std::string_view kWriteFailed = "Chyba p\xF8i z\xE1pisu souboru ";

void WriteFile(std::string_view name, const std::string& text) {
  if (!ReplaceContainedFile(DiskPath(name), text, Durability::Plain)) {
    throw PageError(std::string(kWriteFailed) + std::string(name));
  }
}

}  // namespace

std::string VariableListing(const WorldState& world, bool non_zero_only) {
  std::string text;
  text.reserve(non_zero_only ? 256 : 40000);
  const auto listed = [&](int32_t value) { return !non_zero_only || value != 0; };
  const auto count = static_cast<int32_t>(WorldState::kVariableCount);

  for (int32_t n = 1; n <= count; ++n) {
    const int32_t value = world.Variables.Get(n);
    if (!listed(value)) continue;
    text += "$" + std::to_string(n) + " = " + std::to_string(value);
    text += kLineEnd;
  }

  text += kLineEnd;
  text += std::string(kSeparatorLength, '*');
  text += kLineEnd;
  text += kLineEnd;

  // Lines a gamebook author can paste into a location to restore the values.
  for (int32_t n = 1; n <= count; ++n) {
    const int32_t value = world.Variables.Get(n);
    if (!listed(value)) continue;
    text += "<promenna " + std::to_string(n) + "=\"" + std::to_string(value) + "\">";
    text += kLineEnd;
  }
  return text;
}

void WriteVariableListingFiles(const WorldState& world) {
  WriteFile(kAllVariablesFileName, VariableListing(world, false));
  WriteFile(kNonZeroVariablesFileName, VariableListing(world, true));
}

}  // namespace qv
