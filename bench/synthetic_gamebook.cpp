#include "synthetic_gamebook.h"

#include <fstream>
#include <string_view>

#include "data/init_record.h"

namespace qv::bench {
namespace {

// A small deterministic generator, so every run measures the same book.
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  // A number from lo to hi, both included.
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

 private:
  uint64_t state_;
};

constexpr std::string_view kSyllables[] = {
    "ka", "ra", "lo", "mi", "ne", "po", "str", "ve", "du", "ch", "zi", "bo", "ta", "le", "se",
    "vo", "ho", "na", "pr", "sk", "ty", "mo", "ce", "\xE1n", "\xEDk", "\xF8" "e", "\xE8" "a"};

std::string Word(Lcg& random, int syllables) {
  std::string word;
  for (int i = 0; i < syllables; ++i) word += kSyllables[random.Below(std::size(kSyllables))];
  return word;
}

std::string Sentence(Lcg& random, int words) {
  std::string text;
  for (int i = 0; i < words; ++i) {
    if (i > 0) text += ' ';
    text += Word(random, 1 + random.Below(3));
  }
  return text;
}

std::string UpperName(Lcg& random) {
  std::string name;
  const int length = 6 + random.Below(6);
  for (int i = 0; i < length; ++i) name += static_cast<char>('A' + random.Below(26));
  if (random.Below(2) == 0) name += '_' + std::to_string(random.Below(100));
  return name;
}

std::string Num(int n) { return std::to_string(n); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Names and descriptions stay well inside their record fields.
std::string Title(Lcg& random) { return Sentence(random, 2).substr(0, 40); }
std::string Description(Lcg& random) { return Sentence(random, 10).substr(0, 180); }

std::size_t Write(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes.size();
}

constexpr std::string_view kAttributes[] = {"sila", "obratnost", "rychlost", "maxzivoty",
                                            "maxmana", "energie"};

std::string Effect(Lcg& random) {
  return std::string(kAttributes[random.Below(std::size(kAttributes))]) +
         (random.Below(3) == 0 ? "-" : "+") + Num(1 + random.Below(3));
}

std::size_t Catalogs(Lcg& random, int entries, const std::filesystem::path& dir) {
  std::string weapons, armour, items, spells, attacks;
  for (int n = 1; n <= entries; ++n) {
    const std::string head = Num(n) + " " + Quoted(Title(random)) + " " +
                             Quoted(Description(random)) + " ";
    weapons += head + Num(1 + random.Below(3)) + "k6+" + Num(random.Below(4)) + ", " +
               Num(random.Below(5)) + ", " + Num(5 + random.Below(60));
    if (random.Below(3) == 0) weapons += ", " + Effect(random);
    if (random.Below(5) == 0) weapons += ", [SILA 0 > \"" + Num(random.Below(6)) + "\"]";
    weapons += ";\r\n";

    const std::string armour_head = Num(n) + " " + Quoted(Title(random)) + " " +
                                    Quoted(Description(random)) + " ";
    armour += armour_head + Num(random.Below(6)) + ", " + Num(random.Below(4)) + ", " +
              Num(random.Below(3)) + ", " + Num(5 + random.Below(80));
    if (random.Below(3) == 0) armour += ", " + Effect(random);
    armour += ";\r\n";

    static constexpr std::string_view kUses[] = {"boj", "mimoboj", "vzdy"};
    items += Num(n) + " " + Quoted(Title(random)) + " " + Quoted(Description(random)) + " " +
             Num(1 + random.Below(30)) + ", " + std::string(kUses[random.Below(3)]) +
             ", zivoty+" + Num(1 + random.Below(8));
    if (random.Below(4) == 0) items += ", nzivoty-" + Num(1 + random.Below(5));
    items += ";\r\n";

    spells += Num(n) + " " + Quoted(Title(random)) + " " + Quoted(Description(random)) + " " +
              Num(1 + random.Below(9)) + ", nzivoty-" + Num(1 + random.Below(9)) + ", promenna" +
              Num(1 + random.Below(50)) + "+1";
    if (random.Below(4) == 0) spells += ", [MANA 0 > \"" + Num(random.Below(10)) + "\"]";
    spells += ";\r\n";

    attacks += Num(n) + " " + Quoted(Title(random)) + " " + Quoted(Description(random)) +
               " \"Z\xE1sah za #zasah.\" \"Bez \xFA\xE8inku.\" \"Vedle!\" " +
               Num(random.Below(3)) + ", " + Num(random.Below(3)) + ", " +
               (random.Below(2) == 0 ? std::string("#zbran") : Num(4 + random.Below(10))) + ", " +
               (random.Below(2) == 0 ? std::string("#poskozeni") : Num(1 + random.Below(5))) +
               ";\r\n";
  }
  std::size_t bytes = 0;
  bytes += Write(dir / "data/zbrane.qvl", weapons);
  bytes += Write(dir / "data/zbroje.qvl", armour);
  bytes += Write(dir / "data/predmety.qvl", items);
  bytes += Write(dir / "data/kouzla.qvl", spells);
  bytes += Write(dir / "data/utoky.qvl", attacks);
  return bytes;
}

std::string Shop(Lcg& random, int offers, int entries) {
  static constexpr std::string_view kKinds[] = {"zbran", "zbroj", "predmet"};
  std::string text;
  for (int n = 1; n <= offers; ++n) {
    text += Num(n);
    const int rows = 3 + random.Below(8);
    for (int r = 0; r < rows; ++r) {
      text += ", " + std::string(kKinds[random.Below(3)]) + " " + Num(1 + random.Below(entries));
    }
    text += ";\r\n";
  }
  return text;
}

std::string InitRecordBytes() {
  InitRecord record;
  record.Zivoty = {30, 10, 2};
  record.Mana = {10, 10, 2};
  record.Sila = {5, 10, 2};
  record.Obratnost = {4, 10, 2};
  record.Rychlost = {4, 10, 2};
  record.Energie = {20, 10, 2};
  record.CheckString = "";
  record.HeroName = "Poutn\xEDk";
  record.AskName = 0;
  record.Title = "Synteticka kniha";
  record.AuthorLine = "Generator";
  record.Penize = 50;
  record.CurrencyName = "zla\x9D\xE1k\xF9";
  record.Zkusenosti = 10;
  return record.EncodeToBytes();
}

// The hero never falls low enough to die: every loss of lives stands behind
// a condition that he has plenty.
std::string LocationBody(Lcg& random, const SyntheticGamebookSize& size,
                         const std::vector<std::string>& constant_names,
                         const std::vector<std::string>& library_names) {
  const auto used_constant = [&] {
    return constant_names[static_cast<std::size_t>(random.Below(size.UsedConstants))];
  };
  const auto variable = [&] { return Num(1 + random.Below(SyntheticGamebook::kWindowGateVariable - 1)); };
  const std::string gate = "[" + Num(SyntheticGamebook::kWindowGateVariable) + " = \"1\"]";

  std::string data;
  const int paragraphs = 3 + random.Below(4);
  for (int p = 0; p < paragraphs; ++p) {
    data += "<text obsah=\"" + Sentence(random, 15 + random.Below(15)) + "\">\r\n";
  }
  if (random.Below(2) == 0) {
    data += "[ZIVOTY 0 > \"" + Num(12 + random.Below(10)) + "\"]\r\n<text obsah=\"" +
            Sentence(random, 8) + "\" barva=\"lime\">\r\n<zivoty minus=\"2\">\r\n[/]\r\n";
  }
  if (random.Below(4) == 0) {
    data += "[" + variable() + " = \"1\"][PENIZE 0 > \"" + Num(random.Below(50)) +
            "\"]<text obsah=\"Plat\xED\x9A " + used_constant() + "\"><penize minus=\"1\">[/][/]\r\n";
  }
  switch (random.Below(6)) {
    case 0:
      data += "<promenna " + variable() + "=\"" + Num(random.Below(10)) + "\" " + variable() +
              "=\"1\">\r\n";
      break;
    case 1:
      data += "<zvyspromennou " + variable() + "=\"1\">\r\n";
      break;
    case 2:
      data += "<vzorec " + variable() + "=\"($" + variable() + "+3)*2\">\r\n";
      break;
    case 3:
      data += "<nahoda " + variable() + "=\"2k6\">\r\n";
      break;
    default:
      break;
  }
  if (random.Below(7) == 0) {
    static constexpr std::string_view kGifts[] = {"predmet", "zbran", "zbroj"};
    data += "<" + std::string(kGifts[random.Below(3)]) + " " +
            Num(1 + random.Below(size.CatalogEntries)) + "=\"1\"><penize plus=\"" +
            Num(1 + random.Below(9)) + "\">\r\n";
  }
  if (random.Below(10) == 0) {
    data += gate + "<souboj jmeno=\"" + Title(random) + "\" utok=\"" + Num(1 + random.Below(2)) +
            "k6+" + Num(random.Below(3)) + "\" obrana=\"" + Num(random.Below(5)) +
            "\" tvrdost=\"" + Num(random.Below(3)) + "\" zivoty=\"" + Num(8 + random.Below(20)) +
            "\" xp=\"" + Num(1 + random.Below(5)) + "\">[/]\r\n";
  }
  if (random.Below(30) == 0) {
    data += gate + "<obchod cislo=\"" + Num(1 + random.Below(size.ShopOffers)) + "\">[/]\r\n";
  }
  if (random.Below(5) == 0) {
    data += "#knihovna_" + library_names[static_cast<std::size_t>(random.Below(size.Libraries))] +
            ";\r\n";
  }
  const int options = 1 + random.Below(4);
  for (int o = 0; o < options; ++o) {
    const int target = 1 + random.Below(size.Locations);
    data += "<menu t=\"" + Sentence(random, 4) + "\" x=\"" + Num(target) + "\">\r\n";
  }
  return data;
}

// The constants of the dense shape: even ones stand for numbers (used as
// such in tags), odd ones for words, and every tenth odd one names a later
// constant in its value. No name holds another, so that no constant eats
// part of another's name.
struct DenseConstants {
  std::vector<std::string> Names;
  std::string File;
};

DenseConstants MakeDenseConstants(Lcg& random, int count) {
  DenseConstants out;
  const auto holds_or_is_held = [&out](const std::string& name) {
    for (const std::string& other : out.Names) {
      if (other.find(name) != std::string::npos || name.find(other) != std::string::npos) return true;
    }
    return false;
  };
  while (static_cast<int>(out.Names.size()) < count) {
    std::string name = random.Below(5) == 0 ? "k" + Word(random, 2) + Num(random.Below(100))
                                            : UpperName(random);
    if (!holds_or_is_held(name)) out.Names.push_back(std::move(name));
  }
  for (int i = 0; i < count; ++i) {
    const auto n = static_cast<std::size_t>(i);
    std::string value;
    if (i % 2 == 0) {
      value = Num(1 + random.Below(9));
    } else if (i % 20 == 1 && i + 1 < count) {
      value = Word(random, 2) + " " + out.Names[n + 1 + static_cast<std::size_t>(random.Below(count - i - 1))];
    } else {
      value = Sentence(random, 1 + random.Below(3));
    }
    out.File += out.Names[n] + " " + value + ";" + Sentence(random, 2) + "\r\n";
  }
  return out;
}

// A sentence with `constants` names of used constants among its words.
std::string SentenceWithConstants(Lcg& random, int words, int constants,
                                  const SyntheticGamebookSize& size, const DenseConstants& dense) {
  std::string text = Sentence(random, words);
  for (int c = 0; c < constants; ++c) {
    const std::size_t at = text.find(' ', static_cast<std::size_t>(random.Below(static_cast<int>(text.size()))));
    const std::string name =
        dense.Names[static_cast<std::size_t>(random.Below(size.UsedConstants))];
    if (at == std::string::npos) {
      text += " " + name;
    } else {
      text.insert(at, " " + name);
    }
  }
  return text;
}

// A used constant that stands for a number.
const std::string& NumberConstant(Lcg& random, const SyntheticGamebookSize& size,
                                  const DenseConstants& dense) {
  return dense.Names[static_cast<std::size_t>(2 * random.Below(size.UsedConstants / 2))];
}

std::string DenseLocationBody(Lcg& random, const SyntheticGamebookSize& size,
                              const DenseConstants& dense, const std::vector<std::string>& library_names) {
  const auto variable = [&] { return Num(1 + random.Below(SyntheticGamebook::kWindowGateVariable - 1)); };
  const std::string gate = "[" + Num(SyntheticGamebook::kWindowGateVariable) + " = \"1\"]";
  std::string data;
  const int paragraphs = 3 + random.Below(4);
  for (int p = 0; p < paragraphs; ++p) {
    data += "<text obsah=\"" + SentenceWithConstants(random, 12 + random.Below(12), 1 + random.Below(3), size, dense) +
            "\">\r\n";
  }
  if (random.Below(2) == 0) {
    data += "[ZIVOTY 0 > \"" + Num(12 + random.Below(10)) + "\"]\r\n<text obsah=\"" +
            SentenceWithConstants(random, 6, 1, size, dense) + "\" barva=\"lime\">\r\n<zivoty minus=\"" +
            NumberConstant(random, size, dense) + "\">\r\n<zivoty plus=\"" + NumberConstant(random, size, dense) +
            "\">\r\n[/]\r\n";
  }
  data += "<penize plus=\"" + NumberConstant(random, size, dense) + "\">\r\n";
  if (random.Below(2) == 0) {
    data += "<promenna " + variable() + "=\"" + NumberConstant(random, size, dense) + "\">\r\n";
  }
  if (random.Below(10) == 0) {
    data += gate + "<souboj jmeno=\"" + SentenceWithConstants(random, 1, 1, size, dense) + "\" utok=\"1k6+" +
            NumberConstant(random, size, dense) + "\" obrana=\"1\" tvrdost=\"1\" zivoty=\"" +
            NumberConstant(random, size, dense) + "\" xp=\"1\">[/]\r\n";
  }
  const int references = random.Below(5) == 0 ? 0 : 1 + random.Below(2);
  for (int r = 0; r < references; ++r) {
    data += "#knihovna_" + library_names[static_cast<std::size_t>(random.Below(size.Libraries))] + ";\r\n";
  }
  const int options = 1 + random.Below(4);
  for (int o = 0; o < options; ++o) {
    const int target = 1 + random.Below(size.Locations);
    data += "<menu t=\"" + SentenceWithConstants(random, 3, 1, size, dense) + "\" x=\"" + Num(target) +
            "\">\r\n";
  }
  return data;
}

}  // namespace

SyntheticGamebookSize SizeOfShape(BookShape shape, int locations) {
  SyntheticGamebookSize size{.Shape = shape, .Locations = locations};
  if (shape == BookShape::kDenseConstants) {
    size.Constants = 400;
    size.UsedConstants = 360;
    size.Libraries = 200;
  }
  return size;
}

std::string TypicalLocationBody(uint32_t seed) {
  Lcg random(seed ^ 0x7E5Au);
  std::string t;
  for (int p = 0; p < 6; ++p) {  // 6
    t += "<text obsah=\"" + Sentence(random, 18 + random.Below(10)) + "\">\r\n";
  }
  t += "<text obsah=\"" + Sentence(random, 12) + "\" barva=\"silver\">\r\n";  // 7
  t += "<promenna 7=\"1\" 8=\"" + Num(random.Below(9)) + "\">\r\n";           // 8
  t += "<zvyspromennou 9=\"1\">\r\n";                                           // 9
  t += "<vzorec 10=\"($9+3)*2:3\">\r\n";                                        // 10
  t += "<nahoda 11=\"2k6+1\">\r\n";                                             // 11
  t += "<retezec 2=\"" + Word(random, 3) + "\">\r\n";                          // 12
  t += "[ZIVOTY 0 > \"5\"]<text obsah=\"" + Sentence(random, 10) + "\">[/]\r\n";  // 13
  t += "[PENIZE 0 > \"3\"]<penize minus=\"1\">[/]\r\n";                        // 14
  t += "<penize plus=\"2\">\r\n";                                               // 15
  t += "<predmet 1=\"1\">\r\n";                                                 // 16
  t += "<zbran 2=\"1\">\r\n";                                                   // 17
  t += "<info obsah=\"" + Sentence(random, 4) + "\" barva=\"lime\">\r\n";      // 18
  t += "[7 > \"0\"]<text obsah=\"" + Sentence(random, 14) + "\">[/]\r\n";       // 19
  t += "<xp plus=\"1\">\r\n";                                                   // 20
  t += "<objekt 7=\"1\" jmeno=\"" + Word(random, 3) + "\">\r\n";               // 21
  t += "<kouzlo umime=\"2\">\r\n";                                              // 22
  t += "<snizpromennou 9=\"1\">\r\n";                                           // 23
  t += "<text obsah=\"M\xE1\x9A $ZIVOTY \x9Eivot\xF9 a $PENIZE pen\xECz, $retezec2.\">\r\n";  // 24
  t += "<text obsah=\"" + Sentence(random, 16) + "\">\r\n";                    // 25
  for (int o = 1; o <= 4; ++o) {                                                // 26..29
    t += "<menu t=\"" + Sentence(random, 3) + "\" x=\"" + Num(o) + "\">\r\n";
  }
  t += "<zpet>\r\n";  // 30
  return t;
}

SyntheticGamebook WriteSyntheticGamebook(const std::filesystem::path& dir,
                                         const SyntheticGamebookSize& size) {
  Lcg random(size.Seed);
  SyntheticGamebook book;
  std::size_t all = 0;

  const bool dense = size.Shape == BookShape::kDenseConstants;
  DenseConstants dense_constants;
  std::vector<std::string> constant_names;
  std::string constants;
  if (dense) {
    dense_constants = MakeDenseConstants(random, size.Constants);
    constant_names = dense_constants.Names;
    constants = dense_constants.File;
  } else {
    for (int i = 0; i < size.Constants; ++i) {
      constant_names.push_back(UpperName(random));
      constants += constant_names.back() + " " + Num(random.Below(1000)) + ";" +
                   Sentence(random, 2) + "\r\n";
    }
  }
  all += Write(dir / "data/konstanty.qvl", constants);
  const auto used_constant = [&] {
    return constant_names[static_cast<std::size_t>(random.Below(size.UsedConstants))];
  };

  // The first fifth of the libraries use those of the second fifth, which use
  // those of the third: references nest two deep.
  const int fifth = size.Libraries / 5;
  for (int i = 0; i < size.Libraries; ++i) {
    book.LibraryNames.push_back("lib" + Num(i));
  }
  for (int i = 0; i < size.Libraries; ++i) {
    std::string text;
    const int lines = 3 + random.Below(6);
    for (int line = 0; line < lines; ++line) {
      text += "<text obsah=\"" + Sentence(random, 5) + "\">\r\n";
    }
    if (dense) {
      text += "<text obsah=\"" + SentenceWithConstants(random, 5, 1, size, dense_constants) + "\">\r\n";
    } else if (random.Below(3) == 0) {
      text += "<text obsah=\"Cena " + used_constant() + "\">\r\n";
    }
    if (i < 2 * fifth && fifth > 0) {
      text += "#knihovna_" + book.LibraryNames[static_cast<std::size_t>(i + fifth)] + ";\r\n";
    }
    all += Write(dir / ("data/knihovny/" + book.LibraryNames[static_cast<std::size_t>(i)] + ".qvl"),
                 text);
  }

  Lcg catalog_random(size.Seed + 1);
  all += Catalogs(catalog_random, size.CatalogEntries, dir);
  all += Write(dir / "data/obchod.qvl", Shop(catalog_random, size.ShopOffers, size.CatalogEntries));
  all += Write(dir / "data/inicializace.qvl", InitRecordBytes());

  book.TypicalLocation = size.Locations >= 2 ? size.Locations / 2 : 1;
  std::string data;
  data.reserve(static_cast<std::size_t>(size.Locations) * 850);
  for (int n = 1; n <= size.Locations; ++n) {
    data += "<" + Num(n) + ">\r\n";
    if (n == book.TypicalLocation) {
      data += TypicalLocationBody(size.Seed);
    } else if (dense) {
      data += DenseLocationBody(random, size, dense_constants, book.LibraryNames);
    } else {
      data += LocationBody(random, size, constant_names, book.LibraryNames);
    }
  }
  book.DataBytes = Write(dir / "data/data.qvl", data);
  book.AllDataBytes = all + book.DataBytes;
  return book;
}

}  // namespace qv::bench
