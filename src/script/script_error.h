// A script line that cannot be applied: an unknown command, or one that does
// not fit the window on top. The run stops with status 2 and reports
// "line N: " + the message.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qv
