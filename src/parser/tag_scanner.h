// The scanner of location text: tags in angle brackets, condition blocks in
// square brackets around groups of them.
//
//   [ZIVOTY 0 < "5"]<text obsah="Jsi zraněn.">[/]
//
// The scanner walks the text once, byte by byte, and appends one TagEntry per
// tag, with copies of the conditions of the blocks around it. It steps on by
// one byte also after a tag, so the bytes of attribute values are looked at
// again: a "[" inside a value opens a block and a "<" inside a value starts a
// tag. Between "[" and "]" a "<" is part of a condition, not a tag. Gamebooks
// rely on this behaviour, so it is kept.
//
// Bad data never makes the scanner read or write outside the text or the
// tables; it is handled like this:
//  - More than 400 tags: the 401st and later are not stored.
//  - More than 10 attributes: the further ones are read past but not stored;
//    the attribute count stays 10.
//  - Blocks nested deeper than 15: still counted, so that their closings match
//    the right openings, but their conditions are neither parsed nor stored.
//    Tags inside carry the 15 outer conditions (condition count 15).
//  - A closing "[/" with no block open is ignored; the depth never goes below 0
//    (a negative depth found in the table counts as 0).
//  - The tags of one scan look at no more than TagByteBudget(text size)
//    bytes together (each tag from its "<" to its ">", or only up to the end
//    of its tenth attribute). A tag that does not fit is not stored, nor is
//    any later one, as past the 400th. Tags that do not overlap always fit;
//    the budget stops texts such as a run of "<" before one long value
//    without its closing quote or ">", where each of 400 tags would copy the
//    rest of the text.
//  - A tag without its ">" ends at the end of the text. An attribute without
//    "=" takes the rest of the tag as its name; a value without its opening
//    quote is empty; a value without its closing quote runs to the end of the
//    tag, not including the ">".
#pragma once

#include <cstddef>
#include <string_view>

#include "parser/tag_store.h"

namespace qv {

// What the tags of a scan may look at beyond twice the text.
inline constexpr std::size_t kTagByteBudgetFloor = std::size_t{1} << 20;

// The bytes the tags of one scan of a text of this size may look at: every
// byte inside two tags, and 1 MiB more.
std::size_t TagByteBudget(std::size_t text_size);

// Appends the tags of text to store, using and updating store.Blocks (its
// depth is not reset here: the caller sets it to 0 before a fetch) and
// store.ConditionSerial.
void ScanLocation(std::string_view text, TagStore& store);

// Parses the tag whose "<" stands at text[lt] and appends it to store with
// the conditions of store.Blocks, unless it is a location marker: a tag of
// digits only, such as <12>, or the empty <>.
//
// Tag and attribute names are upper-cased; an attribute name keeps only the
// ASCII letters and digits written before its "=" (ob_sah is OBSAH). A value
// keeps every byte between its double quotes.
void ParseTag(std::string_view text, std::size_t lt, TagStore& store);

}  // namespace qv
