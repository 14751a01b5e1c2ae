// One fault the checker found: where (the author's own file and line) and
// what. An error stops or breaks something in play; a warning is legal text
// that almost surely does not do what its author meant.
#pragma once

#include <string>
#include <vector>

namespace qv {

struct Finding {
  std::string File;  // relative to the gamebook folder, e.g. data/data.qvl
  int Line = 0;      // from 1; 0 when the fault is the file's as a whole
  std::string Message;
  bool Warning = false;

  friend bool operator==(const Finding&, const Finding&) = default;
};

// Sorted by file, then line; findings on one line keep the order they were
// found in. Exact repeats are dropped.
void SortFindings(std::vector<Finding>& findings);

// "file:line: message", or "file: message" for line 0; a warning's message
// starts with "warning: ".
std::string FormatFinding(const Finding& finding);

// The closing line of a check: "N errors", and ", M warnings" when there are
// any.
std::string FindingCount(const std::vector<Finding>& findings);

// The errors among the findings; warnings do not fail a check.
std::size_t ErrorCount(const std::vector<Finding>& findings);

}  // namespace qv
