#include "script/script_reader.h"

namespace qv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<ScriptLine> ParseScriptLine(std::string_view text, int number) {
  // Scripts written on Windows end their lines with CR LF.
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  if (start == text.size() || text[start] == '#') return std::nullopt;

  ScriptLine line;
  line.Number = number;
  std::size_t pos = start;
  while (pos < text.size() && !IsBlank(text[pos])) ++pos;
  line.Command = std::string(text.substr(start, pos - start));
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  line.Text = std::string(text.substr(pos));
  while (pos < text.size()) {
    const std::size_t word = pos;
    while (pos < text.size() && !IsBlank(text[pos])) ++pos;
    line.Arguments.emplace_back(text.substr(word, pos - word));
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
  }
  return line;
}

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

std::optional<ScriptLine> ScriptReader::Next() {
  std::string text;
  while (std::getline(in_, text)) {
    ++number_;
    // A byte order mark some editors put before the first line.
    if (number_ == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    if (std::optional<ScriptLine> line = ParseScriptLine(text, number_)) return line;
  }
  return std::nullopt;
}

}  // namespace qv
