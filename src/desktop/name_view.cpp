#include "desktop/name_view.h"

#include "desktop/desktop_host.h"

namespace qv {

namespace {

const Font kPromptFont{"Arial", 12, {true, false, false, false}};
const Font kLabelFont{"Arial", 10, {}};
constexpr int kMissingOkWidth = 60;
constexpr int kMissingOkHeight = 30;

}  // namespace

Rect NameView::FieldArea() const {
  return CentredOn(host_.LogicalWidth() / 2,
                   host_.LogicalHeight() / 2 - NameEntryWindow::kFieldAbove, TextField::kWidth,
                   TextField::kHeight);
}

Rect NameView::OkArea() const {
  const ShownPicture ok = host_.Pictures().Skin(NameEntryWindow::kOkPicture);
  return CentredOn(host_.LogicalWidth() / 2, host_.LogicalHeight() / 2 + NameEntryWindow::kOkBelow,
                   ok.Texture ? ok.Width : kMissingOkWidth,
                   ok.Texture ? ok.Height : kMissingOkHeight);
}

void NameView::Draw(Canvas& canvas) {
  const int width = host_.LogicalWidth();
  const int height = host_.LogicalHeight();
  canvas.Fill(Rect{0, 0, width, height}, host_.Look().Menu.MainBackground);
  const ShownPicture background = canvas.Pictures().Skin(NameEntryWindow::kBackgroundPicture);
  if (background.Texture) {
    const Rect at = CentredOn(width / 2, height / 2, background.Width, background.Height);
    canvas.DrawPicture(background, at.Left, at.Top);
  }
  const Colour text = background.Texture ? kBlack : kWhite;
  const TextSize prompt = canvas.Measure(kPromptFont, window_.Prompt);
  const Rect prompt_at =
      CentredOn(width / 2, height / 2 - NameEntryWindow::kPromptAbove, prompt.Width, prompt.Height);
  canvas.Text(kPromptFont, window_.Prompt, text, prompt_at.Left, prompt_at.Top);
  const Rect field = FieldArea();
  field_.Draw(canvas, field);
  canvas.Text(kLabelFont, window_.Label, text, field.Left - NameEntryWindow::kLabelLeftOfField,
              field.Top + NameEntryWindow::kLabelBelowField);
  const Rect ok = OkArea();
  canvas.DrawPicture(canvas.Pictures().Skin(NameEntryWindow::kOkPicture), ok.Left, ok.Top, ok);
}

void NameView::HandleEvent(const SDL_Event& event) {
  if (IsEnterKey(event)) {
    Action = window_.FormKeyPress(kEnterKey);
    return;
  }
  if (field_.HandleEvent(event)) return;
  if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT &&
      OkArea().Contains(event.button.x, event.button.y)) {
    Action = window_.OkClick();
  }
}

}  // namespace qv
