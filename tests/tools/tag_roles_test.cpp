#include "tools/tag_roles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "interpreter/command_table.h"

namespace qv {
namespace {

// The checker knows exactly the tags the interpreter carries out.
TEST(TagRoles, MatchTheCommandTable) {
  CommandMap map;
  AddPageCommands(map);
  AddVariableCommands(map);
  AddPossessionCommands(map);
  AddFlowCommands(map);
  std::set<std::string> engine;
  for (const auto& [name, handler] : map) engine.insert(std::string(name));
  std::set<std::string> known;
  for (std::string_view name : KnownCommandNames()) known.insert(std::string(name));
  EXPECT_EQ(known, engine);
}

}  // namespace
}  // namespace qv
