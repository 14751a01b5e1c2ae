// The dump keys of the reading comforts, present only while one is on, so a
// run without them dumps exactly the contract's keys:
//   "history": [{"location": 3, "texts": ["…"], "choice": "Dál"}, …]
//              the earlier pages, oldest first (with the history on);
//   "speech":  ["…", "1. Dál", …] what reading aloud says for the page (once
//              reading aloud has been on in the run).
#pragma once

#include <nlohmann/json.hpp>

#include "comforts/comfort_session.h"

namespace qv {

void AddComfortKeys(nlohmann::ordered_json& dump, const ComfortSession& comforts, bool speech_shown);

}  // namespace qv
