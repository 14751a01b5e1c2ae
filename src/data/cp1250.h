// Conversion between the engine's Windows-1250 texts and UTF-8.
//
// The engine keeps every text as Windows-1250 bytes; the platform (window
// titles, fonts, file names on disk) speaks UTF-8. Both directions are total:
// no byte is ever dropped.
//
// Windows-1250 leaves five bytes unassigned: 0x81, 0x83, 0x88, 0x90 and 0x98.
// They are carried through UTF-8 as the private-use characters U+F700 + byte
// (U+F781, U+F783, U+F788, U+F790, U+F798), so a text of any bytes survives a
// round trip unchanged.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Every byte becomes one character; the five unassigned bytes become their
// private-use characters.
std::string Cp1250ToUtf8(std::string_view text);

// Every character that Windows-1250 holds becomes its byte (the five
// private-use characters above become the unassigned bytes). A character it
// cannot hold becomes '?', and so does each byte of malformed UTF-8 (stray
// continuation bytes, truncated or overlong sequences, surrogates, values
// past U+10FFFF).
std::string Utf8ToCp1250(std::string_view text);

}  // namespace qv
