// The answer prompt (AnswerPromptWindow) over the page: the picture "pozadi_postava",
// the question, a one-line field and the "ok" picture. Only the click on
// "ok" closes it; Enter does not, but shows under "ok" how to answer, so
// the player is not left wondering why nothing happened.
#pragma once

#include "desktop/layer.h"
#include "desktop/text_field.h"
#include "ui/answer_prompt_window.h"

namespace qv {

class DesktopHost;

class AnswerView final : public Layer {
 public:
  AnswerView(DesktopHost& host, AnswerPromptWindow& window)
      : host_(host), window_(window), field_(window.Edit) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return window_.Kind(); }
  ModalWindow* Window() const override { return &window_; }

  Rect Area() const {
    return Rect{window_.Left, window_.Top, AnswerPromptWindow::kWidth, AnswerPromptWindow::kHeight};
  }
  Rect FieldArea() const;
  Rect OkArea(Canvas& canvas) const;
  // Whether the line on how to answer is shown (after Enter).
  bool HintShown() const { return hint_shown_; }

 private:
  DesktopHost& host_;
  AnswerPromptWindow& window_;
  TextField field_;
  bool hint_shown_ = false;
};

}  // namespace qv
