// The pictures of "Noc ve mlýně": a moonlit mill in dark blues, with the
// skin's buttons and backgrounds in the same colours.
#include <string>

#include "bitmap_font.h"
#include "demo_assets.h"
#include "picture_files.h"
#include "raster.h"

namespace qv::demo {
namespace {

constexpr Rgb kNight{12, 16, 40};
constexpr Rgb kDusk{44, 56, 110};
constexpr Rgb kMoon{236, 228, 170};
constexpr Rgb kWood{92, 60, 34};
constexpr Rgb kDarkWood{54, 34, 20};
constexpr Rgb kWater{24, 60, 96};
constexpr Rgb kFlour{226, 218, 196};
constexpr Rgb kGold{232, 184, 64};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{176, 32, 24};

// A water wheel: rim, hub and eight spokes.
void Wheel(Raster& r, int cx, int cy, int radius, Rgb c) {
  r.Ring(cx, cy, radius - radius / 8, radius, c);
  r.Disc(cx, cy, radius / 6, c);
  const int d = radius * 707 / 1000;
  r.Line(cx - radius, cy, cx + radius, cy, 3, c);
  r.Line(cx, cy - radius, cx, cy + radius, 3, c);
  r.Line(cx - d, cy - d, cx + d, cy + d, 3, c);
  r.Line(cx - d, cy + d, cx + d, cy - d, 3, c);
}

// The mill: walls, roof, door, a lit window and its wheel.
void Mill(Raster& r, int x, int ground, int w, Rgb wall, Rgb roof) {
  const int h = w * 3 / 4;
  r.FillRect(x, ground - h, w, h, wall);
  r.Triangle(x - w / 10, ground - h, x + w + w / 10, ground - h, x + w / 2, ground - h - w / 2,
             roof);
  r.FillRect(x + w / 2 - w / 10, ground - h / 3, w / 5, h / 3, kDarkWood);
  r.FillRect(x + w / 5, ground - h * 2 / 3, w / 7, w / 7, kGold);
  Wheel(r, x + w + w / 5, ground - h / 4, w / 3, kDarkWood);
}

void NightSky(Raster& r, int ground) {
  r.VerticalGradient(0, 0, r.Width(), ground, kNight, kDusk);
  r.Disc(r.Width() * 4 / 5, r.Height() / 6, r.Height() / 12 + 4, kMoon);
}

// The main menu's sky: the load list's entries stand centred on it from
// the top down, so the moon keeps to the right edge, low over the wheel.
void MenuSky(Raster& r, int ground) {
  r.VerticalGradient(0, 0, r.Width(), ground, kNight, kDusk);
  r.Disc(r.Width() - 22, ground - 150, 13, kMoon);
}

void Button(const std::filesystem::path& out, const std::string& name, const std::string& caption,
            bool lit) {
  Raster r(160, 36, lit ? Rgb{70, 90, 170} : kDusk);
  r.FrameRect(0, 0, 160, 36, 2, lit ? kMoon : kFlour);
  DrawCentredText(r, 80, 8, caption, 2, lit ? kMoon : kFlour);
  WritePng(r, out / (name + ".png"));
}

// A small captioned button such as "OK" or "ULOŽIT".
void SmallButton(const std::filesystem::path& file, int w, const std::string& caption) {
  Raster r(w, 28, kWood);
  r.FrameRect(0, 0, w, 28, 2, kGold);
  DrawCentredText(r, w / 2, 5, caption, 2, kFlour);
  WritePng(r, file);
}

void SkinPictures(const std::filesystem::path& g) {
  {
    Raster r(240, 400);
    MenuSky(r, 330);
    r.VerticalGradient(0, 330, 240, 70, kWater, kNight);
    Mill(r, 40, 330, 110, kWood, kDarkWood);
    r.FrameRect(0, 0, 240, 400, 3, kFlour);
    WritePng(r, g / "menu.png");
  }
  {
    Raster r(200, 56, kNight);
    r.FrameRect(0, 0, 200, 56, 2, kGold);
    DrawCentredText(r, 100, 6, "NOC VE", 2, kGold);
    DrawCentredText(r, 100, 28, "MLÝNĚ", 2, kMoon);
    WritePng(r, g / "titulek.png");
  }
  const char* captions[] = {"NOVÁ HRA", "NAHRÁT", "O HŘE", "KONEC"};
  for (int i = 0; i < 4; ++i) {
    const std::string name = "tlacitko_" + std::to_string(i + 1);
    Button(g, name, captions[i], false);
    Button(g, name + "b", captions[i], true);
  }
  {
    // Character sheet, save window, answer prompt and name entry.
    Raster r(421, 245);
    r.VerticalGradient(0, 0, 421, 245, kFlour, Rgb{190, 170, 130});
    r.FrameRect(0, 0, 421, 245, 4, kWood);
    r.FrameRect(8, 8, 405, 229, 1, kDarkWood);
    WritePng(r, g / "pozadi_postava.png");
  }
  {
    Raster r(670, 603);
    r.VerticalGradient(0, 0, 670, 603, Rgb{200, 184, 150}, Rgb{160, 136, 100});
    // No column rules: the shop and the selling window stand on the same
    // picture with their rows where the inventory has its columns.
    r.FrameRect(0, 0, 670, 603, 5, kWood);
    WritePng(r, g / "pozadi_inventar.png");
  }
  {
    Raster r(409, 457);
    // Light enough for the fight's black labels to stay readable.
    r.VerticalGradient(0, 0, 409, 457, Rgb{214, 196, 160}, Rgb{176, 150, 112});
    Wheel(r, 204, 200, 150, Rgb{196, 170, 128});
    r.FrameRect(0, 0, 409, 457, 4, kRed);
    WritePng(r, g / "pozadi_bitva.png");
  }
  {
    Raster r(20, 20, kDarkWood);
    r.Line(4, 4, 15, 15, 3, kRed);
    r.Line(4, 15, 15, 4, 3, kRed);
    WriteGif(r, g / "krizek.gif");
  }
  {
    Raster r(16, 16, Rgb{20, 90, 30});
    r.FillRect(0, 0, 16, 1, Rgb{120, 200, 120});
    r.FillRect(0, 0, 1, 16, Rgb{120, 200, 120});
    r.FillRect(0, 15, 16, 1, Rgb{10, 40, 10});
    r.FillRect(15, 0, 1, 16, Rgb{10, 40, 10});
    r.FillRect(3, 7, 10, 2, kWhite);
    r.FillRect(7, 3, 2, 10, kWhite);
    WriteGif(r, g / "plusko3d.gif");
  }
  SmallButton(g / "ok.png", 60, "OK");
  SmallButton(g / "ulozit.png", 110, "ULOŽIT");
  SmallButton(g / "neukladat.png", 130, "NEUKLÁDAT");
  {
    Raster r(210, 180);
    r.VerticalGradient(0, 0, 210, 180, Rgb{90, 10, 10}, kBlack);
    Wheel(r, 105, 80, 60, Rgb{40, 40, 48});
    DrawCentredText(r, 105, 150, "KONEC CESTY", 2, kFlour);
    WriteJpeg(r, g / "smrtcool.jpg", 85);
  }
}

void StoryPictures(const std::filesystem::path& o) {
  {
    Raster r(320, 200);
    NightSky(r, 160);
    r.VerticalGradient(0, 160, 320, 40, kWater, kNight);
    Mill(r, 70, 165, 120, kWood, kDarkWood);
    for (int i = 0; i < 12; ++i) r.Line(10 + i * 27, 0, 2 + i * 27, 30, 1, Rgb{120, 130, 170});
    WritePng(r, o / "mlyn.png");
  }
  {
    Raster r(120, 120, kWater);
    Wheel(r, 60, 60, 54, kWood);
    r.FillRect(0, 100, 120, 20, Rgb{40, 90, 140});
    WriteGif(r, o / "kolo.gif");
  }
  {
    Raster r(96, 40, kNight);
    r.Ring(22, 20, 7, 14, kGold);
    r.FillRect(36, 17, 52, 6, kGold);
    r.FillRect(70, 23, 5, 9, kGold);
    r.FillRect(80, 23, 5, 12, kGold);
    WritePng(r, o / "klic.png");
  }
  {
    Raster r(120, 160, kNight);
    for (int radius = 60; radius > 0; radius -= 4)
      r.Disc(60, 90, radius, Mix(kNight, kGold, 60 - radius, 60));
    r.FillRect(40, 40, 40, 8, kDarkWood);
    r.FillRect(40, 130, 40, 8, kDarkWood);
    r.FrameRect(40, 48, 40, 82, 3, kDarkWood);
    r.Disc(60, 92, 10, kWhite);
    WriteJpeg(r, o / "lucerna.jpg", 80);
  }
  {
    Raster r(160, 160, kNight);
    r.Disc(80, 86, 60, Rgb{52, 110, 60});
    r.Triangle(24, 60, 40, 20, 56, 52, Rgb{52, 110, 60});
    r.Triangle(104, 52, 120, 20, 136, 60, Rgb{52, 110, 60});
    r.Disc(58, 76, 10, kGold);
    r.Disc(102, 76, 10, kGold);
    r.Disc(58, 78, 4, kBlack);
    r.Disc(102, 78, 4, kBlack);
    r.Line(50, 118, 110, 118, 4, kDarkWood);
    for (int x = 56; x <= 104; x += 12) r.Triangle(x, 118, x + 6, 118, x + 3, 126, kFlour);
    WritePng(r, o / "skret.png");
  }
  {
    Raster r(300, 200, Rgb{214, 196, 150});
    r.FrameRect(0, 0, 300, 200, 3, kWood);
    r.FillRect(0, 120, 300, 40, Rgb{90, 140, 180});  // the stream
    r.Disc(230, 70, 40, Rgb{90, 140, 180});          // the pond
    r.FillRect(60, 60, 60, 50, kWood);               // the mill
    r.FillRect(130, 118, 6, 44, kDarkWood);          // the weir
    DrawText(r, 62, 40, "MLÝN", 2, kDarkWood);
    DrawCentredText(r, 230, 116, "RYBNÍK", 1, kDarkWood);
    DrawText(r, 142, 168, "SPLAV", 2, kDarkWood);
    r.Line(20, 185, 60, 110, 2, kRed);  // the road
    WritePng(r, o / "mapa.png");
  }
}

}  // namespace

void WritePictures(const std::filesystem::path& out) {
  std::filesystem::create_directories(out / "grafika");
  std::filesystem::create_directories(out / "obrazky");
  SkinPictures(out / "grafika");
  StoryPictures(out / "obrazky");
}

}  // namespace qv::demo
