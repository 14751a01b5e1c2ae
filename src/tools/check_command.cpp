#include <filesystem>

#include "script/visible_controls.h"
#include "tools/gamebook_check.h"
#include "tools/tool_commands.h"

namespace qv {

int RunCheckCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.size() > 1 || (!args.empty() && args.front().starts_with("-"))) {
    err << "quarvelin check: takes one gamebook folder at most\n";
    return kToolUsage;
  }
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  std::error_code ec;
  // The engine reads a gamebook from the working directory; so does the check.
  if (!args.empty()) fs::current_path(fs::path(std::string(args.front())), ec);
  if (ec) {
    err << "quarvelin check: " << args.front() << ": no such folder\n";
    return kToolUsage;
  }
  const std::vector<Finding> findings = CheckGamebook();
  fs::current_path(previous, ec);
  // A finding quotes the gamebook's own text, which must not act on the
  // terminal, and keeps to its one line.
  for (const Finding& f : findings)
    out << VisibleControls(FormatFinding(f), LineLayout::Show) << '\n';
  out << FindingCount(findings) << '\n';
  return ErrorCount(findings) == 0 ? kToolOk : kToolFailed;
}

}  // namespace qv
