// What each attribute of the engine's commands means, for the checker: which
// values name a location, a library, a picture, a sound, a catalog entry or a
// variable, and which must be whole numbers. The tag names are those of the
// interpreter's CommandTable; a test keeps the two in step.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace qv {

enum class Role {
  Text,          // any text
  Int,           // a whole number
  Location,      // a location number (0 = none)
  Library,       // a library name
  RedirectLib,   // a library name, "*" = none, empty = none
  Picture,       // a file in ./obrazky/
  Sound,         // a file in ./audio/
  Variable,      // a variable number 1..999
  TextSlot,      // a text slot 1..10
  Weapon,        // catalog entry numbers 1..100
  Armour,
  Item,
  Object,
  Spell,
  Attack,
  Colour,        // a colour name or *BBGGRR
  Dice,          // e.g. 2k6+1
  Expression,    // an integer expression
};

// How a command reads attributes whose name is a number: the name's meaning
// and the value's. None: such names are unknown attributes.
struct NumericNames {
  Role Name;
  Role Value;
};

struct AttributeRole {
  std::string_view Name;  // upper case
  Role Value;
};

struct CommandRoles {
  std::vector<AttributeRole> Named;
  std::optional<NumericNames> Numeric;
  bool AnyName = false;  // the name is not read at all (ODSTRANZBRAN ...)
  Role AnyNameValue = Role::Text;
};

// The roles of an upper-case tag name, or null when the engine has no such
// command.
const CommandRoles* FindCommandRoles(std::string_view tag);

// Every tag name the table knows, for the test against the CommandTable.
std::vector<std::string_view> KnownCommandNames();

}  // namespace qv
