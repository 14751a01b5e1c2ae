// The picture pop-up and the OBRAZEK command that opens it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "picture_files.h"
#include "support/gamebook_fixture.h"
#include "ui/picture_popup_window.h"

namespace qv {
namespace {

TEST(PicturePopupWindow, CaptionStandsUnderThePictureAndTheWindowCentres) {
  PicturePopupWindow window;
  EXPECT_EQ(window.Kind(), "picture");
  window.Width = 40;
  window.Height = 21;
  EXPECT_EQ(window.ClientWidth(), 40);
  EXPECT_EQ(window.ClientHeight(), 46);
  EXPECT_EQ(window.CaptionTop(), 26);
  window.CentreOnScreen(1025, 769);
  EXPECT_EQ(window.Left, 512 - 20);
  EXPECT_EQ(window.Top, 384 - 23);
  window.PictureClick();
  EXPECT_TRUE(window.IsClosed());
}

TEST(PicturePopupWindow, HighestPictureKeepsItsCaptionAndCentreInRange) {
  PicturePopupWindow window;
  window.Width = INT32_MAX;
  window.Height = INT32_MAX;
  EXPECT_EQ(window.ClientHeight(), INT32_MAX);
  EXPECT_EQ(window.CaptionTop(), INT32_MAX);
  window.CentreOnScreen(1024, 768);
  EXPECT_EQ(window.Left, 512 - INT32_MAX / 2);
  EXPECT_EQ(window.Top, 384 - INT32_MAX / 2);
}

class PictureCommand : public GamebookFixture {
 protected:
  // A grey picture of that size under ./obrazky/ (disk name in UTF-8).
  static void WritePicture(const std::string& disk_name, int width, int height) {
    std::filesystem::create_directories("obrazky");
    test::PngSpec spec;
    spec.Width = width;
    spec.Height = height;
    spec.ColourType = 0;  // grey
    spec.Rows.assign(static_cast<std::size_t>(width * height), 0x80);
    test::WritePng("obrazky/" + disk_name, spec);
  }

  // Plays the player: remembers the window as it was shown, clicks it.
  void ClickPictures() {
    host.on_modal = [this](ModalWindow& window) {
      auto& popup = dynamic_cast<PicturePopupWindow&>(window);
      shown.push_back(popup);
      popup.PictureClick();
    };
  }

  std::vector<PicturePopupWindow> shown;
};

TEST_F(PictureCommand, PictureWithoutSizeTakesItsOwn) {
  WritePicture("mapa.png", 40, 20);
  WriteLocations("<1><obrazek soubor=\"mapa.png\"><zakazpostavu>");
  ClickPictures();
  Start();
  EXPECT_EQ(host.modal_windows, std::vector<std::string>{"picture"});
  ASSERT_EQ(shown.size(), 1u);
  const PicturePopupWindow& popup = shown[0];
  EXPECT_EQ(popup.File, "./obrazky/mapa.png");
  EXPECT_EQ(popup.Width, 40);
  EXPECT_EQ(popup.Height, 20);
  EXPECT_EQ(popup.Image.Width, 40);
  EXPECT_EQ(popup.Image.Height, 20);
  EXPECT_EQ(popup.Caption, "");
  EXPECT_EQ(popup.ClientHeight(), 45);
  EXPECT_EQ(popup.Left, 512 - 20);
  EXPECT_EQ(popup.Top, 384 - 22);
  EXPECT_FALSE(State().World.SheetAllowed);  // the page goes on after the window
  EXPECT_TRUE(Form().PicturePopup.Image.Rgba.empty());
}

TEST_F(PictureCommand, GivenSizeIsKeptWithThirtyForTheOneNotGiven) {
  WritePicture("a.png", 40, 20);
  WriteLocations(
      Cz("<1><obrazek soubor=\"a.png\" sirka=\"100\">"
         "<obrazek vyska=\"50\" soubor=\"a.png\" popis=\"Hrad Černý\">"
         "<obrazek soubor=\"a.png\" vyska=\"10\" sirka=\"12\">"));
  ClickPictures();
  Start();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].Width, 100);
  EXPECT_EQ(shown[0].Height, 30);
  EXPECT_EQ(shown[1].Width, 30);
  EXPECT_EQ(shown[1].Height, 50);
  EXPECT_EQ(shown[1].Caption, Cz("Hrad Černý"));
  EXPECT_EQ(shown[2].Width, 12);
  EXPECT_EQ(shown[2].Height, 10);
  EXPECT_EQ(shown[2].Caption, "");      // each pop-up starts without a caption
  EXPECT_EQ(shown[2].Image.Width, 40);  // the picture is not scaled
}

TEST_F(PictureCommand, FileNameIsSpelledInUtf8OnDisk) {
  WritePicture("čaj.png", 3, 4);  // UTF-8 on disk
  WriteLocations(Cz("<1><obrazek soubor=\"čaj.png\">"));
  ClickPictures();
  Start();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].File, Cz("./obrazky/čaj.png"));
  EXPECT_EQ(shown[0].Width, 3);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PictureCommand, MissingPictureStopsThePageWithTheLoadersMessage) {
  WriteLocations("<1><obrazek soubor=\"nic.png\"><zakazpostavu>");
  ClickPictures();
  Start();
  EXPECT_TRUE(host.modal_windows.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], Cz("Obrázek nelze načíst: ./obrazky/nic.png (soubor nelze otevřít)"));
  EXPECT_TRUE(State().World.SheetAllowed);
  EXPECT_FALSE(Form().MenuVisible);
}

TEST_F(PictureCommand, PictureOutsideThePictureFolderIsNotOpened) {
  WritePicture("pozadi.png", 3, 3);
  std::filesystem::create_directories("grafika");
  std::filesystem::rename("obrazky/pozadi.png", "grafika/pozadi.png");
  WriteLocations("<1><obrazek soubor=\"../grafika/pozadi.png\"><zakazpostavu>");
  ClickPictures();
  Start();
  EXPECT_TRUE(host.modal_windows.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            Cz("Obrázek nelze načíst: ./obrazky/../grafika/pozadi.png (soubor nelze "
               "otevřít)"));
}

TEST_F(PictureCommand, UnreadablePictureStopsThePage) {
  std::filesystem::create_directories("obrazky");
  WriteBytes("obrazky/zly.png", "toto neni obrazek");
  WriteLocations("<1><obrazek soubor=\"zly.png\" sirka=\"10\"><zakazpostavu>");
  ClickPictures();
  Start();
  EXPECT_TRUE(host.modal_windows.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], Cz("Obrázek nelze načíst: ./obrazky/zly.png (neznámý formát)"));
  EXPECT_TRUE(State().World.SheetAllowed);
}

TEST_F(PictureCommand, PictureWithoutSouborFailsOnTheFolder) {
  std::filesystem::create_directories("obrazky");
  WriteLocations("<1><obrazek><zakazpostavu>");
  ClickPictures();
  Start();
  EXPECT_TRUE(host.modal_windows.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], Cz("Obrázek nelze načíst: ./obrazky/ (soubor nelze otevřít)"));
}

TEST_F(PictureCommand, NegativeSizeGivesAnEmptyPictureArea) {
  WritePicture("a.png", 4, 4);
  WriteLocations("<1><obrazek soubor=\"a.png\" sirka=\"-5\" vyska=\"-40\">");
  ClickPictures();
  Start();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Width, 0);
  EXPECT_EQ(shown[0].Height, 0);
  EXPECT_EQ(shown[0].ClientHeight(), 25);
}

}  // namespace
}  // namespace qv
