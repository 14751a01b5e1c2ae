#include "comforts/page_utterances.h"

#include <algorithm>

namespace qv {

std::string SpokenLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  bool blank = false;
  for (const char c : text) {
    if (c == '\r' || c == '\n' || c == '\t' || c == ' ') {
      blank = !line.empty();
      continue;
    }
    if (blank) line += ' ';
    blank = false;
    line += c;
  }
  return line;
}

std::vector<std::string> ColumnTexts(const GameWindow& window) {
  struct Placed {
    int Top;
    std::string Text;
  };
  std::vector<Placed> placed;
  for (const TXLabel& block : window.TextBlocks) {
    std::string line = SpokenLine(block.Text);
    if (!line.empty()) placed.push_back({block.Top, std::move(line)});
  }
  for (const TXImage& picture : window.InTextPictures) {
    std::string line = SpokenLine(picture.Hint);
    if (!line.empty()) placed.push_back({picture.Top, std::move(line)});
  }
  // Scrolling moves every element alike, so the tops keep the column's order;
  // elements side by side keep the order they were placed in.
  std::stable_sort(placed.begin(), placed.end(),
                   [](const Placed& a, const Placed& b) { return a.Top < b.Top; });
  std::vector<std::string> texts;
  texts.reserve(placed.size());
  for (Placed& p : placed) texts.push_back(std::move(p.Text));
  return texts;
}

std::vector<std::string> PageUtterances(const GameWindow& window,
                                        const std::deque<std::string>& messages) {
  std::vector<std::string> utterances = ColumnTexts(window);
  int number = 0;
  for (const TLELabel& option : window.OptionLabels) {
    ++number;
    utterances.push_back(std::to_string(number) + ". " + SpokenLine(option.Caption));
  }
  for (const std::string& message : messages) {
    std::string line = SpokenLine(message);
    if (!line.empty()) utterances.push_back(std::move(line));
  }
  return utterances;
}

}  // namespace qv
