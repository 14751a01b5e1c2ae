#include "tools/init_template.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "data/cp1250.h"
#include "data/init_record.h"
#include "tools/init_text.h"

namespace qv {
namespace {

// The record a new book starts with: a hero who survives a few fights and
// can raise every attribute.
InitRecord StartingRecord() {
  InitRecord r;
  auto attribute = [](int32_t start, int32_t cost, int32_t step) {
    StartAttribute a;
    a.Start = start;
    a.RaiseCost = cost;
    a.RaiseStep = step;
    return a;
  };
  r.Zivoty = attribute(20, 10, 5);
  r.Mana = attribute(5, 10, 5);
  r.Sila = attribute(3, 15, 5);
  r.Obratnost = attribute(3, 15, 5);
  r.Rychlost = attribute(3, 15, 5);
  r.Energie = attribute(10, 10, 5);
  r.CheckString = "mojekniha";
  r.HeroName = Utf8ToCp1250("Poutník");
  r.AskName = 1;
  r.Title = Utf8ToCp1250("Moje první kniha");
  r.AuthorLine = Utf8ToCp1250("Autor");
  r.Penize = 10;
  r.CurrencyName = Utf8ToCp1250("grošů");
  r.Zkusenosti = 0;
  return r;
}

std::string Comment(std::string_view field) {
  static const std::map<std::string_view, std::string_view> comments = {
      {"zivoty", "Lives (ZIVOTY) at the start; also their first maximum (MAXZIVOTY)."},
      {"mana", "Mana (MANA) at the start; also its first maximum (MAXMANA)."},
      {"sila", "Strength (SILA) at the start."},
      {"obratnost", "Dexterity (OBRATNOST) at the start."},
      {"rychlost", "Speed (RYCHLOST) at the start."},
      {"energie", "Energy (ENERGIE) at the start."},
      {"check_string",
       "Up to 30 bytes. Scrambled files carry it, and saved positions must match it:\n"
       "# change it only before the book is published."},
      {"hero_name", "The hero's name when ask_name is 0 (up to 30 bytes)."},
      {"ask_name", "1: a new game first asks the player for the hero's name; 0: it does not."},
      {"title", "The book's title on the main menu and in every saved position (up to 30 bytes)."},
      {"author_line", "The line above the title on the main menu (up to 32 bytes)."},
      {"penize", "Money (PENIZE) at the start."},
      {"currency_name", "The money's name as it reads after a number (up to 30 bytes)."},
      {"zkusenosti", "Experience points (ZKUSENOSTI) at the start, to spend on the character sheet."},
  };
  if (const auto it = comments.find(field); it != comments.end()) return std::string(it->second);
  if (field.ends_with("_raise_cost"))
    return "Experience points the first raise of " + std::string(field.substr(0, field.find('_'))) +
           " costs on the character sheet.";
  if (field.ends_with("_raise_step")) return "How much that cost grows after each raise.";
  return {};
}

}  // namespace

std::string InitRecordTemplateText() {
  InitRecord record = StartingRecord();
  record.CheckString = EncodeCheckString(record.CheckString.str());
  InitRecordBytes raw{};
  record.Encode(raw.data());
  const std::string lines = InitRecordToText(raw);

  std::string text =
      "# The initialization record of a gamebook: the hero's starting values and\n"
      "# the book's identity. Edit the values, then write data/inicializace.qvl\n"
      "# with: quarvelin init THIS_FILE --dir BOOK_FOLDER\n"
      "# Texts are in double quotes (\\\" and \\\\ inside); numbers are whole numbers.\n";
  for (std::size_t start = 0; start < lines.size();) {
    const std::size_t end = std::min(lines.find('\n', start), lines.size());
    const std::string_view line = std::string_view(lines).substr(start, end - start);
    start = end + 1;
    const std::size_t blank = line.find(' ');
    const std::string comment = Comment(line.substr(0, blank));
    if (!comment.empty()) text += "\n# " + comment + "\n";
    text += std::string(line) + "\n";
  }
  return text;
}

}  // namespace qv
