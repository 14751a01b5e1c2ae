#include "data/init_record_file.h"

#include <array>
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
  const std::optional<std::size_t> got =
      file ? ReadUpTo(file.Get(), raw.data(), raw.size()) : std::nullopt;
  if (!got) return Failed("soubor nelze \xE8\xEDst");  // soubor nelze číst
  if (*got < raw.size()) {
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
