#include "data/catalog_line_reader.h"

#include "data/conversion.h"
#include "data/text_case.h"

namespace qv {

CatalogLineReader::CatalogLineReader(std::string_view line) : line_(line) { line_ += ';'; }

std::string_view CatalogLineReader::DigitRun() {
  const std::size_t start = pos_;
  while (!AtEnd() && IsAsciiDigit(line_[pos_])) ++pos_;
  return std::string_view(line_).substr(start, pos_ - start);
}

int32_t CatalogLineReader::LeadingNumber() { return StrToInt(DigitRun()); }

int32_t CatalogLineReader::Number() {
  SkipToDigit();
  return StrToInt(DigitRun());
}

std::string CatalogLineReader::Text() {
  const std::size_t open = line_.find('"', pos_);
  const std::size_t close = open == std::string::npos ? open : line_.find('"', open + 1);
  if (close == std::string::npos) {
    pos_ = line_.size();
    return {};
  }
  pos_ = close + 1;
  return line_.substr(open + 1, close - open - 1);
}

void CatalogLineReader::SkipToDigit() {
  while (!AtEnd() && !IsAsciiDigit(line_[pos_])) ++pos_;
}

void CatalogLineReader::SkipPastComma() {
  const std::size_t comma = line_.find(',', pos_);
  pos_ = comma == std::string::npos ? line_.size() : comma + 1;
}

std::string_view CatalogLineReader::UpTo(std::string_view stops) {
  const std::size_t start = pos_;
  const std::size_t stop = line_.find_first_of(stops, pos_);
  pos_ = stop == std::string::npos ? line_.size() : stop;
  return std::string_view(line_).substr(start, pos_ - start);
}

std::string_view CatalogLineReader::UpToComma() {
  if (line_.find(',', pos_) != std::string::npos) return UpTo(",");
  return UpTo(";");
}

std::vector<std::string> CatalogLineReader::Entries() {
  std::vector<std::string> entries;
  UpTo(",;");
  while (At(',')) {
    ++pos_;
    entries.emplace_back(UpTo(",;"));
  }
  return entries;
}

std::string_view TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace qv
