#include "comforts/transcript_writer.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "comforts/page_utterances.h"
#include "data/contained_files.h"
#include "data/cp1250.h"
#include "data/file_descriptor.h"

namespace qv {

std::variant<TranscriptWriter, std::string> TranscriptWriter::Open(const std::string& path) {
  const auto refused = [&path](const char* why) {
    return "cannot write the transcript '" + path + "': " + why;
  };
  // The folder is the one the player named; the file itself is appended to
  // only when it is a regular file, never through a link at its name.
  const std::filesystem::path file_path(path);
  const std::filesystem::path parent =
      file_path.has_parent_path() ? file_path.parent_path() : std::filesystem::path(".");
  const FileDescriptor folder(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return refused(std::strerror(errno));
  FileDescriptor appended = AppendToFileInFolder(folder.Get(), file_path.filename().string());
  if (!appended) {
    if (errno == ELOOP) return refused("it is a symbolic link");
    if (errno == EINVAL) return refused("it is not a regular file");
    return refused(std::strerror(errno));
  }
  std::FILE* file = ::fdopen(appended.Get(), "ab");
  if (!file) return refused(std::strerror(errno));
  appended.Release();
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
