// The demo's text files: kept in UTF-8 beside the generator and converted to
// the Windows-1250 bytes the engine reads; and the initialization record.
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "data/cp1250.h"
#include "data/init_record.h"
#include "demo_assets.h"

namespace qv::demo {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << f.rdbuf();
  return text.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream f(path, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

// The hero, "Tovaryš", a journeyman who is asked for his own name; the
// prices and steps make one raise affordable from the start.
InitRecord DemoRecord() {
  InitRecord r;
  r.Zivoty = {20, 10, 5};
  r.Mana = {4, 12, 6};
  r.Sila = {3, 10, 5};
  r.Obratnost = {2, 10, 5};
  r.Rychlost = {3, 8, 4};
  r.Energie = {12, 8, 4};
  r.CheckString = "NOCVEMLYNE";
  r.HeroName = Utf8ToCp1250("Tovaryš");
  r.AskName = 1;
  r.Title = Utf8ToCp1250("Noc ve mlýně");
  r.AuthorLine = Utf8ToCp1250("Ukázka enginu Quarvelin");
  r.Penize = 6;
  r.CurrencyName = Utf8ToCp1250("grošů");
  r.Zkusenosti = 12;
  return r;
}

}  // namespace

void WriteTexts(const std::filesystem::path& source, const std::filesystem::path& out) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source)) {
    if (!entry.is_regular_file()) continue;
    std::filesystem::path relative = std::filesystem::relative(entry.path(), source);
    if (relative.extension() == ".txt") relative.replace_extension(".qvl");
    WriteAll(out / relative, Utf8ToCp1250(ReadAll(entry.path())));
  }
  WriteAll(out / "data" / "inicializace.qvl", DemoRecord().EncodeToBytes());
}

}  // namespace qv::demo
