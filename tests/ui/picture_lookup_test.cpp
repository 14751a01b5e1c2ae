#include "ui/picture_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "picture_files.h"
#include "support/czech_text.h"

namespace qv {
namespace {

class PictureLookupTest : public testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directory("grafika"); }
  static void Touch(const std::string& path) { std::ofstream(path) << "x"; }
  test::TempWorkDir dir_;
};

TEST_F(PictureLookupTest, PngComesBeforeJpgBeforeGif) {
  Touch("grafika/menu.gif");
  EXPECT_EQ(FindPicture("menu"), "./grafika/menu.gif");
  Touch("grafika/menu.jpg");
  EXPECT_EQ(FindPicture("menu"), "./grafika/menu.jpg");
  Touch("grafika/menu.png");
  EXPECT_EQ(FindPicture("menu"), "./grafika/menu.png");
  EXPECT_EQ(PicturePathFor("menu"), "./grafika/menu.png");
}

TEST_F(PictureLookupTest, MissingPictureIsNotFound) {
  Touch("grafika/menu.bmp");
  Touch("grafika/menu");
  Touch("menu.png");  // not in the picture folder
  EXPECT_EQ(FindPicture("menu"), std::nullopt);
  EXPECT_EQ(FindPicture("tlacitko_1"), std::nullopt);
  // Windows still get a path to try, which then fails to load with its name.
  EXPECT_EQ(PicturePathFor("tlacitko_1"), "./grafika/tlacitko_1");
}

TEST_F(PictureLookupTest, NameIsUsedAsGiven) {
  Touch("grafika/tlacitko_1b.jpg");
  EXPECT_EQ(FindPicture("tlacitko_1b"), "./grafika/tlacitko_1b.jpg");
  EXPECT_EQ(FindPicture("tlacitko_1"), std::nullopt);
}

TEST_F(PictureLookupTest, CzechNameIsFoundUnderItsUtf8Spelling) {
  Touch("grafika/meč.png");  // UTF-8, as the file system spells it
  EXPECT_EQ(FindPicture(Cz("meč")), Cz("./grafika/meč.png"));
}

}  // namespace
}  // namespace qv
