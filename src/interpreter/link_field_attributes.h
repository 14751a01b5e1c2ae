// The attributes TEXT, M/MENU, ZPET and OBRAZEKVTEXTU share for what they
// link to: PREPREFIX (option library put before the target), PRESMERUJ
// (library the location source switches to) and attributes named by a whole
// number n >= 1 (variable n set to the value when the link is followed).
#pragma once

#include "parser/tag_store.h"
#include "ui/link_fields.h"

namespace qv {

// Applies the attribute to `link` when it is one of the link field
// attributes and returns true; returns false and changes nothing otherwise.
// A numeric name's value must be an integer (ConversionError otherwise). A
// fifth and later assignment of one tag has no slot and is dropped.
bool ApplyLinkField(LinkFields& link, const param& attribute);

}  // namespace qv
