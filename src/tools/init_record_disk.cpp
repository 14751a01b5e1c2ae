#include "tools/init_record_disk.h"

#include <fstream>

namespace qv {

std::filesystem::path InitRecordPathIn(const std::filesystem::path& dir) {
  return dir / "data" / "inicializace.qvl";
}

std::variant<InitRecordBytes, std::string> ReadInitRecordBytes(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return file.generic_string() + ": no such file";
  std::ifstream in(file, std::ios::binary);
  InitRecordBytes raw{};
  in.read(reinterpret_cast<char*>(raw.data()), raw.size());
  if (in.bad()) return file.generic_string() + ": cannot be read";
  if (static_cast<std::size_t>(in.gcount()) < raw.size())
    return file.generic_string() + ": " + std::to_string(in.gcount()) +
           " bytes; an initialization record has 240";
  return raw;
}

std::variant<std::string, std::string> ReadCheckString(const std::filesystem::path& dir) {
  auto raw = ReadInitRecordBytes(InitRecordPathIn(dir));
  if (auto* message = std::get_if<std::string>(&raw)) return std::variant<std::string, std::string>(std::in_place_index<1>, *message);
  const InitRecord record = InitRecord::Decode(std::get<InitRecordBytes>(raw).data());
  return std::variant<std::string, std::string>(std::in_place_index<0>, DecodeCheckString(record.CheckString.str()));
}

}  // namespace qv
