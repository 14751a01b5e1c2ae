#include "script/comfort_dump.h"

#include "script/shown_text.h"

namespace qv {

void AddComfortKeys(nlohmann::ordered_json& dump, const ComfortSession& comforts,
                    bool speech_shown) {
  if (comforts.Settings().History) {
    auto pages = nlohmann::ordered_json::array();
    for (const HistoryPage& page : comforts.History().Pages()) {
      auto texts = nlohmann::ordered_json::array();
      for (const std::string& text : page.Texts) texts.push_back(ShownText(text));
      pages.push_back({{"location", page.Location},
                       {"texts", std::move(texts)},
                       {"choice", ShownText(page.Choice)}});
    }
    dump["history"] = std::move(pages);
  }
  if (speech_shown) {
    auto speech = nlohmann::ordered_json::array();
    for (const std::string& utterance : comforts.Utterances()) speech.push_back(ShownText(utterance));
    dump["speech"] = std::move(speech);
  }
}

}  // namespace qv
