// The initialization record as a commented text to start from: every field
// of `quarvelin init` with a playable starting value and a line saying what
// it does. `quarvelin init --template` prints it and `quarvelin new` writes
// it beside the book, so that the author edits it and writes the record with
// `quarvelin init`.
#pragma once

#include <string>

namespace qv {

std::string InitRecordTemplateText();

}  // namespace qv
