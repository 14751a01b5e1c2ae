// A gamebook archive: opened and checked, then every folder listed and every
// file read, as the player would read them through.
#include "data/zip_book.h"
#include "fuzz/fuzz_support.h"

#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::FreshScratchDir();
  qv::fuzz::WriteFile("book.zip", qv::fuzz::AsText(data, size));
  auto opened = qv::ZipBook::Open("book.zip");
  const auto* book = std::get_if<qv::ZipBook>(&opened);
  if (book == nullptr) return 0;
  std::vector<std::string> folders = book->Folders();
  folders.insert(folders.begin(), "");
  for (const std::string& folder : folders) {
    for (const qv::ContainedEntry& entry : book->List(folder)) {
      const std::string path = folder.empty() ? entry.Name : folder + "/" + entry.Name;
      if (entry.Kind == qv::EntryKind::File) book->Read(path, 1 << 20);
    }
  }
  return 0;
}
