// Czech texts written readably in a test: Cz("Nastavení") is the
// Windows-1250 bytes the engine keeps ("Nastaven\xED"), made by the engine's
// own converter so tests and code share one mapping table.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The Windows-1250 bytes of a UTF-8 text. A character the code page has no
// byte for (or malformed UTF-8) throws std::invalid_argument: the converter
// would quietly write '?', and a test would then compare the wrong bytes.
std::string Cz(std::string_view utf8);

}  // namespace qv
