#include "possessions/sale_price.h"

namespace qv {

int64_t SellingPrice(int32_t value, int32_t percent) {
  // |value × percent| < 2^62: no overflow.
  const int64_t product = int64_t{value} * int64_t{percent};
  int64_t price = product / 100;
  if (product % 100 != 0 && product < 0) --price;  // division truncates toward zero
  return price;
}

}  // namespace qv
