// The name entry: the whole window in the main background colour, the
// picture "pozadi_postava" in the middle, the prompt, the name field with
// its label and the "ok" picture. Enter (anywhere) or "ok" takes the name,
// an empty one too.
#pragma once

#include <string>

#include "desktop/layer.h"
#include "desktop/text_field.h"

namespace qv {

class DesktopHost;

class NameView final : public Layer {
 public:
  explicit NameView(DesktopHost& host) : host_(host), field_(name_) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "name"; }

  bool Done() const { return done_; }
  // What the player typed (Windows-1250).
  const std::string& Name() const { return name_; }

  Rect FieldArea() const;
  Rect OkArea() const;

 private:
  DesktopHost& host_;
  std::string name_;
  TextField field_;
  bool done_ = false;
};

}  // namespace qv
