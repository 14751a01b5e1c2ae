// Reading the gamebook's initialization record from disk.
#pragma once

#include <optional>

#include "data/init_record.h"
#include "host/host.h"

namespace qv {

inline constexpr const char* kInitRecordPath = "./data/inicializace.qvl";

// Reads the first 240-byte record of ./data/inicializace.qvl and decodes its
// check string in place: the returned record holds the check string itself,
// not its stored form. When the file is missing, shorter than one record or
// unreadable, a message naming the file is shown through the host and the
// result is empty.
std::optional<InitRecord> LoadInitRecord(Host& host);

}  // namespace qv
