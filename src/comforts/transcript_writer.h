// The transcript: the story as it is played, appended to a file the player
// named, in UTF-8 so any editor or reader shows it. Each page starts with its
// location in brackets, then its texts as paragraphs; messages follow as
// "* " lines, the lines of a finished fight as "~ " lines, and the choice
// that leads on as a "> " line.
//
// The file is the player's own, named on the command line, so it may be
// anywhere; it is opened for appending and never truncated, and every entry
// is flushed, so a transcript survives a crash up to its last page.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qv {

class TranscriptWriter {
 public:
  // Opens `path` for appending; the error text when it cannot be.
  static std::variant<TranscriptWriter, std::string> Open(const std::string& path);
  // Writes into a string instead, for tests and dumps.
  static TranscriptWriter InMemory();

  // All texts are Windows-1250.
  void Page(int32_t location, const std::vector<std::string>& texts);
  void Message(std::string_view text);
  void FightLines(const std::vector<std::string>& lines);
  void Choice(std::string_view caption);

  // What an in-memory transcript holds.
  const std::string& Text() const { return text_; }

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  void Write(const std::string& utf8);

  std::unique_ptr<std::FILE, FileCloser> file_;
  std::string text_;
};

}  // namespace qv
