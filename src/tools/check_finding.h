// One fault the checker found: where (the author's own file and line) and
// what.
#pragma once

#include <string>
#include <vector>

namespace qv {

struct Finding {
  std::string File;  // relative to the gamebook folder, e.g. data/data.qvl
  int Line = 0;      // from 1; 0 when the fault is the file's as a whole
  std::string Message;

  friend bool operator==(const Finding&, const Finding&) = default;
};

// Sorted by file, then line; findings on one line keep the order they were
// found in. Exact repeats are dropped.
void SortFindings(std::vector<Finding>& findings);

// "file:line: message", or "file: message" for line 0.
std::string FormatFinding(const Finding& finding);

}  // namespace qv
