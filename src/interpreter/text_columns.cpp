#include "interpreter/text_columns.h"

namespace qv {

std::size_t TextContentColumns(int screen_width, bool bold) {
  if (screen_width <= 640) return bold ? 43 : 50;
  return bold ? 66 : 74;
}

}  // namespace qv
