#include "text/text_command.h"

#include <charconv>
#include <optional>
#include <vector>

#include "script/script_reader.h"

namespace qv {

namespace {

std::string Lower(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return word;
}

// A positive decimal number, nothing else.
std::optional<int32_t> Number(std::string_view word) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < 1) return std::nullopt;
  return value;
}

TextCommand Make(TextCommand::Kind kind, int32_t number = 0, std::string word = {}) {
  return TextCommand{kind, number, std::move(word)};
}

}  // namespace

TextCommand ParseTextCommand(std::string_view line) {
  using Kind = TextCommand::Kind;
  const std::vector<std::string> words = SplitWords(line);
  if (words.empty()) return Make(Kind::Wait);
  const std::string first = Lower(words[0]);
  if (words.size() == 1) {
    if (const auto n = Number(first)) return Make(Kind::Choose, *n);
    if (first == "h" || first == "?" || first == "help") return Make(Kind::Help);
    if (first == "r") return Make(Kind::Reprint);
    if (first == "n" || first == "napoveda") return Make(Kind::GameHelp);
    if (first == "c" || first == "pokracovat") return Make(Kind::Continue);
    if (first == "postava" || first == "ch") return Make(Kind::Button, 0, "postava");
    if (first == "vybaveni" || first == "inv") return Make(Kind::Button, 0, "vybaveni");
    if (first == "audio" || first == "a") return Make(Kind::Button, 0, "audio");
    if (first == "q" || first == "konec" || first == "quit") return Make(Kind::Quit);
    // "t3" as well as "t 3".
    if (first.size() > 1 && (first[0] == 't' || first[0] == 'p')) {
      if (const auto n = Number(std::string_view(first).substr(1))) {
        return Make(first[0] == 't' ? Kind::TextLink : Kind::PictureLink, *n);
      }
    }
  }
  if (words.size() == 2 && (first == "t" || first == "p")) {
    if (const auto n = Number(words[1])) {
      return Make(first == "t" ? Kind::TextLink : Kind::PictureLink, *n);
    }
  }
  return Make(Kind::Unknown);
}

}  // namespace qv
