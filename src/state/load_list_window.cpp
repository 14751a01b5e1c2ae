#include "state/load_list_window.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>
#include <utility>

#include "data/contained_files.h"
#include "data/cp1250.h"
#include "state/keyword_values.h"

namespace qv {

namespace {

constexpr std::string_view kExtension = ".pzv";

// "*.pzv" as the system's file search matches it: the extension in any case.
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

// Links are left out: a position is only ever read from a file of the book.
std::vector<LoadListEntry> CollectPositions(const std::filesystem::path& folder) {
  std::vector<LoadListEntry> entries;
  for (const ContainedEntry& found : ListContainedDirectory(folder)) {
    if (found.Kind != EntryKind::File || !HasSaveExtension(found.Name)) continue;
    LoadListEntry entry;
    entry.FileName = Utf8ToCp1250(found.Name);
    entry.Name = entry.FileName.substr(0, entry.FileName.size() - kExtension.size());
    entry.Modified = found.Modified;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

void SortNewestFirst(std::vector<LoadListEntry>& entries) {
  if (entries.size() > kExchangeSortLimit) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LoadListEntry& a, const LoadListEntry& b) {
                       return a.Modified > b.Modified;
                     });
    return;
  }
  for (std::size_t j = 0; j < entries.size(); ++j) {
    for (std::size_t k = j; k < entries.size(); ++k) {
      if (entries[j].Modified < entries[k].Modified) std::swap(entries[j], entries[k]);
    }
  }
}

LoadListWindow::LoadListWindow(GameState& state, std::filesystem::path folder)
    : state_(state), folder_(std::move(folder)) {}

void LoadListWindow::FormShow() {
  Entries = CollectPositions(folder_);
  SortNewestFirst(Entries);
  if (!FirstName.empty()) {
    const auto first = std::find_if(Entries.begin(), Entries.end(),
                                    [&](const LoadListEntry& e) { return e.Name == FirstName; });
    if (first != Entries.end()) std::rotate(Entries.begin(), first, first + 1);
  }
  for (LoadListEntry& entry : Entries) {
    entry.Caption = entry.Name + " [" + FormatShortDate(LocalTimeOf(entry.Modified)) + "]";
  }
  ScrollTo(0);
}

void LoadListWindow::ScrollTo(std::size_t offset) {
  const std::size_t last_page = Entries.size() > kShown ? Entries.size() - kShown : 0;
  ScrollOffset = std::min(offset, last_page);
  ShowLabels();
}

void LoadListWindow::ShowLabels() {
  Labels.clear();
  Current = CurrentOption{};
  hovered_ = 0;
  const std::size_t shown = std::min(kShown, Entries.size() - ScrollOffset);
  for (std::size_t i = 1; i <= shown; ++i) {
    TLELabel label;
    label.Caption = Entries[ScrollOffset + i - 1].Caption;
    label.Top = kLabelSpacing * static_cast<int>(i) + kLabelOffset;
    label.idx = static_cast<int32_t>(ScrollOffset + i);
    label.HandCursor = true;
    Labels.push_back(std::move(label));
  }
}

void LoadListWindow::LabelMouseEnter(int n) {
  LabelMouseLeave();
  if (n < 1 || n > static_cast<int>(Labels.size())) return;
  Labels[static_cast<std::size_t>(n - 1)].MouseEnter(Current);
  hovered_ = n;
}

void LoadListWindow::LabelMouseLeave() {
  if (hovered_ >= 1 && hovered_ <= static_cast<int>(Labels.size())) {
    Labels[static_cast<std::size_t>(hovered_ - 1)].MouseLeave(Current);
  }
  hovered_ = 0;
}

bool LoadListWindow::LabelClick() {
  const int32_t n = Current.HoveredIndex;
  if (n < 1 || n > static_cast<int32_t>(Entries.size())) return false;
  state_.LoadRequested = true;
  state_.LoadFileName = "./save/" + Entries[static_cast<std::size_t>(n - 1)].FileName;
  Close();
  return true;
}

}  // namespace qv
