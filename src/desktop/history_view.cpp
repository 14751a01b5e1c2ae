#include "desktop/history_view.h"

#include <algorithm>

#include "desktop/desktop_host.h"
#include "desktop/desktop_look.h"

namespace qv {

namespace {

constexpr int kMargin = 30;
constexpr Colour kBackground = 0x000000;
constexpr Colour kTextColour = 0xC0C0C0;
constexpr Colour kChoiceColour = 0xFFFFFF;

void AppendLines(std::vector<std::string>& lines, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
}

}  // namespace

std::vector<std::string> HistoryLines(const PageHistory& history) {
  std::vector<std::string> lines;
  for (const HistoryPage& page : history.Pages()) {
    if (!lines.empty()) lines.emplace_back();
    lines.push_back("[" + std::to_string(page.Location) + "]");
    for (const std::string& text : page.Texts) AppendLines(lines, text);
    if (!page.Choice.empty()) lines.push_back("> " + page.Choice);
  }
  return lines;
}

HistoryView::HistoryView(DesktopHost& host, const PageHistory& history, Font font)
    : host_(host), font_(std::move(font)), lines_(HistoryLines(history)) {
  line_height_ = std::max(1, host_.MeasureText(font_, "\xC1g").Height);
  // The newest page is the one just read: it is shown first.
  first_ = lines_.size() > LinesOnScreen() ? lines_.size() - LinesOnScreen() : 0;
}

std::size_t HistoryView::LinesOnScreen() const {
  return static_cast<std::size_t>(std::max(1, (host_.ScreenHeight() - 2 * kMargin) / line_height_));
}

void HistoryView::Scroll(int lines) {
  const std::size_t last = lines_.size() > LinesOnScreen() ? lines_.size() - LinesOnScreen() : 0;
  const long long wanted = static_cast<long long>(first_) + lines;
  first_ = static_cast<std::size_t>(std::clamp<long long>(wanted, 0, static_cast<long long>(last)));
  host_.Redraw();
}

void HistoryView::Draw(Canvas& canvas) {
  canvas.Fill(Rect{0, 0, host_.ScreenWidth(), host_.ScreenHeight()}, kBackground);
  int y = kMargin;
  const std::size_t end = std::min(lines_.size(), first_ + LinesOnScreen());
  for (std::size_t i = first_; i < end; ++i) {
    const std::string& line = lines_[i];
    const bool marker = line.starts_with("> ") || line.starts_with("[");
    if (!line.empty()) canvas.Text(font_, line, marker ? kChoiceColour : kTextColour, kMargin, y);
    y += line_height_;
  }
}

void HistoryView::HandleEvent(const SDL_Event& event) {
  const int page = static_cast<int>(LinesOnScreen());
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
      closed_ = true;
      break;
    case SDL_MOUSEWHEEL: {
      int notches = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      Scroll(-3 * notches);
      break;
    }
    case SDL_KEYDOWN:
      switch (event.key.keysym.sym) {
        case SDLK_ESCAPE:
        case SDLK_h:
          closed_ = true;
          break;
        case SDLK_UP:
          Scroll(-1);
          break;
        case SDLK_DOWN:
          Scroll(1);
          break;
        case SDLK_PAGEUP:
          Scroll(-page);
          break;
        case SDLK_PAGEDOWN:
          Scroll(page);
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

}  // namespace qv
