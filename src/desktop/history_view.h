// The page history on the desktop: the earlier pages of the session, each
// with the choice made on it, over the game window; read-only. It opens at
// the newest page; arrows, Page Up/Down and the wheel scroll it; H, Esc or a
// click closes it.
#pragma once

#include <string>
#include <vector>

#include "comforts/page_history.h"
#include "desktop/layer.h"
#include "host/font.h"

namespace qv {

class DesktopHost;

class HistoryView final : public Layer {
 public:
  HistoryView(DesktopHost& host, const PageHistory& history, Font font);

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "history"; }

  bool Closed() const { return closed_; }
  // The lines shown, one text line each (Windows-1250), and the first one
  // on the screen.
  const std::vector<std::string>& Lines() const { return lines_; }
  std::size_t FirstShown() const { return first_; }

 private:
  void Scroll(int lines);
  std::size_t LinesOnScreen() const;

  DesktopHost& host_;
  Font font_;
  std::vector<std::string> lines_;
  std::size_t first_ = 0;
  int line_height_ = 0;
  bool closed_ = false;
};

// The history as lines: "[LOCATION]", the page's text lines, "> CHOICE" and
// a blank line between pages.
std::vector<std::string> HistoryLines(const PageHistory& history);

}  // namespace qv
