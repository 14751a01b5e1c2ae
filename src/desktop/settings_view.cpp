#include "desktop/settings_view.h"

#include <algorithm>

#include "desktop/desktop_host.h"

namespace qv {

namespace {

const Font kCaptionFont{"Arial", 12, {true, false, false, false}};
const Font kControlFont{"Arial", 10, {}};
constexpr int kRowTops[2] = {38, 88};
constexpr int kSliderLeft = 15;
constexpr int kSliderWidth = 230;
constexpr int kKnobWidth = 8;
constexpr Colour kTrack = 0x808080;

}  // namespace

Rect SettingsView::CheckBoxArea(int row) const {
  // The box and its caption "Zapnuto" both toggle.
  return Rect{window_.Left + 90, window_.Top + kRowTops[row], 80, 18};
}

Rect SettingsView::SliderArea(int row) const {
  return Rect{window_.Left + kSliderLeft - kKnobWidth / 2, window_.Top + kRowTops[row] + 22,
              kSliderWidth + kKnobWidth, 20};
}

Rect SettingsView::PageButtonArea() const {
  if (window_.Switches.empty()) return Rect{};
  return Rect{window_.Left + SettingsWindow::kWidth - 40, window_.Top + 6, 30, 20};
}

Rect SettingsView::SwitchArea(std::size_t n) const {
  if (n >= window_.Switches.size()) return Rect{};
  return Rect{window_.Left + kSliderLeft, window_.Top + 34 + 20 * static_cast<int>(n),
              SettingsWindow::kWidth - 2 * kSliderLeft, 18};
}

void SettingsView::DrawSwitches(Canvas& canvas) {
  for (std::size_t n = 0; n < window_.Switches.size(); ++n) {
    const Rect row = SwitchArea(n);
    const Rect box{row.Left, row.Top + 2, 13, 13};
    canvas.Fill(box, kWhite);
    canvas.Frame(box, kTrack);
    if (window_.Switches[n].On) canvas.Fill(Rect{box.Left + 3, box.Top + 3, 7, 7}, kBlack);
    canvas.Text(kControlFont, window_.Switches[n].Caption, kWhite, box.Right() + 5, row.Top);
  }
}

Rect SettingsView::OkArea() const {
  return Rect{window_.Left + (SettingsWindow::kWidth - 60) / 2,
              window_.Top + SettingsWindow::kHeight - 30, 60, 22};
}

void SettingsView::Draw(Canvas& canvas) {
  const Rect area = Area();
  canvas.Fill(area, kBlack);
  canvas.Frame(area, host_.Look().Game.FrameColour, 2);
  canvas.Text(kCaptionFont, kSettingsCaption, kWhite, area.Left + 10, area.Top + 8);
  if (!window_.Switches.empty()) {
    const Rect page = PageButtonArea();
    canvas.Frame(page, kWhite);
    canvas.Text(kControlFont, window_.Page == 1 ? ">>" : "<<", kWhite, page.Left + 8, page.Top + 3);
  }
  if (window_.Page == 2 && !window_.Switches.empty()) {
    DrawSwitches(canvas);
  } else {
    DrawSoundRows(canvas);
  }
  const Rect ok = OkArea();
  canvas.Fill(ok, kBlack);
  canvas.Frame(ok, kWhite);
  const TextSize caption = canvas.Measure(kControlFont, kOkCaption);
  canvas.Text(kControlFont, kOkCaption, kWhite, ok.Left + (ok.Width - caption.Width) / 2,
              ok.Top + (ok.Height - caption.Height) / 2);
}

void SettingsView::DrawSoundRows(Canvas& canvas) {
  const Rect area = Area();
  const std::string_view rows[2] = {kSoundsRow, kMusicRow};
  const bool checked[2] = {window_.SoundOn, window_.MusicOn};
  const int32_t positions[2] = {window_.SoundVolume, window_.MusicVolume};
  for (int row = 0; row < 2; ++row) {
    canvas.Text(kControlFont, rows[row], kWhite, area.Left + kSliderLeft, area.Top + kRowTops[row]);
    const Rect check = CheckBoxArea(row);
    const Rect box{check.Left, check.Top + 2, 13, 13};
    canvas.Fill(box, kWhite);
    canvas.Frame(box, kTrack);
    if (checked[row]) canvas.Fill(Rect{box.Left + 3, box.Top + 3, 7, 7}, kBlack);
    canvas.Text(kControlFont, kSwitchCaption, kWhite, box.Right() + 5, check.Top);
    const Rect slider = SliderArea(row);
    const int track_top = slider.Top + slider.Height / 2 - 1;
    canvas.Fill(Rect{area.Left + kSliderLeft, track_top, kSliderWidth, 3}, kTrack);
    const int knob = area.Left + kSliderLeft + TrackOffset(positions[row]);
    canvas.Fill(Rect{knob - kKnobWidth / 2, slider.Top + 2, kKnobWidth, slider.Height - 4}, kWhite);
  }
}

int SettingsView::TrackOffset(int32_t position) {
  return (std::clamp<int32_t>(position, 0, SettingsWindow::kSliderMax) * kSliderWidth +
          SettingsWindow::kSliderMax / 2) /
         SettingsWindow::kSliderMax;
}

int32_t SettingsView::PositionAt(int offset) {
  return (std::clamp(offset, 0, kSliderWidth) * SettingsWindow::kSliderMax + kSliderWidth / 2) /
         kSliderWidth;
}

void SettingsView::Slide(int row, int x) {
  const int32_t position = PositionAt(x - (window_.Left + kSliderLeft));
  if (row == 0) {
    if (position != window_.SoundVolume) window_.SoundVolumeChange(position);
  } else if (position != window_.MusicVolume) {
    window_.MusicVolumeChange(position);
  }
}

void SettingsView::Step(int row, int delta) {
  const int32_t now = row == 0 ? window_.SoundVolume : window_.MusicVolume;
  const int32_t next =
      std::clamp<int32_t>(now + delta, SettingsWindow::kSliderMin, SettingsWindow::kSliderMax);
  if (next == now) return;
  if (row == 0) {
    window_.SoundVolumeChange(next);
  } else {
    window_.MusicVolumeChange(next);
  }
}

void SettingsView::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN: {
      if (event.button.button != SDL_BUTTON_LEFT) return;
      const int x = event.button.x;
      const int y = event.button.y;
      if (PageButtonArea().Contains(x, y)) {
        window_.PageClick();
        return;
      }
      if (window_.Page == 2) {
        for (std::size_t n = 0; n < window_.Switches.size(); ++n) {
          if (SwitchArea(n).Contains(x, y)) window_.SwitchClick(n, !window_.Switches[n].On);
        }
        if (OkArea().Contains(x, y)) window_.OkClick();
        return;
      }
      if (CheckBoxArea(0).Contains(x, y)) {
        window_.SoundOnClick(!window_.SoundOn);
      } else if (CheckBoxArea(1).Contains(x, y)) {
        window_.MusicOnClick(!window_.MusicOn);
      } else if (OkArea().Contains(x, y)) {
        window_.OkClick();
      } else {
        for (int row = 0; row < 2; ++row) {
          if (SliderArea(row).Contains(x, y)) {
            dragging_ = row;
            focused_ = row;
            Slide(row, x);
          }
        }
      }
      return;
    }
    case SDL_MOUSEMOTION:
      if (dragging_ >= 0 && (event.motion.state & SDL_BUTTON_LMASK))
        Slide(dragging_, event.motion.x);
      return;
    case SDL_MOUSEBUTTONUP:
      dragging_ = -1;
      return;
    case SDL_KEYDOWN:
      switch (event.key.keysym.sym) {
        case SDLK_ESCAPE:
          window_.Close();
          return;
        case SDLK_TAB:
          window_.PageClick();
          return;
        case SDLK_LEFT:
        case SDLK_DOWN:
          Step(focused_, -1);
          return;
        case SDLK_RIGHT:
        case SDLK_UP:
          Step(focused_, +1);
          return;
        default:
          return;
      }
    default:
      return;
  }
}

}  // namespace qv
