// The desktop player is an executable of its own (quarvelin-desktop), so
// that the headless commands never map the display, sound and
// tracker-module libraries into memory: `quarvelin` hands `play` and
// `script --gui` over to it.
//
// It is looked for relative to the running program's own file, never on the
// PATH: beside it (the build tree), then in ../libexec/quarvelin/ and
// ../lib/quarvelin/ (installed).
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace qv {

inline constexpr const char* kDesktopExecutableName = "quarvelin-desktop";

// Where the desktop executable may lie for a program at `self`, in the
// order they are tried.
std::vector<std::filesystem::path> DesktopExecutableCandidates(const std::filesystem::path& self);

// Replaces this process by the desktop executable, giving it the same
// arguments. Returns only when it could not be started: then the reason is
// on `err` and the result is the exit status to end with.
int HandOverToDesktop(char** argv, std::ostream& err);

}  // namespace qv
