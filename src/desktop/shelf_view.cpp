#include "desktop/shelf_view.h"

#include <algorithm>
#include <span>

#include "desktop/desktop_host.h"
#include "desktop/desktop_look.h"
#include "ui/picture.h"

namespace qv {

namespace {

constexpr Colour kShelfBackground = 0x281810;  // the demo's night blue
constexpr Colour kFrame = 0xAAE4EC;            // moonlight
constexpr Colour kAuthor = 0xC4DAE2;
constexpr Colour kStatus = 0x6080FF;

Font ShelfFont(int size, bool bold) {
  Font font;
  font.SizePoints = size;
  font.Style.Bold = bold;
  return font;
}

}  // namespace

Rect ShelfView::RowArea(int row) {
  return Rect{kMargin, ShelfWindow::kRowsTop + row * ShelfWindow::kRowHeight,
              ShelfWindow::kWidth - 2 * kMargin, ShelfWindow::kRowHeight - 6};
}

Rect ShelfView::CoverArea(int row) {
  const Rect area = RowArea(row);
  return Rect{area.Left + 6, area.Top + (area.Height - kCoverSize) / 2, kCoverSize, kCoverSize};
}

std::optional<int> ShelfView::RowAt(int x, int y) {
  if (x < kMargin || x >= ShelfWindow::kWidth - kMargin || y < ShelfWindow::kRowsTop) {
    return std::nullopt;
  }
  const int row = (y - ShelfWindow::kRowsTop) / ShelfWindow::kRowHeight;
  if (row >= ShelfWindow::kRowsShown) return std::nullopt;
  return row;
}

const ShelfView::Cover& ShelfView::CoverOf(std::size_t book, SDL_Renderer* renderer) {
  auto found = covers_.find(book);
  if (found != covers_.end()) return found->second;
  Cover cover;
  const ShelfBook& shelf_book = window_.Books()[book];
  if (!shelf_book.Cover.empty()) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(shelf_book.Cover.data());
    const PictureResult picture = DecodePictureBytes(
        std::span<const uint8_t>(bytes, shelf_book.Cover.size()), shelf_book.CoverFile);
    if (picture) {
      cover.Texture = UploadPicture(renderer, picture.Value());
      cover.Width = picture.Value().Width;
      cover.Height = picture.Value().Height;
    }
  }
  return covers_.emplace(book, std::move(cover)).first->second;
}

void ShelfView::Draw(Canvas& canvas) {
  const int width = ShelfWindow::kWidth;
  canvas.Fill(Rect{0, 0, width, ShelfWindow::kHeight}, kShelfBackground);
  canvas.Frame(Rect{0, 0, width, ShelfWindow::kHeight}, kFrame, 2);
  const Font heading = ShelfFont(16, true);
  const TextSize heading_size = canvas.Measure(heading, kShelfHeading);
  canvas.Text(heading, kShelfHeading, kFrame, (width - heading_size.Width) / 2, 14);

  const Font title = ShelfFont(13, true);
  const Font author = ShelfFont(11, false);
  if (window_.Books().empty()) {
    canvas.Text(author, kShelfEmpty, kAuthor, kMargin, ShelfWindow::kRowsTop + 10);
  }
  for (int row = 0; row < ShelfWindow::kRowsShown; ++row) {
    const std::optional<std::size_t> book = window_.BookInRow(row);
    if (!book) break;
    const ShelfBook& shown = window_.Books()[*book];
    const Rect area = RowArea(row);
    if (window_.Selected() == book) {
      canvas.Fill(area, kPickedRow);
      canvas.Frame(area, kFrame);
    }
    const Rect cover_box = CoverArea(row);
    const Cover& cover = CoverOf(*book, canvas.Renderer());
    if (cover.Texture && cover.Width > 0 && cover.Height > 0) {
      // Scaled to fit the square, its proportions kept.
      const double scale = std::min(static_cast<double>(kCoverSize) / cover.Width,
                                    static_cast<double>(kCoverSize) / cover.Height);
      const int w = std::max(1, static_cast<int>(cover.Width * scale));
      const int h = std::max(1, static_cast<int>(cover.Height * scale));
      const SDL_Rect target{cover_box.Left + (kCoverSize - w) / 2,
                            cover_box.Top + (kCoverSize - h) / 2, w, h};
      SDL_RenderCopy(canvas.Renderer(), cover.Texture.get(), nullptr, &target);
    } else {
      canvas.Frame(cover_box, kAuthor);
    }
    const int text_left = cover_box.Right() + 12;
    canvas.Text(title, shown.Title, kWhite, text_left, area.Top + 14);
    canvas.Text(author, shown.Author, kAuthor, text_left, area.Top + 40);
  }
  if (!window_.Status().empty()) {
    canvas.Text(author, window_.Status(), kStatus, kMargin, ShelfWindow::kHeight - 56);
  }
  const TextSize hint_size = canvas.Measure(author, kShelfHint);
  canvas.Text(author, kShelfHint, kAuthor, (width - hint_size.Width) / 2, ShelfWindow::kHeight - 30);
}

void ShelfView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      if (const auto row = RowAt(event.motion.x, event.motion.y)) window_.RowMouseMove(*row);
      host_.SetHandCursor(RowAt(event.motion.x, event.motion.y) &&
                          window_.BookInRow(*RowAt(event.motion.x, event.motion.y)));
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button != SDL_BUTTON_LEFT) break;
      if (const auto row = RowAt(event.button.x, event.button.y)) window_.RowClick(*row);
      break;
    case SDL_MOUSEWHEEL: {
      int notches = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      window_.MouseWheel(-notches);
      break;
    }
    case SDL_KEYDOWN:
      switch (event.key.keysym.sym) {
        case SDLK_UP: window_.KeyDown(ShelfKey::Up); break;
        case SDLK_DOWN: window_.KeyDown(ShelfKey::Down); break;
        case SDLK_PAGEUP: window_.KeyDown(ShelfKey::PageUp); break;
        case SDLK_PAGEDOWN: window_.KeyDown(ShelfKey::PageDown); break;
        case SDLK_HOME: window_.KeyDown(ShelfKey::Home); break;
        case SDLK_END: window_.KeyDown(ShelfKey::End); break;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: window_.KeyDown(ShelfKey::Enter); break;
        case SDLK_ESCAPE: window_.KeyDown(ShelfKey::Escape); break;
        default: break;
      }
      break;
    default:
      break;
  }
  host_.Redraw();
}

void RunShelf(DesktopHost& host, ShelfWindow& window) {
  host.SetTitle("Quarvelin");
  host.ShowMenuWindow(ShelfWindow::kWidth, ShelfWindow::kHeight);
  ShelfView view(host, window);
  host.RunLayer(view, [&window] { return window.IsClosed(); });
}

std::optional<ShelfBook> ChooseFromShelf(const DesktopOptions& options,
                                         std::vector<ShelfBook> books) {
  ShelfWindow window(std::move(books));
  DesktopHost host(options);
  RunShelf(host, window);
  if (!window.Chosen()) return std::nullopt;
  return window.Books()[*window.Chosen()];
}

}  // namespace qv
