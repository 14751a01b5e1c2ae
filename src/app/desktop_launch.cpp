#include "app/desktop_launch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <system_error>

#include "app/command_line.h"

namespace qv {

std::vector<std::filesystem::path> DesktopExecutableCandidates(const std::filesystem::path& self) {
  const std::filesystem::path dir = self.parent_path();
  return {dir / kDesktopExecutableName, dir / ".." / "libexec" / "quarvelin" / kDesktopExecutableName,
          dir / ".." / "lib" / "quarvelin" / kDesktopExecutableName};
}

int HandOverToDesktop(char** argv, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    err << "quarvelin: cannot find the desktop player: where this program lies is unknown ("
        << error.message() << ")\n";
    return kExitBadGamebook;
  }
  std::string tried;
  for (const std::filesystem::path& candidate : DesktopExecutableCandidates(self)) {
    if (access(candidate.c_str(), X_OK) != 0) {
      tried += "\n  " + candidate.lexically_normal().string();
      continue;
    }
    std::cout.flush();
    execv(candidate.c_str(), argv);
    err << "quarvelin: cannot start the desktop player " << candidate.string() << ": "
        << std::strerror(errno) << '\n';
    return kExitBadGamebook;
  }
  err << "quarvelin: the desktop player is not installed; looked for:" << tried << '\n';
  return kExitBadGamebook;
}

}  // namespace qv
