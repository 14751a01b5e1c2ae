#include "parser/library_splices.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "data/marker_index.h"
#include "data/text_case.h"

namespace qv {

LibrarySplices::LibrarySplices(std::vector<LibrarySplice> splices) : splices_(std::move(splices)) {}

std::string LibrarySplices::Join(std::string_view text, std::size_t begin, std::size_t end) const {
  const auto first = std::lower_bound(
      splices_.begin(), splices_.end(), begin,
      [](const LibrarySplice& splice, std::size_t at) { return splice.Begin < at; });
  auto last = first;
  // The result is allocated once at its size: the whole text can be
  // hundreds of megabytes, and growing it as it is written copies it again.
  std::size_t size = end - begin;
  for (; last != splices_.end() && last->End <= end; ++last) {
    size = size - (last->End - last->Begin) + last->Text.size();
  }
  std::string out;
  out.reserve(size);
  std::size_t copied = begin;
  for (auto it = first; it != last; ++it) {
    out.append(text.substr(copied, it->Begin - copied));
    out.append(it->Text);
    copied = it->End;
  }
  out.append(text.substr(copied, end - copied));
  return out;
}

void LibrarySplices::KeepOwnTexts() {
  std::unordered_map<const char*, std::string_view> kept;
  for (LibrarySplice& splice : splices_) {
    auto it = kept.find(splice.Text.data());
    if (it == kept.end() || it->second.size() != splice.Text.size()) {
      own_texts_.push_back(std::make_unique<const std::string>(splice.Text));
      it = kept.insert_or_assign(splice.Text.data(), std::string_view(*own_texts_.back())).first;
    }
    splice.Text = it->second;
  }
}

bool LibrarySplices::KeepMarkers(std::string_view text, const ConstantTable& constants) const {
  // A byte that could continue a marker's digits, or a stretch the
  // constants look at, across the edge of a text put in.
  const auto joins = [&constants](char c) {
    return IsAsciiDigit(c) || constants.MayBeInName(static_cast<unsigned char>(c));
  };
  const auto stands_alone = [&](std::string_view put) {
    return !put.empty() && !joins(put.front()) && put.front() != '>' && !joins(put.back()) &&
           put.back() != '<' && !HoldsLocationMarker(put) &&
           (constants.List().empty() || constants.LeavesMarkersAlone(put));
  };
  std::unordered_map<const char*, bool> checked;
  for (const LibrarySplice& splice : splices_) {
    // A marker inside a reference would be gone once it is replaced.
    if (text.substr(splice.Begin, splice.End - splice.Begin).find('<') != std::string_view::npos) {
      return false;
    }
    const auto [it, fresh] = checked.try_emplace(splice.Text.data(), false);
    if (fresh) it->second = stands_alone(splice.Text);
    if (!it->second) return false;
  }
  return true;
}

}  // namespace qv
