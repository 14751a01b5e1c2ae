// The shelf on the desktop with two books: the picked row and the covers as
// drawn, the mouse picking a row, Enter or a click choosing it, Esc none.
#include <gtest/gtest.h>

#include <vector>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "desktop/desktop_host.h"
#include "desktop/shelf_view.h"
#include "desktop_fixture.h"

namespace qv {
namespace {

std::vector<ShelfBook> TwoBooks() {
  Picture tall;  // a cover twice as high as wide, in red
  tall.Width = 30;
  tall.Height = 60;
  for (int i = 0; i < 30 * 60; ++i) tall.Rgba.insert(tall.Rgba.end(), {255, 0, 0, 255});
  std::vector<ShelfBook> books(2);
  books[0].Title = "Noc ve ml\xFDn\xEC";
  books[0].Author = "Autor";
  books[1].Title = "Zahrada";
  books[1].Author = "Jin\xFD autor";
  EXPECT_TRUE(WritePng("cover.png", tall));
  books[0].Cover = ReadBytes("cover.png");
  books[0].CoverFile = "grafika/titulek.png";
  return books;
}

DesktopOptions Windowed() {
  DesktopOptions options;
  options.Windowed = true;
  return options;
}

TEST(ShelfViewTest, DrawsTheRowsAndTheMouseAndEnterChooseTheSecondBook) {
  QV_ON_PRIVATE_DISPLAY();
  TempWorkDir dir;
  DesktopHost host(Windowed());
  ShelfWindow window(TwoBooks());
  host.ShowMenuWindow(ShelfWindow::kWidth, ShelfWindow::kHeight);
  {
    ShelfView view(host, window);
    host.PushLayer(view);
    Picture frame;
    host.Render(&frame);
    host.PopLayer();
    // The first book is picked; the second row is not.
    EXPECT_GT(CountColour(frame, ShelfView::RowArea(0), ShelfView::kPickedRow), 10000);
    EXPECT_EQ(CountColour(frame, ShelfView::RowArea(1), ShelfView::kPickedRow), 0);
    // The tall cover fills its square's height at its own proportions: a
    // strip about 32 pixels wide in the middle.
    const Rect cover = ShelfView::CoverArea(0);
    const int red = CountColour(frame, cover, 0x0000FF);
    EXPECT_GT(red, 28 * 60);
    EXPECT_LT(red, 36 * 64);
    EXPECT_EQ(PixelAt(frame, cover.CentreX(), cover.CentreY()), (Rgb{255, 0, 0}));
    EXPECT_NE(PixelAt(frame, cover.Left + 2, cover.CentreY()), (Rgb{255, 0, 0}));
  }
  const Rect second = ShelfView::RowArea(1);
  PushMouse(second.CentreX(), second.CentreY());
  PushKey(SDLK_RETURN);
  RunShelf(host, window);
  EXPECT_EQ(window.Selected(), 1u);
  EXPECT_EQ(window.Chosen(), 1u);
}

TEST(ShelfViewTest, AClickChoosesItsRowAndEscapeClosesWithoutABook) {
  QV_ON_PRIVATE_DISPLAY();
  TempWorkDir dir;
  DesktopHost host(Windowed());
  ShelfWindow clicked(TwoBooks());
  PushClick(ShelfView::RowArea(0));
  RunShelf(host, clicked);
  EXPECT_EQ(clicked.Chosen(), 0u);

  ShelfWindow escaped(TwoBooks());
  PushKey(SDLK_DOWN);
  PushKey(SDLK_ESCAPE);
  RunShelf(host, escaped);
  EXPECT_TRUE(escaped.IsClosed());
  EXPECT_EQ(escaped.Selected(), 1u);
  EXPECT_EQ(escaped.Chosen(), std::nullopt);
}

}  // namespace
}  // namespace qv
