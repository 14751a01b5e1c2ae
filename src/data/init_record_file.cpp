#include "data/init_record_file.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>

#include "data/contained_files.h"

namespace qv {
namespace {

// "Nelze načíst <path>: " in Windows-1250.
std::string CannotLoad() { return std::string("Nelze na\xE8\xEDst ") + kInitRecordPath + ": "; }

InitRecordRead Failed(std::string reason) {
  return InitRecordRead{std::nullopt, CannotLoad() + reason};
}

}  // namespace

InitRecordRead ReadInitRecordFile() {
  if (KindOfEntry(kInitRecordPath) == EntryKind::Missing) {
    return Failed("soubor chyb\xED");  // soubor chybí
  }
  // Only the first record is read, whatever the file's size.
  const FileDescriptor file = OpenContainedFile(kInitRecordPath);
  std::array<uint8_t, InitRecord::kSize> raw{};
  std::size_t got = 0;
  while (file && got < raw.size()) {
    const ssize_t n = ::read(file.Get(), raw.data() + got, raw.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failed("soubor nelze \xE8\xEDst");  // soubor nelze číst
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (!file) return Failed("soubor nelze \xE8\xEDst");
  if (got < raw.size()) {
    // soubor je kratší než 240 bajtů
    return Failed("soubor je krat\x9A\xED ne\x9E " + std::to_string(InitRecord::kSize) +
                  " bajt\xF9");
  }
  InitRecord record = InitRecord::Decode(raw.data());
  record.CheckString = DecodeCheckString(record.CheckString.str());
  return InitRecordRead{record, std::string()};
}

std::optional<InitRecord> LoadInitRecord(Host& host) {
  InitRecordRead read = ReadInitRecordFile();
  if (!read.Record) host.ShowMessage(read.Failure);
  return std::move(read.Record);
}

}  // namespace qv
