#include "comforts/page_history.h"

#include <charconv>

namespace qv {

void PageHistory::Add(HistoryPage page) {
  pages_.push_back(std::move(page));
  while (pages_.size() > kMaxPages) pages_.pop_front();
}

namespace {

// A text's lines, its CR LF, lone CR or LF breaks each ending one.
void AppendTextLines(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    out += "| ";
    out.append(text.substr(start, i - start));
    out += '\n';
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
}

std::string_view WithoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::string PageHistory::FileText() const {
  std::string out;
  for (const HistoryPage& page : pages_) {
    out += "@ " + std::to_string(page.Location) + '\n';
    for (std::size_t t = 0; t < page.Texts.size(); ++t) {
      if (t > 0) out += "|\n";
      AppendTextLines(out, page.Texts[t]);
    }
    if (!page.Choice.empty()) {
      std::string_view choice = page.Choice;
      // A choice is one line: its own breaks would start a new record.
      out += "> ";
      for (const char c : choice) out += (c == '\r' || c == '\n') ? ' ' : c;
      out += '\n';
    }
  }
  return out;
}

PageHistory PageHistory::ParseFileText(std::string_view text) {
  PageHistory history;
  HistoryPage page;
  bool in_page = false;
  bool text_open = false;  // the last line was a text line of the current text
  const auto finish = [&] {
    if (in_page) history.Add(std::move(page));
    page = HistoryPage{};
    in_page = false;
    text_open = false;
  };
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = WithoutLineEnd(text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with("@ ")) {
      finish();
      const std::string_view number = line.substr(2);
      int32_t location = 0;
      const auto [ptr, error] =
          std::from_chars(number.data(), number.data() + number.size(), location);
      if (error != std::errc() || ptr != number.data() + number.size()) continue;
      page.Location = location;
      in_page = true;
    } else if (!in_page) {
      continue;
    } else if (line == "|") {
      text_open = false;
    } else if (line.starts_with("| ")) {
      if (text_open) {
        page.Texts.back() += "\r\n";
        page.Texts.back().append(line.substr(2));
      } else {
        page.Texts.emplace_back(line.substr(2));
        text_open = true;
      }
    } else if (line.starts_with("> ")) {
      page.Choice = std::string(line.substr(2));
      text_open = false;
    }
  }
  finish();
  return history;
}

std::string HistoryFilePath(std::string_view name) {
  return "./save/" + std::string(name) + ".historie";
}

}  // namespace qv
