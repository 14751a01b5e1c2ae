// A named text: one loaded library (name, text) or one constant (name, value).
#pragma once

#include <string>

namespace qv {

struct TMyPlugin {
  std::string Name;
  std::string Text;
};

}  // namespace qv
