// Texts as the dump gives them: UTF-8, with the engine's own line breaks,
// where a CR LF pair or a lone CR becomes "\n".
#pragma once

#include <string>
#include <string_view>

namespace qv {

std::string ShownText(std::string_view cp1250);

}  // namespace qv
