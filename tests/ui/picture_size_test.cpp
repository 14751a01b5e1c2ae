#include <gtest/gtest.h>
#include <png.h>

#include <string>

#include "picture_files.h"
#include "support/czech_text.h"
#include "ui/picture.h"

namespace qv {
namespace {

class PictureSizeTest : public testing::Test {
 protected:
  test::TempWorkDir dir_;
};

TEST_F(PictureSizeTest, HeadersOfEachFormatGiveTheDecodedSize) {
  test::PngSpec png;
  png.Width = 5;
  png.Height = 3;
  png.ColourType = PNG_COLOR_TYPE_GRAY;
  png.Rows.assign(15, 0);
  test::WritePng("a.png", png);

  // The comment puts a segment between the start and the frame header that
  // the size reader has to step over.
  test::JpegSpec jpeg;
  jpeg.Width = 17;
  jpeg.Height = 9;
  jpeg.Samples.assign(17 * 9 * 3, 100);
  jpeg.Comment = std::string(3000, 'x');
  test::WriteJpeg("b.jpg", jpeg);

  test::GifSpec gif;
  gif.ScreenWidth = 300;
  gif.ScreenHeight = 2;
  gif.Colours = {{0, 0, 0}, {1, 1, 1}};
  gif.Frames.push_back({0, 0, 1, 1, false, -1, {1}});
  test::WriteGif("c.gif", gif);

  for (const auto& [path, width, height] :
       {std::tuple{"a.png", 5, 3}, std::tuple{"b.jpg", 17, 9}, std::tuple{"c.gif", 300, 2}}) {
    PictureSizeResult size = ReadPictureSize(path);
    ASSERT_TRUE(size.Ok()) << size.Error();
    EXPECT_EQ(size.Value().Width, width) << path;
    EXPECT_EQ(size.Value().Height, height) << path;
    PictureResult decoded = DecodePicture(path);
    ASSERT_TRUE(decoded.Ok()) << decoded.Error();
    EXPECT_EQ(decoded.Value().Width, width);
    EXPECT_EQ(decoded.Value().Height, height);
  }
}

TEST_F(PictureSizeTest, UnreadableHeadersFailNamingTheFile) {
  const std::string prefix = Cz("Obrázek nelze načíst: ");
  EXPECT_EQ(ReadPictureSize("nothing.png").Error(),
            prefix + Cz("nothing.png (soubor nelze otevřít)"));

  test::WriteBytes("text.png", {'h', 'e', 'l', 'l', 'o'});
  EXPECT_EQ(ReadPictureSize("text.png").Error(), prefix + Cz("text.png (neznámý formát)"));

  const std::string damaged = Cz(" (poškozený soubor)");
  test::WriteBytes("short.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H'});
  EXPECT_EQ(ReadPictureSize("short.png").Error(), prefix + "short.png" + damaged);
  test::WriteBytes("short.gif", {'G', 'I', 'F', '8', '9', 'a', 1});
  EXPECT_EQ(ReadPictureSize("short.gif").Error(), prefix + "short.gif" + damaged);
  // Start of scan before any frame header, and a segment running off the end.
  test::WriteBytes("noframe.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 1, 2, 0xFF, 0xDA, 0, 2});
  EXPECT_EQ(ReadPictureSize("noframe.jpg").Error(), prefix + "noframe.jpg" + damaged);
  test::WriteBytes("cut.jpg", {0xFF, 0xD8, 0xFF, 0xE1, 0x40, 0});
  EXPECT_EQ(ReadPictureSize("cut.jpg").Error(), prefix + "cut.jpg" + damaged);
}

}  // namespace
}  // namespace qv
