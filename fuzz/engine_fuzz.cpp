// The whole engine: a fuzzed gamebook played by a fuzzed script through the
// headless runner. Input: "DATA\n%%\nSCRIPT" and optionally further parts for
// zbrane, zbroje, predmety, kouzla, utoky, obchod and konstanty.
#include <sstream>

#include "data/init_record.h"
#include "fuzz/fuzz_support.h"
#include "script/script_options.h"
#include "script/script_runner.h"

namespace {

void WriteInitRecord() {
  qv::InitRecord record;
  record.Zivoty = {20, 10, 2};
  record.Mana = {5, 10, 2};
  record.Sila = {3, 10, 2};
  record.Obratnost = {2, 10, 2};
  record.Rychlost = {3, 10, 2};
  record.Energie = {15, 10, 2};
  record.HeroName = "Hrdina";
  record.Title = "Fuzz";
  record.AuthorLine = "Autor";
  record.Penize = 10;
  record.CurrencyName = "zlataku";
  qv::fuzz::WriteFile("data/inicializace.qvl", record.EncodeToBytes());
}

// Keeps the script short: long scripts only make the runs slow.
std::string ShortScript(std::string_view text) {
  std::string out;
  int lines = 0;
  for (char c : text) {
    if (c == '\n' && ++lines >= 40) break;
    out += c;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::FreshScratchDir();
  static constexpr const char* kExtraFiles[] = {"zbrane", "zbroje", "predmety", "kouzla",
                                                "utoky",  "obchod", "konstanty"};
  const auto parts = qv::fuzz::SplitParts(qv::fuzz::AsText(data, size), 9);
  WriteInitRecord();
  qv::fuzz::WriteFile("data/data.qvl", parts[0]);
  for (size_t i = 2; i < parts.size(); ++i) {
    qv::fuzz::WriteFile(std::string("data/") + kExtraFiles[i - 2] + ".qvl", parts[i]);
  }
  std::istringstream script(ShortScript(parts.size() > 1 ? parts[1] : "new-game\ndump\n"));
  std::ostringstream out;
  qv::ScriptOptions options;
  options.Seed = 7;
  qv::RunScript(script, out, options);
  return 0;
}
