// The shop (ShopWindow) in scripts: `buy R` moves the mouse onto offer row R
// and clicks it, `close` clicks the close picture. Dumped as
// {money, rows: [{name, price}], message, hint}.
#pragma once

#include <memory>

#include "script/window_driver.h"

namespace qv {

std::unique_ptr<WindowDriver> MakeShopDriver();

}  // namespace qv
