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
  return f.File + ":" + (f.Line > 0 ? std::to_string(f.Line) + ":" : std::string()) + " " +
         (f.Warning ? "warning: " : "") + f.Message;
}

std::size_t ErrorCount(const std::vector<Finding>& findings) {
  return static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return !f.Warning; }));
}

std::string FindingCount(const std::vector<Finding>& findings) {
  const std::size_t errors = ErrorCount(findings);
  const std::size_t warnings = findings.size() - errors;
  std::string line = std::to_string(errors) + (errors == 1 ? " error" : " errors");
  if (warnings > 0) line += ", " + std::to_string(warnings) + (warnings == 1 ? " warning" : " warnings");
  return line;
}

}  // namespace qv
