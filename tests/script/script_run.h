// Running a play script in-process over a gamebook written by the test, and
// reading back the JSON lines it printed.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_options.h"
#include "script/script_runner.h"
#include "support/gamebook_fixture.h"

namespace qv {

struct ScriptResult {
  int Status = -1;
  std::vector<nlohmann::ordered_json> Lines;  // every printed line, parsed

  const nlohmann::ordered_json& Last() const { return Lines.back(); }
};

inline ScriptResult RunScriptText(std::string_view script, const ScriptOptions& options = {}) {
  std::istringstream in{std::string(script)};
  std::ostringstream out;
  ScriptResult result;
  result.Status = RunScript(in, out, options);
  std::istringstream printed(out.str());
  std::string line;
  while (std::getline(printed, line)) {
    result.Lines.push_back(nlohmann::ordered_json::parse(line));
  }
  return result;
}

// A gamebook in a fresh working directory, played by scripts.
class ScriptedGamebook : public GamebookFixture {
 protected:
  // Writes the record unless the test wrote one, then runs the script.
  ScriptResult Play(std::string_view script, const ScriptOptions& options = {}) {
    if (!std::filesystem::exists("data/inicializace.qvl")) WriteInitRecord(TestInitRecord());
    return RunScriptText(script, options);
  }
};

}  // namespace qv
