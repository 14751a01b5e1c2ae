#include "desktop/answer_view.h"

#include "desktop/desktop_host.h"
#include "desktop/small_window.h"

namespace qv {

namespace {

const Font kQuestionFont{"Arial", 12, {true, false, false, false}};
const Font kHintFont{"Arial", 10, {}};
// "Odpověď potvrď kliknutím na ok."
constexpr std::string_view kHowToAnswer = "Odpov\xEC\xEF potvr\xEF kliknut\xEDm na ok.";
constexpr int kHintGap = 6;
constexpr std::string_view kOkCaption = "ok";

// Where the "ok" picture goes when the skin has none.
constexpr int kMissingOkWidth = 60;
constexpr int kMissingOkHeight = 30;

}  // namespace

Rect AnswerView::FieldArea() const {
  const Rect area = Area();
  return CentredOn(area.Left + area.Width / 2, area.Top + area.Height / 2 - 20, TextField::kWidth,
                   TextField::kHeight);
}

Rect AnswerView::OkArea(Canvas& canvas) const {
  const Rect area = Area();
  const ShownPicture ok = canvas.Pictures().Skin("ok", SeeThrough(host_.Look().Menu));
  const int width = ok.Texture ? ok.Width : kMissingOkWidth;
  const int height = ok.Texture ? ok.Height : kMissingOkHeight;
  return CentredOn(area.Left + area.Width / 2, area.Top + area.Height / 2 + 50, width, height);
}

void AnswerView::Draw(Canvas& canvas) {
  const DesktopLook look = host_.Look();
  const Rect area = Area();
  FillSmallWindow(canvas, look.Menu, area);
  const ShownPicture background = canvas.Pictures().Skin("pozadi_postava", SeeThrough(look.Menu));
  if (background.Texture) {
    const Rect at = CentredOn(area.Left + area.Width / 2, area.Top + area.Height / 2,
                              background.Width, background.Height);
    canvas.DrawPicture(background, at.Left, at.Top);
  } else {
    DrawBuiltInPanel(canvas, area);
  }
  const TextSize question = canvas.Measure(kQuestionFont, window_.Question);
  const Rect question_at = CentredOn(area.Left + area.Width / 2, area.Top + area.Height / 2 - 70,
                                     question.Width, question.Height);
  canvas.Text(kQuestionFont, window_.Question, TextColourOn(background), question_at.Left,
              question_at.Top);
  field_.Draw(canvas, FieldArea());
  const Rect ok = OkArea(canvas);
  const ShownPicture ok_picture = canvas.Pictures().Skin("ok", SeeThrough(look.Menu));
  canvas.DrawPicture(ok_picture, ok.Left, ok.Top, ok);
  if (!ok_picture.Texture) {
    // Without its picture the button still says what the hint calls it.
    const TextSize caption = canvas.Measure(kHintFont, kOkCaption);
    canvas.Text(kHintFont, kOkCaption, TextColourOn(background),
                ok.Left + (ok.Width - caption.Width) / 2, ok.Top + (ok.Height - caption.Height) / 2);
  }
  if (hint_shown_) {
    const TextSize hint = canvas.Measure(kHintFont, kHowToAnswer);
    canvas.Text(kHintFont, kHowToAnswer, TextColourOn(background),
                area.Left + (area.Width - hint.Width) / 2, ok.Bottom() + kHintGap);
  }
}

void AnswerView::HandleEvent(const SDL_Event& event) {
  if (IsEnterKey(event)) {
    hint_shown_ = true;
    return;
  }
  if (field_.HandleEvent(event)) return;
  if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT &&
      OkArea(host_.Paint()).Contains(event.button.x, event.button.y)) {
    window_.OkClick();
  }
}

}  // namespace qv
