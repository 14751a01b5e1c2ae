// Zip archives written by the tests with libzip, including the entries a
// hostile archive would carry (links, "../" names, special files).
#pragma once

#include <sys/stat.h>
#include <zip.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qv {

struct ZipEntry {
  std::string Name;  // ends in '/' for a folder
  std::string Bytes;
  std::optional<mode_t> UnixMode;  // stored as the entry's Unix attributes
};

inline void WriteZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries) {
  int error = 0;
  zip_t* zip = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(zip, nullptr) << error;
  for (const ZipEntry& entry : entries) {
    zip_int64_t index = -1;
    if (!entry.Name.empty() && entry.Name.back() == '/') {
      index = zip_dir_add(zip, entry.Name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
      // libzip reads the bytes when the archive is closed; `entries` lives
      // until then.
      zip_source_t* source = zip_source_buffer(zip, entry.Bytes.data(), entry.Bytes.size(), 0);
      index = zip_file_add(zip, entry.Name.c_str(), source, ZIP_FL_ENC_UTF_8);
      if (index < 0) zip_source_free(source);
    }
    ASSERT_GE(index, 0) << entry.Name << ": " << zip_strerror(zip);
    if (entry.UnixMode) {
      ASSERT_EQ(zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0,
                                                 ZIP_OPSYS_UNIX, *entry.UnixMode << 16),
                0);
    }
  }
  ASSERT_EQ(zip_close(zip), 0);
}

}  // namespace qv
