#include "synthetic_gamebook.h"

#include <fstream>
#include <string_view>

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

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

SyntheticGamebook WriteSyntheticGamebook(const std::filesystem::path& dir,
                                         const SyntheticGamebookSize& size) {
  Lcg random(size.Seed);
  SyntheticGamebook book;

  std::vector<std::string> constant_names;
  std::string constants;
  for (int i = 0; i < size.Constants; ++i) {
    constant_names.push_back(UpperName(random));
    constants += constant_names.back() + " " + std::to_string(random.Below(1000)) + ";" +
                 Sentence(random, 2) + "\r\n";
  }
  Write(dir / "data/konstanty.qvl", constants);
  const auto used_constant = [&] {
    return constant_names[static_cast<std::size_t>(random.Below(size.UsedConstants))];
  };

  // The first fifth of the libraries use those of the second fifth, which use
  // those of the third: references nest two deep.
  const int fifth = size.Libraries / 5;
  for (int i = 0; i < size.Libraries; ++i) {
    book.LibraryNames.push_back("lib" + std::to_string(i));
  }
  for (int i = 0; i < size.Libraries; ++i) {
    std::string text;
    const int lines = 3 + random.Below(6);
    for (int line = 0; line < lines; ++line) {
      text += "<text obsah=\"" + Sentence(random, 5) + "\">\r\n";
    }
    if (random.Below(3) == 0) text += "<text obsah=\"Cena " + used_constant() + "\">\r\n";
    if (i < 2 * fifth && fifth > 0) {
      text += "#knihovna_" + book.LibraryNames[static_cast<std::size_t>(i + fifth)] + ";\r\n";
    }
    Write(dir / ("data/knihovny/" + book.LibraryNames[static_cast<std::size_t>(i)] + ".qvl"), text);
  }

  std::string data;
  data.reserve(static_cast<std::size_t>(size.Locations) * 850);
  for (int n = 1; n <= size.Locations; ++n) {
    data += "<" + std::to_string(n) + ">\r\n";
    const int paragraphs = 3 + random.Below(4);
    for (int p = 0; p < paragraphs; ++p) {
      data += "<text obsah=\"" + Sentence(random, 15 + random.Below(15)) + "\">\r\n";
    }
    if (random.Below(2) == 0) {
      data += "[ZIVOTY 0 < \"" + std::to_string(1 + random.Below(20)) + "\"]\r\n<text obsah=\"" +
              Sentence(random, 8) + "\" barva=\"00FF00\">\r\n<zivoty hodnota=\"-2\">\r\n[/]\r\n";
    }
    if (random.Below(4) == 0) {
      data += "[" + std::to_string(1 + random.Below(999)) + " 1 = \"1\"][PENIZE 0 > \"" +
              std::to_string(random.Below(50)) + "\"]<text obsah=\"Plat\xED\x9A " +
              used_constant() + "\">[/][/]\r\n";
    }
    if (random.Below(5) == 0) {
      data += "#knihovna_" + book.LibraryNames[static_cast<std::size_t>(random.Below(size.Libraries))] +
              ";\r\n";
    }
    const int options = 1 + random.Below(4);
    for (int o = 0; o < options; ++o) {
      const int target = 1 + random.Below(size.Locations);
      data += "<moznost cil=\"" + std::to_string(target) + "\" text=\"" + Sentence(random, 4) +
              "\">\r\n";
    }
  }
  Write(dir / "data/data.qvl", data);
  book.DataBytes = data.size();
  return book;
}

}  // namespace qv::bench
