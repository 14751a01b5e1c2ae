#include "script/load_list.h"

#include <chrono>
#include <ctime>
#include <utility>

#include "data/cp1250.h"
#include "state/keyword_values.h"

namespace qv {

namespace {

constexpr std::string_view kExtension = ".pzv";

bool HasSaveExtension(const std::string& name) {
  if (name.size() < kExtension.size()) return false;
  for (std::size_t i = 0; i < kExtension.size(); ++i) {
    const char c = name[name.size() - kExtension.size() + i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != kExtension[i]) return false;
  }
  return true;
}

LocalDateTime LocalTimeOf(std::filesystem::file_time_type moment) {
  const auto system = std::chrono::file_clock::to_sys(moment);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
  std::tm local{};
  localtime_r(&seconds, &local);
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace

std::vector<LoadListEntry> BuildLoadList(const std::filesystem::path& folder) {
  std::vector<LoadListEntry> entries;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return entries;
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) break;
    if (entries.size() >= kLoadListCollected) break;
    if (!it->is_regular_file(error)) continue;
    const std::string file_name = it->path().filename().string();
    if (!HasSaveExtension(file_name)) continue;
    LoadListEntry entry;
    entry.Name = Utf8ToCp1250(file_name.substr(0, file_name.size() - kExtension.size()));
    entry.Modified = it->last_write_time(error);
    if (error) continue;
    entries.push_back(std::move(entry));
  }
  // Newest first, by the list's own exchange sort (entries of equal age end
  // up in the order this sort leaves them).
  for (std::size_t j = 0; j < entries.size(); ++j) {
    for (std::size_t k = j; k < entries.size(); ++k) {
      if (entries[j].Modified < entries[k].Modified) std::swap(entries[j], entries[k]);
    }
  }
  if (entries.size() > kLoadListShown) entries.resize(kLoadListShown);
  for (LoadListEntry& entry : entries) {
    entry.Caption = entry.Name + " [" + FormatShortDate(LocalTimeOf(entry.Modified)) + "]";
  }
  return entries;
}

}  // namespace qv
