// The initialization record as a text an author can read and write:
//
//   zivoty = 20
//   title = "Hájovna"
//
// one line per field of the 240-byte record, in the order and with the names
// of its field list (RecordFields<InitRecord>, data/init_record.h), numbers in
// decimal, texts in double quotes (UTF-8, with \" \\ and \xHH for a raw
// Windows-1250 byte). The check string is written in its plain form; the
// record stores it shifted. Bytes the named fields leave open (padding after
// a text, the unread bytes 103 and 235, the check string's dropped last byte)
// appear on a `raw_bytes` line only when they are not zero, so that a record
// shown as text and written back is the same record byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/init_record.h"

namespace qv {

using InitRecordBytes = std::array<uint8_t, InitRecord::kSize>;

// The text of a record, as stored on disk.
std::string InitRecordToText(const InitRecordBytes& raw);

struct InitTextError {
  int Line = 0;  // 0: not tied to one line (a missing field)
  std::string Message;
};

struct InitTextResult {
  std::optional<InitRecordBytes> Record;  // set when the text has no error
  std::vector<InitTextError> Errors;      // in line order
};

// The record a text describes. Every field must be given exactly once.
InitTextResult InitRecordFromText(std::string_view text);

}  // namespace qv
