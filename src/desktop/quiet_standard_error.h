// Silences the standard error stream for the life of a scope. The sound and
// display libraries write their own diagnostics there while they probe for
// devices (ALSA lists every card it could not open, the sound servers'
// clients complain about XDG_RUNTIME_DIR); the player says in one line of
// its own what came of it. Only library calls belong inside: a message of
// ours written in the scope would be lost too.
#pragma once

namespace qv {

class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;  // the stream's own descriptor while it is silenced
};

}  // namespace qv
