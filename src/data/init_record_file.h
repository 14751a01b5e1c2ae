// Reading the gamebook's initialization record from disk.
#pragma once

#include <optional>
#include <string>

#include "data/init_record.h"
#include "host/host.h"

namespace qv {

inline constexpr const char* kInitRecordPath = "./data/inicializace.qvl";

// The record as read, or why it could not be read.
struct InitRecordRead {
  std::optional<InitRecord> Record;
  std::string Failure;  // the message naming the file (Windows-1250); empty when read
};

// Reads the first 240-byte record of ./data/inicializace.qvl and decodes its
// check string in place: the record holds the check string itself, not its
// stored form. A file that is missing, shorter than one record or unreadable
// gives no record and the message that says so.
InitRecordRead ReadInitRecordFile();

// ReadInitRecordFile, with the message of a failure shown through the host.
std::optional<InitRecord> LoadInitRecord(Host& host);

}  // namespace qv
