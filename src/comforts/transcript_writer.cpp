#include "comforts/transcript_writer.h"

#include <cerrno>
#include <cstring>

#include "comforts/page_utterances.h"
#include "data/cp1250.h"

namespace qv {

std::variant<TranscriptWriter, std::string> TranscriptWriter::Open(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) {
    return "cannot write the transcript '" + path + "': " + std::strerror(errno);
  }
  TranscriptWriter writer;
  writer.file_.reset(file);
  return writer;
}

TranscriptWriter TranscriptWriter::InMemory() { return TranscriptWriter{}; }

void TranscriptWriter::Write(const std::string& utf8) {
  if (file_) {
    std::fwrite(utf8.data(), 1, utf8.size(), file_.get());
    std::fflush(file_.get());
  } else {
    text_ += utf8;
  }
}

void TranscriptWriter::Page(int32_t location, const std::vector<std::string>& texts) {
  std::string out = "[" + std::to_string(location) + "]\n";
  for (const std::string& text : texts) out += Cp1250ToUtf8(SpokenLine(text)) + "\n\n";
  Write(out);
}

void TranscriptWriter::Message(std::string_view text) {
  const std::string line = SpokenLine(text);
  if (!line.empty()) Write("* " + Cp1250ToUtf8(line) + "\n");
}

void TranscriptWriter::FightLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    const std::string spoken = SpokenLine(line);
    if (!spoken.empty()) out += "~ " + Cp1250ToUtf8(spoken) + "\n";
  }
  Write(out);
}

void TranscriptWriter::Choice(std::string_view caption) {
  Write("> " + Cp1250ToUtf8(SpokenLine(caption)) + "\n\n");
}

}  // namespace qv
