// Reading a play script: one command per line, blank lines and lines starting
// with '#' skipped, arguments separated by blanks, a TEXT argument running to
// the end of the line.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct ScriptLine {
  int Number = 0;                      // 1-based, counting every line of the script
  std::string Command;                 // the first word
  std::vector<std::string> Arguments;  // the other words
  std::string Text;                    // everything after the command word and its blanks
};

// Splits one line (without its line end) into a command; nullopt for a blank
// line or a comment.
std::optional<ScriptLine> ParseScriptLine(std::string_view text, int number);

// The words of `text`, split at blanks (spaces and tabs) as script lines
// are; the terminal player splits what a person types the same way.
std::vector<std::string> SplitWords(std::string_view text);

class ScriptReader {
 public:
  explicit ScriptReader(std::istream& in) : in_(in) {}

  // The next command, or nullopt at the end of the script.
  std::optional<ScriptLine> Next();

 private:
  std::istream& in_;
  int number_ = 0;
};

}  // namespace qv
