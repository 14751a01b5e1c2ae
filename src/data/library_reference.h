// Library references in gamebook text: "#knihovna_" + NAME + ";" stands for
// the text of library NAME.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

inline constexpr std::string_view kLibraryReference = "#knihovna_";

// Position of the first "#knihovna_" at or after `from`, in any case; npos
// when there is none.
std::size_t FindReferenceIgnoringCase(std::string_view text, std::size_t from);

// Equality with Windows-1250 case folding (č equals Č).
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The name a reference text ("#knihovna_" + ... up to its ";", not included)
// stands for: every "#knihovna_" in any case removed, blanks (bytes up to
// 0x20) trimmed from both ends.
std::string ReferenceName(std::string_view reference);

// What a reference to a library whose file does not exist shows instead: a
// text element telling the player which library is missing.
std::string MissingLibraryNotice(std::string_view name);

}  // namespace qv
