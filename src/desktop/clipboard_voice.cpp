#include "desktop/clipboard_voice.h"

#include <SDL.h>

#include <string>

namespace qv {

void ClipboardVoice::Speak(std::string_view utf8) {
  const std::string text(utf8);
  SDL_SetClipboardText(text.c_str());
}

}  // namespace qv
