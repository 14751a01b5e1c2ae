// The death window: the fixed picture "./grafika/smrtcool.jpg" in a 210 x
// 180 panel at the top-left corner. A click on the picture or any character
// key (Enter and Esc included) ends the program.
#pragma once

#include "desktop/layer.h"

namespace qv {

class DesktopHost;

class DeathView final : public Layer {
 public:
  static constexpr int kWidth = 210;
  static constexpr int kHeight = 180;
  static constexpr const char* kPicture = "./grafika/smrtcool.jpg";

  explicit DeathView(DesktopHost& host) : host_(host) {}

  void Draw(Canvas& canvas) override;
  void HandleEvent(const SDL_Event& event) override;
  std::string_view Kind() const override { return "death"; }

 private:
  DesktopHost& host_;
};

// Enter, Esc and every key that types a character: the keys that close the
// windows which any character key closes.
bool IsCharacterKey(const SDL_Event& event);

}  // namespace qv
