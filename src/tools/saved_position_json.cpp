#include "tools/saved_position_json.h"

#include "data/cp1250.h"
#include "data/record_json_writer.h"
#include "state/saved_position.h"

namespace qv {

std::variant<nlohmann::ordered_json, std::string> SavedPositionToJson(
    std::span<const uint8_t> bytes, std::string_view file_name) {
  using Layout = SavedPositionLayout;
  if (bytes.size() != Layout::kSize)
    return std::string(file_name) + ": " + std::to_string(bytes.size()) +
           " bytes; a saved position has exactly " + std::to_string(Layout::kSize);
  const SavedPositionReadResult read = DecodeSavedPosition(bytes, Utf8ToCp1250(file_name));
  if (!read.ok()) return Cp1250ToUtf8(read.Error.Message);
  return RecordJson<nlohmann::ordered_json>(*read.Position);
}

}  // namespace qv
