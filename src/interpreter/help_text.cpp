#include "interpreter/help_text.h"

namespace qv {

std::string BuildHelpText(int screen_width) {
  (void)screen_width;
  return {};
}

}  // namespace qv
