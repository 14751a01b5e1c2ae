#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "picture_files.h"
#include "support/czech_text.h"
#include "ui/picture.h"

namespace qv {
namespace {

using test::At;
using test::Pixel;

const std::string kCannotLoad = Cz("Obrázek nelze načíst: ");
const std::string kDamaged = Cz(" (poškozený soubor)");

void ExpectNear(const Pixel& actual, const Pixel& expected, int tolerance) {
  EXPECT_NEAR(actual.R, expected.R, tolerance);
  EXPECT_NEAR(actual.G, expected.G, tolerance);
  EXPECT_NEAR(actual.B, expected.B, tolerance);
  EXPECT_EQ(actual.A, expected.A);
}

class PictureDecodeTest : public testing::Test {
 protected:
  test::TempWorkDir dir_;
};

// --- PNG -------------------------------------------------------------------

TEST_F(PictureDecodeTest, PngRgbaKeepsEveryPixelAndItsAlpha) {
  test::PngSpec spec;
  spec.Width = 3;
  spec.Height = 2;
  spec.ColourType = PNG_COLOR_TYPE_RGBA;
  spec.Rows = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0,  //
               10, 20, 30, 40, 255, 255, 255, 255, 1, 2, 3, 4};
  test::WritePng("a.png", spec);

  PictureResult result = DecodePicture("a.png");
  ASSERT_TRUE(result.Ok()) << result.Error();
  const Picture& p = result.Value();
  EXPECT_EQ(p.Width, 3);
  EXPECT_EQ(p.Height, 2);
  EXPECT_EQ(p.Rgba, spec.Rows);
}

TEST_F(PictureDecodeTest, PngPaletteWithTransparencyChunkGetsAlphaPerEntry) {
  test::PngSpec spec;
  spec.Width = 4;
  spec.Height = 1;
  spec.ColourType = PNG_COLOR_TYPE_PALETTE;
  spec.BitDepth = 2;
  spec.Palette = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {9, 9, 9}};
  spec.PaletteAlpha = {0, 77};  // entries 2 and 3 stay opaque
  spec.Rows = {0b00011011};     // indices 0, 1, 2, 3
  test::WritePng("p.png", spec);

  PictureResult result = DecodePicture("p.png");
  ASSERT_TRUE(result.Ok()) << result.Error();
  const Picture& p = result.Value();
  ASSERT_EQ(p.Width, 4);
  EXPECT_EQ(At(p, 0, 0), (Pixel{200, 0, 0, 0}));
  EXPECT_EQ(At(p, 1, 0), (Pixel{0, 200, 0, 77}));
  EXPECT_EQ(At(p, 2, 0), (Pixel{0, 0, 200, 255}));
  EXPECT_EQ(At(p, 3, 0), (Pixel{9, 9, 9, 255}));
}

TEST_F(PictureDecodeTest, SixteenBitGreyPngBecomesOpaqueEightBitRgb) {
  test::PngSpec spec;
  spec.Width = 2;
  spec.Height = 1;
  spec.ColourType = PNG_COLOR_TYPE_GRAY;
  spec.BitDepth = 16;
  spec.Rows = {0x12, 0x34, 0xFF, 0xFF};
  test::WritePng("g.png", spec);

  PictureResult result = DecodePicture("g.png");
  ASSERT_TRUE(result.Ok()) << result.Error();
  EXPECT_EQ(At(result.Value(), 0, 0), (Pixel{0x12, 0x12, 0x12, 255}));
  EXPECT_EQ(At(result.Value(), 1, 0), (Pixel{255, 255, 255, 255}));
}

TEST_F(PictureDecodeTest, InterlacedPngRowsComeOutInPlace) {
  test::PngSpec spec;
  spec.Width = 9;
  spec.Height = 9;
  spec.ColourType = PNG_COLOR_TYPE_RGB;
  spec.Interlaced = true;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) spec.Rows.insert(spec.Rows.end(), {uint8_t(x * 20), uint8_t(y * 20), 7});
  }
  test::WritePng("i.png", spec);

  PictureResult result = DecodePicture("i.png");
  ASSERT_TRUE(result.Ok()) << result.Error();
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) EXPECT_EQ(At(result.Value(), x, y), (Pixel{x * 20, y * 20, 7, 255}));
  }
}

// --- JPEG ------------------------------------------------------------------

TEST_F(PictureDecodeTest, JpegColoursComeBackCloseToTheOriginal) {
  // Four 8x8 quadrants: red, green / blue, white.
  test::JpegSpec spec;
  spec.Width = 16;
  spec.Height = 16;
  const Pixel colours[2][2] = {{{255, 0, 0, 255}, {0, 255, 0, 255}}, {{0, 0, 255, 255}, {255, 255, 255, 255}}};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Pixel& c = colours[y / 8][x / 8];
      spec.Samples.insert(spec.Samples.end(), {uint8_t(c.R), uint8_t(c.G), uint8_t(c.B)});
    }
  }
  test::WriteJpeg("q.jpg", spec);

  PictureResult result = DecodePicture("q.jpg");
  ASSERT_TRUE(result.Ok()) << result.Error();
  ASSERT_EQ(result.Value().Width, 16);
  ASSERT_EQ(result.Value().Height, 16);
  ASSERT_EQ(result.Value().Rgba.size(), 16u * 16 * 4);
  for (int qy = 0; qy < 2; ++qy) {
    for (int qx = 0; qx < 2; ++qx) ExpectNear(At(result.Value(), qx * 8 + 3, qy * 8 + 3), colours[qy][qx], 12);
  }
}

TEST_F(PictureDecodeTest, GreyJpegBecomesOpaqueGreyRgb) {
  test::JpegSpec spec;
  spec.Width = 8;
  spec.Height = 8;
  spec.Components = 1;
  spec.Samples.assign(64, 90);
  test::WriteJpeg("grey.jpg", spec);

  PictureResult result = DecodePicture("grey.jpg");
  ASSERT_TRUE(result.Ok()) << result.Error();
  ExpectNear(At(result.Value(), 4, 4), {90, 90, 90, 255}, 2);
}

TEST_F(PictureDecodeTest, CmykJpegWithAdobeMarkerIsReadAsInvertedInk) {
  // Stored as Adobe software stores it: 255 means no ink. Cyan 0, magenta
  // and yellow full, no black: red.
  test::JpegSpec spec;
  spec.Width = 8;
  spec.Height = 8;
  spec.Components = 4;
  for (int i = 0; i < 64; ++i) spec.Samples.insert(spec.Samples.end(), {255, 0, 0, 255});
  test::WriteJpeg("cmyk.jpg", spec);

  PictureResult result = DecodePicture("cmyk.jpg");
  ASSERT_TRUE(result.Ok()) << result.Error();
  ExpectNear(At(result.Value(), 4, 4), {255, 0, 0, 255}, 6);
}

// --- GIF -------------------------------------------------------------------

const std::vector<test::Rgb> kGifColours = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

TEST_F(PictureDecodeTest, GifTransparentIndexGivesAlphaZero) {
  test::GifSpec spec;
  spec.ScreenWidth = 3;
  spec.ScreenHeight = 2;
  spec.Colours = kGifColours;
  spec.Frames.push_back({0, 0, 3, 2, false, 2, {1, 2, 3, 0, 2, 1}});
  test::WriteGif("t.gif", spec);

  PictureResult result = DecodePicture("t.gif");
  ASSERT_TRUE(result.Ok()) << result.Error();
  const Picture& p = result.Value();
  ASSERT_EQ(p.Width, 3);
  ASSERT_EQ(p.Height, 2);
  EXPECT_EQ(At(p, 0, 0), (Pixel{255, 0, 0, 255}));
  EXPECT_EQ(At(p, 1, 0).A, 0);
  EXPECT_EQ(At(p, 2, 0), (Pixel{0, 0, 255, 255}));
  EXPECT_EQ(At(p, 0, 1), (Pixel{0, 0, 0, 255}));
  EXPECT_EQ(At(p, 1, 1).A, 0);
  EXPECT_EQ(At(p, 2, 1), (Pixel{255, 0, 0, 255}));
}

TEST_F(PictureDecodeTest, GifFirstFrameSitsOnTheScreenAndLaterFramesAreIgnored) {
  test::GifSpec spec;
  spec.ScreenWidth = 4;
  spec.ScreenHeight = 3;
  spec.Colours = kGifColours;
  spec.Frames.push_back({1, 1, 2, 1, false, -1, {3, 1}});
  spec.Frames.push_back({0, 0, 4, 3, false, -1, std::vector<uint8_t>(12, 2)});
  test::WriteGif("f.gif", spec);

  PictureResult result = DecodePicture("f.gif");
  ASSERT_TRUE(result.Ok()) << result.Error();
  const Picture& p = result.Value();
  ASSERT_EQ(p.Width, 4);
  ASSERT_EQ(p.Height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      if (y == 1 && x == 1) {
        EXPECT_EQ(At(p, x, y), (Pixel{0, 0, 255, 255}));
      } else if (y == 1 && x == 2) {
        EXPECT_EQ(At(p, x, y), (Pixel{255, 0, 0, 255}));
      } else {
        EXPECT_EQ(At(p, x, y), (Pixel{0, 0, 0, 0})) << x << "," << y;
      }
    }
  }
}

TEST_F(PictureDecodeTest, InterlacedGifRowsComeOutInPlace) {
  test::GifSpec spec;
  spec.ScreenWidth = 1;
  spec.ScreenHeight = 10;
  spec.Colours = kGifColours;
  spec.Frames.push_back({0, 0, 1, 10, true, -1, {0, 1, 2, 3, 0, 1, 2, 3, 0, 1}});
  test::WriteGif("il.gif", spec);

  PictureResult result = DecodePicture("il.gif");
  ASSERT_TRUE(result.Ok()) << result.Error();
  for (int y = 0; y < 10; ++y) {
    const test::Rgb& c = kGifColours[y % 4];
    EXPECT_EQ(At(result.Value(), 0, y), (Pixel{c.R, c.G, c.B, 255})) << y;
  }
}

TEST_F(PictureDecodeTest, GifFrameOverhangingTheScreenIsClipped) {
  test::GifSpec spec;
  spec.ScreenWidth = 2;
  spec.ScreenHeight = 1;
  spec.Colours = kGifColours;
  spec.Frames.push_back({1, 0, 3, 2, false, -1, {1, 2, 3, 3, 3, 3}});
  test::WriteGif("o.gif", spec);

  PictureResult result = DecodePicture("o.gif");
  ASSERT_TRUE(result.Ok()) << result.Error();
  ASSERT_EQ(result.Value().Width, 2);
  ASSERT_EQ(result.Value().Height, 1);
  EXPECT_EQ(At(result.Value(), 0, 0).A, 0);
  EXPECT_EQ(At(result.Value(), 1, 0), (Pixel{255, 0, 0, 255}));
}

TEST_F(PictureDecodeTest, GifWithoutScreenSizeTakesTheFrameExtent) {
  test::GifSpec spec;
  spec.Colours = kGifColours;
  spec.Frames.push_back({1, 0, 2, 2, false, -1, {1, 1, 1, 1}});
  test::WriteGif("z.gif", spec);

  PictureResult result = DecodePicture("z.gif");
  ASSERT_TRUE(result.Ok()) << result.Error();
  EXPECT_EQ(result.Value().Width, 3);
  EXPECT_EQ(result.Value().Height, 2);
  EXPECT_EQ(At(result.Value(), 2, 1), (Pixel{255, 0, 0, 255}));

  PictureSizeResult size = ReadPictureSize("z.gif");
  ASSERT_TRUE(size.Ok()) << size.Error();
  EXPECT_EQ(size.Value().Width, 3);
  EXPECT_EQ(size.Value().Height, 2);
}

// --- format choice and failures --------------------------------------------

TEST_F(PictureDecodeTest, FormatIsToldByTheLeadingBytesNotTheExtension) {
  test::GifSpec gif;
  gif.ScreenWidth = 1;
  gif.ScreenHeight = 1;
  gif.Colours = kGifColours;
  gif.Frames.push_back({0, 0, 1, 1, false, -1, {3}});
  test::WriteGif("really_a_gif.png", gif);
  PictureResult result = DecodePicture("really_a_gif.png");
  ASSERT_TRUE(result.Ok()) << result.Error();
  EXPECT_EQ(At(result.Value(), 0, 0), (Pixel{0, 0, 255, 255}));

  const std::vector<uint8_t> bytes = test::ReadBytes("really_a_gif.png");
  result = DecodePictureBytes(bytes, "anything");
  ASSERT_TRUE(result.Ok()) << result.Error();

  EXPECT_EQ(DetectPictureFormat(std::vector<uint8_t>{'G', 'I', 'F', '8', '7', 'a'}), PictureFormat::Gif);
  EXPECT_EQ(DetectPictureFormat(std::vector<uint8_t>{'G', 'I', 'F', '8', '8', 'a'}), PictureFormat::Unknown);
  EXPECT_EQ(DetectPictureFormat(std::vector<uint8_t>{0xFF, 0xD8}), PictureFormat::Jpeg);
  EXPECT_EQ(DetectPictureFormat(std::vector<uint8_t>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}),
            PictureFormat::Unknown);
}

TEST_F(PictureDecodeTest, MissingAndUnknownFilesNameTheFile) {
  PictureResult missing = DecodePicture("./grafika/menu");
  ASSERT_FALSE(missing.Ok());
  EXPECT_EQ(missing.Error(), kCannotLoad + Cz("./grafika/menu (soubor nelze otevřít)"));

  std::ofstream("notes.png") << "not a picture at all";
  PictureResult unknown = DecodePicture("notes.png");
  ASSERT_FALSE(unknown.Ok());
  EXPECT_EQ(unknown.Error(), kCannotLoad + Cz("notes.png (neznámý formát)"));

  PictureResult empty = DecodePictureBytes({}, "empty.gif");
  ASSERT_FALSE(empty.Ok());
  EXPECT_EQ(empty.Error(), kCannotLoad + Cz("empty.gif (neznámý formát)"));
}

// One small picture of each kind, large enough that its pixel data spans
// many bytes.
void WriteSamples() {
  test::PngSpec png;
  png.Width = png.Height = 24;
  png.ColourType = PNG_COLOR_TYPE_RGB;
  test::JpegSpec jpeg;
  jpeg.Width = jpeg.Height = 24;
  test::GifSpec gif;
  gif.ScreenWidth = gif.ScreenHeight = 24;
  gif.Colours = kGifColours;
  gif.Frames.push_back({0, 0, 24, 24, false, 0, {}});
  uint32_t noise = 12345;
  for (int i = 0; i < 24 * 24; ++i) {
    noise = noise * 1103515245u + 12345u;
    const auto r = uint8_t(noise >> 24), g = uint8_t(noise >> 16), b = uint8_t(noise >> 8);
    png.Rows.insert(png.Rows.end(), {r, g, b});
    jpeg.Samples.insert(jpeg.Samples.end(), {r, g, b});
    gif.Frames[0].Indices.push_back(uint8_t(r & 3));
  }
  test::WritePng("s.png", png);
  test::WriteJpeg("s.jpg", jpeg);
  test::WriteGif("s.gif", gif);
}

TEST_F(PictureDecodeTest, SamplesDecode) {
  WriteSamples();
  for (const char* name : {"s.png", "s.jpg", "s.gif"}) {
    PictureResult result = DecodePicture(name);
    ASSERT_TRUE(result.Ok()) << result.Error();
    EXPECT_EQ(result.Value().Width, 24);
  }
}

// Every cut through the data must fail, up to what the picture no longer
// needs: the PNG's closing IEND chunk, the JPEG's end marker, the GIF's
// trailer byte.
TEST_F(PictureDecodeTest, TruncatedFilesAreDamagedAndNamed) {
  WriteSamples();
  const std::pair<const char*, size_t> files[] = {{"s.png", 12}, {"s.jpg", 2}, {"s.gif", 1}};
  for (const auto& [name, unneeded_tail] : files) {
    const std::vector<uint8_t> whole = test::ReadBytes(name);
    ASSERT_GT(whole.size(), 200u);
    for (size_t length = 0; length < whole.size() - unneeded_tail; ++length) {
      const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      test::WriteBytes("cut", cut);
      PictureResult result = DecodePicture("cut");
      ASSERT_FALSE(result.Ok()) << name << " cut to " << length;
      EXPECT_EQ(result.Error().rfind(kCannotLoad + "cut (", 0), 0u) << result.Error();
    }
  }
}

TEST_F(PictureDecodeTest, GarbageAfterTheSignatureIsDamagedAndNamed) {
  const std::vector<std::vector<uint8_t>> signatures = {
      {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, {0xFF, 0xD8}, {'G', 'I', 'F', '8', '9', 'a'}};
  uint32_t noise = 99;
  for (const auto& signature : signatures) {
    for (int round = 0; round < 50; ++round) {
      std::vector<uint8_t> bytes = signature;
      for (int i = 0; i < 2000; ++i) {
        noise = noise * 1664525u + 1013904223u;
        bytes.push_back(uint8_t(noise >> 24));
      }
      PictureResult result = DecodePictureBytes(bytes, "junk.bin");
      ASSERT_FALSE(result.Ok());
      EXPECT_EQ(result.Error().rfind(kCannotLoad + "junk.bin (", 0), 0u) << result.Error();
    }
  }
}

TEST_F(PictureDecodeTest, DamagedPngIsReportedInTheOneForm) {
  WriteSamples();
  std::vector<uint8_t> bytes = test::ReadBytes("s.png");
  bytes[40] ^= 0xFF;  // inside the compressed data: the chunk's CRC no longer matches
  PictureResult result = DecodePictureBytes(bytes, "./obrazky/mapa.png");
  ASSERT_FALSE(result.Ok());
  EXPECT_EQ(result.Error(), kCannotLoad + "./obrazky/mapa.png" + kDamaged);
}

// --- size limits -----------------------------------------------------------

const std::string kTooLarge = Cz(" (příliš velký rozměr ");

// A 100000 x 100000 picture would take 40 GB. The decoder runs with its
// address space capped well below that, so a decoder that allocated first
// and checked later would fail with a different message (or not at all).
void DecodeUnderMemoryCap(const std::string& path, const std::string& expected_error) {
  std::ifstream statm("/proc/self/statm");
  unsigned long pages = 0;
  statm >> pages;
  const rlim_t cap = pages * 4096 + (256ul << 20);
  const rlimit limit{cap, cap};
  setrlimit(RLIMIT_AS, &limit);
  PictureResult result = DecodePicture(path);
  std::exit(!result.Ok() && result.Error() == expected_error ? 0 : 1);
}

TEST_F(PictureDecodeTest, HugeDeclaredSizesAreRefusedBeforeAllocating) {
  test::WriteBytes("huge.png", test::PngHeaderOnly(100000, 100000));

  // GIF sizes are 16-bit; the largest is as far out of reach.
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0};
  gif.insert(gif.end(), 6, 0);  // two-entry colour table
  gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 2, 0x4C, 0x01, 0, 0x3B});
  test::WriteBytes("huge.gif", gif);

  // JPEG: a real file with the frame header patched to 60000 x 60000.
  test::JpegSpec spec;
  spec.Width = spec.Height = 8;
  spec.Samples.assign(8 * 8 * 3, 0);
  test::WriteJpeg("small.jpg", spec);
  std::vector<uint8_t> jpeg = test::ReadBytes("small.jpg");
  size_t sof = 2;
  while (!(jpeg[sof] == 0xFF && jpeg[sof + 1] == 0xC0)) sof += 2 + (jpeg[sof + 2] << 8 | jpeg[sof + 3]);
  jpeg[sof + 5] = jpeg[sof + 7] = 0xEA;
  jpeg[sof + 6] = jpeg[sof + 8] = 0x60;
  test::WriteBytes("huge.jpg", jpeg);

  const std::pair<std::string, std::string> cases[] = {
      {"huge.png", "100000 x 100000"}, {"huge.gif", "65535 x 65535"}, {"huge.jpg", "60000 x 60000"}};
  for (const auto& [path, size] : cases) {
    const std::string expected = kCannotLoad + path + kTooLarge + size + ")";
    PictureSizeResult header = ReadPictureSize(path);
    ASSERT_FALSE(header.Ok());
    EXPECT_EQ(header.Error(), expected);
    EXPECT_EXIT(DecodeUnderMemoryCap(path, expected), testing::ExitedWithCode(0), "") << path;
  }
}

TEST_F(PictureDecodeTest, SizeLimitsAreSixteenThousandSidesAndSixtyFourMegapixels) {
  const struct {
    uint32_t Width, Height;
    bool Accepted;
  } cases[] = {{16384, 4096, true}, {4096, 16384, true}, {16385, 1, false},
               {1, 16385, false},   {16384, 4097, false}, {0, 5, false}};
  for (const auto& c : cases) {
    test::WriteBytes("edge.png", test::PngHeaderOnly(c.Width, c.Height));
    PictureSizeResult size = ReadPictureSize("edge.png");
    EXPECT_EQ(size.Ok(), c.Accepted) << c.Width << " x " << c.Height;
    if (c.Accepted) {
      EXPECT_EQ(size.Value().Width, int(c.Width));
      EXPECT_EQ(size.Value().Height, int(c.Height));
    } else if (c.Width != 0) {
      EXPECT_EQ(size.Error(), kCannotLoad + "edge.png" + kTooLarge + std::to_string(c.Width) + " x " +
                                  std::to_string(c.Height) + ")");
    }
  }
}

}  // namespace
}  // namespace qv
