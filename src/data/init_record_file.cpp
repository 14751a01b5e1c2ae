#include "data/init_record_file.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace qv {
namespace {

// "Nelze načíst <path>: " in Windows-1250.
std::string CannotLoad() { return std::string("Nelze na\xE8\xEDst ") + kInitRecordPath + ": "; }

InitRecordRead Failed(std::string reason) {
  return InitRecordRead{std::nullopt, CannotLoad() + reason};
}

}  // namespace

InitRecordRead ReadInitRecordFile() {
  std::error_code ec;
  if (!std::filesystem::exists(kInitRecordPath, ec)) {
    return Failed("soubor chyb\xED");  // soubor chybí
  }
  std::array<uint8_t, InitRecord::kSize> raw{};
  std::ifstream in;
  if (!std::filesystem::is_directory(kInitRecordPath, ec))
    in.open(kInitRecordPath, std::ios::binary);
  if (in.is_open()) in.read(reinterpret_cast<char*>(raw.data()), raw.size());
  if (!in.is_open() || in.bad()) {
    return Failed("soubor nelze \xE8\xEDst");  // soubor nelze číst
  }
  if (static_cast<std::size_t>(in.gcount()) < raw.size()) {
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
