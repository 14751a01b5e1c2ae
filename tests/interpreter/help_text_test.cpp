#include "interpreter/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/czech_text.h"

namespace qv {
namespace {

const std::string kNarrowStars(55, '*');
const std::string kWideStars(83, '*');

const std::string kTitle = Cz("Nápověda");
const std::string kMadeWith = Cz("Hra byla vytvořena pomocí");

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
    EXPECT_EQ(paragraphs[13], Cz("Tvrdost - v podstatě opak poškození"));
  }
}

TEST(HelpText, ParagraphKeepsItsTrailingBlank) {
  const std::vector<std::string> narrow = Paragraphs(BuildHelpText(640), true);
  ASSERT_EQ(narrow.size(), 14u);
  EXPECT_EQ(narrow[5], Cz("Obratnost - v podstatě opak síly - přičítá se k \r\nobraně "));
  const std::vector<std::string> wide = Paragraphs(BuildHelpText(641), false);
  ASSERT_EQ(wide.size(), 14u);
  EXPECT_EQ(wide[5], Cz("Obratnost - v podstatě opak síly - přičítá se k obraně "));
}

TEST(HelpText, NarrowFirstParagraph) {
  const std::vector<std::string> paragraphs = Paragraphs(BuildHelpText(640), true);
  ASSERT_EQ(paragraphs.size(), 14u);
  EXPECT_EQ(paragraphs[0], Cz("Právě hrajete gamebook s RPG prvky jako jsou \r\n"
                              "zkušenosti, vlastnosti postavy, inventář a mnohé \r\n"
                              "další. Hru jednoduše ovládáte klikáním na \r\n"
                              "možnosti v menu (jdi na nějaké místo, zaútoč na \r\n"
                              "někoho, pokračuj...). Kdykoli je také možné \r\n"
                              "prohlédnout inventář nebo zlepšit/prohlédnout \r\n"
                              "postavu kliknutím na příslušné tlačítko. Na \r\n"
                              "některých místech vám hra sama nabídne uložení \r\n"
                              "pozice."));
}

TEST(HelpText, QuotedRollIsNeverBroken) {
  const std::vector<std::string> narrow = Paragraphs(BuildHelpText(640), true);
  ASSERT_EQ(narrow.size(), 14u);
  EXPECT_EQ(narrow[10], Cz("Útok - k síle zbraně (uvedené např. ve tvaru \r\n"
                           "2k6+1, což znamená \r\n"
                           "\"hod dvěmi šestistěnnými kostkami plus 1\", se \r\n"
                           "přičte hráčova síla a porovná se se soupeřovou \r\n"
                           "obranou. Je-li vyšší, zasáhl"));
  const std::vector<std::string> wide = Paragraphs(BuildHelpText(641), false);
  ASSERT_EQ(wide.size(), 14u);
  EXPECT_EQ(wide[10],
            Cz("Útok - k síle zbraně (uvedené např. ve tvaru 2k6+1, což znamená \r\n"
               "\"hod dvěmi šestistěnnými kostkami plus 1\", se přičte hráčova síla a \r\n"
               "porovná se se soupeřovou obranou. Je-li vyšší, zasáhl"));
  EXPECT_EQ(wide[2],
            Cz("Životy - udávají zdraví postavy... Pokud klesnou na nulu, jsi mrtev! \r\n"
               "Nemůžou být vyšší než jejich maximum, které se dá ovšem také zvýšit (za \r\n"
               "XP)."));
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
  EXPECT_EQ(wide[1], Cz("Text je možné posouvat nahoru a dolu šipkami (těmi na klávesnici)"));
}

}  // namespace
}  // namespace qv
