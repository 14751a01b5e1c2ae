#include "tools/check_finding.h"

#include <algorithm>

namespace qv {

void SortFindings(std::vector<Finding>& findings) {
  std::vector<Finding> unique;
  for (Finding& f : findings) {
    if (std::find(unique.begin(), unique.end(), f) == unique.end()) unique.push_back(std::move(f));
  }
  std::stable_sort(unique.begin(), unique.end(), [](const Finding& a, const Finding& b) {
    return a.File != b.File ? a.File < b.File : a.Line < b.Line;
  });
  findings = std::move(unique);
}

std::string FormatFinding(const Finding& f) {
  return f.File + ":" + (f.Line > 0 ? std::to_string(f.Line) + ":" : std::string()) + " " + f.Message;
}

}  // namespace qv
