#include "interpreter/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

const std::string kNarrowStars(55, '*');
const std::string kWideStars(83, '*');

// "Nápověda", "Hra byla vytvořena pomocí"
const std::string kTitle = "N\xE1pov\xEC" "da";
const std::string kMadeWith = "Hra byla vytvo\xF8" "ena pomoc\xED";

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::string Header(bool narrow) {
  const std::string& stars = narrow ? kNarrowStars : kWideStars;
  const std::string made = narrow ? kMadeWith + "\rQuarvelin" : kMadeWith + " Quarvelin";
  return stars + "\r" + kTitle + "\r" + stars + "\r" + made + "\r\r" + stars + "\r\r";
}

// The paragraphs between the header and the closing line, still wrapped.
std::vector<std::string> Paragraphs(const std::string& text, bool narrow) {
  const std::string& stars = narrow ? kNarrowStars : kWideStars;
  const std::string closing = narrow ? "\r\r\r" + stars + "\r\r\r" : "\r\r" + stars + "\r\r\r\r\r";
  const std::string header = Header(narrow);
  EXPECT_EQ(text.substr(0, header.size()), header);
  EXPECT_GE(text.size(), header.size() + closing.size());
  EXPECT_EQ(text.substr(text.size() - closing.size()), closing);
  const std::string body =
      text.substr(header.size(), text.size() - header.size() - closing.size());
  // Four line breaks stand between paragraphs 8 and 9, two between the others.
  const std::vector<std::string> halves = Split(body, "\r\r\r\r");
  EXPECT_EQ(halves.size(), 2u);
  if (halves.size() != 2) return {};
  std::vector<std::string> paragraphs = Split(halves[0], "\r\r");
  const std::vector<std::string> rest = Split(halves[1], "\r\r");
  paragraphs.insert(paragraphs.end(), rest.begin(), rest.end());
  return paragraphs;
}

TEST(HelpText, NarrowUpTo640PixelsWideAbove) {
  EXPECT_EQ(BuildHelpText(640).substr(0, Header(true).size()), Header(true));
  EXPECT_EQ(BuildHelpText(320).substr(0, Header(true).size()), Header(true));
  EXPECT_EQ(BuildHelpText(641).substr(0, Header(false).size()), Header(false));
  EXPECT_EQ(BuildHelpText(1920).substr(0, Header(false).size()), Header(false));
}

TEST(HelpText, FourteenParagraphsWrappedToTheirForm) {
  for (const bool narrow : {true, false}) {
    const std::size_t width = narrow ? 50 : 75;
    const std::vector<std::string> paragraphs = Paragraphs(BuildHelpText(narrow ? 640 : 800), narrow);
    ASSERT_EQ(paragraphs.size(), 14u);
    for (const std::string& paragraph : paragraphs) {
      for (const std::string& line : Split(paragraph, "\r\n")) {
        EXPECT_LE(line.size(), width) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos);
      }
    }
    EXPECT_EQ(paragraphs[13], "Tvrdost - v podstat\xEC opak po\x9Akozen\xED");
  }
}

TEST(HelpText, ParagraphKeepsItsTrailingBlank) {
  const std::vector<std::string> narrow = Paragraphs(BuildHelpText(640), true);
  ASSERT_EQ(narrow.size(), 14u);
  EXPECT_EQ(narrow[5],
            "Obratnost - v podstat\xEC opak s\xEDly - p\xF8i\xE8\xEDt\xE1 se k \r\nobran\xEC ");
  const std::vector<std::string> wide = Paragraphs(BuildHelpText(641), false);
  ASSERT_EQ(wide.size(), 14u);
  EXPECT_EQ(wide[5],
            "Obratnost - v podstat\xEC opak s\xEDly - p\xF8i\xE8\xEDt\xE1 se k obran\xEC ");
}

TEST(HelpText, NarrowFirstParagraph) {
  const std::vector<std::string> paragraphs = Paragraphs(BuildHelpText(640), true);
  ASSERT_EQ(paragraphs.size(), 14u);
  EXPECT_EQ(paragraphs[0],
            "Pr\xE1v\xEC hrajete gamebook s RPG prvky jako jsou \r\n"
            "zku\x9A" "enosti, vlastnosti postavy, invent\xE1\xF8 a mnoh\xE9 \r\n"
            "dal\x9A\xED. Hru jednodu\x9A" "e ovl\xE1" "d\xE1te klik\xE1n\xEDm na \r\n"
            "mo\x9Enosti v menu (jdi na n\xECjak\xE9 m\xEDsto, za\xFAto\xE8 na \r\n"
            "n\xECkoho, pokra\xE8uj...). Kdykoli je tak\xE9 mo\x9En\xE9 \r\n"
            "prohl\xE9" "dnout invent\xE1\xF8 nebo zlep\x9Ait/prohl\xE9" "dnout \r\n"
            "postavu kliknut\xEDm na p\xF8\xEDslu\x9An\xE9 tla\xE8\xEDtko. Na \r\n"
            "n\xECkter\xFD" "ch m\xEDstech v\xE1m hra sama nab\xED" "dne ulo\x9E" "en\xED \r\n"
            "pozice.");
}

TEST(HelpText, QuotedRollIsNeverBroken) {
  const std::vector<std::string> narrow = Paragraphs(BuildHelpText(640), true);
  ASSERT_EQ(narrow.size(), 14u);
  EXPECT_EQ(narrow[10],
            "\xDAtok - k s\xEDle zbran\xEC (uveden\xE9 nap\xF8. ve tvaru \r\n"
            "2k6+1, co\x9E znamen\xE1 \r\n"
            "\"hod dv\xECmi \x9A" "estist\xECnn\xFDmi kostkami plus 1\", se \r\n"
            "p\xF8i\xE8te hr\xE1\xE8ova s\xEDla a porovn\xE1 se se soupe\xF8ovou \r\n"
            "obranou. Je-li vy\x9A\x9A\xED, zas\xE1hl");
  const std::vector<std::string> wide = Paragraphs(BuildHelpText(641), false);
  ASSERT_EQ(wide.size(), 14u);
  EXPECT_EQ(wide[10],
            "\xDAtok - k s\xEDle zbran\xEC (uveden\xE9 nap\xF8. ve tvaru 2k6+1, co\x9E znamen\xE1 \r\n"
            "\"hod dv\xECmi \x9A" "estist\xECnn\xFDmi kostkami plus 1\", se p\xF8i\xE8te hr\xE1\xE8ova s\xEDla a \r\n"
            "porovn\xE1 se se soupe\xF8ovou obranou. Je-li vy\x9A\x9A\xED, zas\xE1hl");
  EXPECT_EQ(wide[2],
            "\x8Eivoty - ud\xE1vaj\xED zdrav\xED postavy... Pokud klesnou na nulu, jsi mrtev! \r\n"
            "Nem\xF9\x9Eou b\xFDt vy\x9A\x9A\xED ne\x9E jejich maximum, kter\xE9 se d\xE1 ov\x9A"
            "em tak\xE9 zv\xFD\x9Ait (za \r\n"
            "XP).");
}

TEST(HelpText, ParagraphsKeepEveryCharacter) {
  // Unwrapped, the wide and the narrow form say the same.
  const std::vector<std::string> narrow = Paragraphs(BuildHelpText(640), true);
  const std::vector<std::string> wide = Paragraphs(BuildHelpText(641), false);
  ASSERT_EQ(narrow.size(), 14u);
  ASSERT_EQ(wide.size(), 14u);
  for (std::size_t i = 0; i < 14; ++i) {
    std::string a;
    for (const std::string& line : Split(narrow[i], "\r\n")) a += line;
    std::string b;
    for (const std::string& line : Split(wide[i], "\r\n")) b += line;
    EXPECT_EQ(a, b);
  }
  EXPECT_EQ(wide[1], "Text je mo\x9En\xE9 posouvat nahoru a dolu \x9Aipkami (t\xECmi na kl\xE1vesnici)");
}

}  // namespace
}  // namespace qv
