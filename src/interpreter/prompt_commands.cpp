// The small windows a page opens: the answer prompt (TEXTOVEOKNO) and the
// picture pop-up (OBRAZEK). Both are modal; the rest of the page is built
// after they close, unless a countdown has shown another page meanwhile
// (ChangeLoc then drops the rest of this page's tags).
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "interpreter/flow_commands.h"
#include "interpreter/game_window.h"
#include "interpreter/page_error.h"
#include "interpreter/tag_attributes.h"

namespace qv {

namespace {

// TEXTOVEOKNO: asks for a text and keeps it in a text slot. Without RETEZEC
// the page's slot number stands (0 at the start of a page); a slot outside
// 1..10 has no room and the answer is dropped.
void AnswerPrompt(GameWindow& form, const TagEntry& tag) {
  AnswerPromptWindow& window = form.AnswerPrompt;
  window.Edit.clear();
  window.Question = kDefaultAnswerQuestion;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "OTAZKA") {
      window.Question = p.Value;
    } else if (p.Name == "RETEZEC") {
      form.Locals.AnswerSlot = IntValue(p);
    }
  }
  window.CentreOnScreen(form.host.ScreenWidth(), form.host.ScreenHeight());
  window.Reopen();
  const uint64_t page = form.PageGeneration();
  form.RunPageWindow(window);
  // A countdown that showed another page while the prompt was up took this
  // page away, and the answer with it: the new page may have asked (and
  // answered) into the same window and slot numbers of its own.
  if (form.PageGeneration() != page) return;
  form.State.World.Strings.Set(form.Locals.AnswerSlot, window.Edit);  // cut to 100
}

// OBRAZEK: a picture from ./obrazky/ in a pop-up. A picture that cannot be
// read stops the page.
void PicturePopup(GameWindow& form, const TagEntry& tag) {
  PicturePopupWindow& window = form.PicturePopup;
  int width = 30;
  int height = 30;
  bool size_given = false;
  std::string file;
  window.Caption.clear();
  for (const param& p : Attributes(tag)) {
    if (p.Name == "SOUBOR") {
      file = p.Value;
    } else if (p.Name == "VYSKA") {
      height = IntValue(p);
      size_given = true;
    } else if (p.Name == "SIRKA") {
      width = IntValue(p);
      size_given = true;
    } else if (p.Name == "POPIS") {
      window.Caption = p.Value;
    }
  }
  window.File = "./obrazky/" + file;
  PictureResult picture = DecodePicture(window.File);
  if (!picture) throw PageError(picture.Error());
  if (!size_given) {
    width = picture.Value().Width;
    height = picture.Value().Height;
  }
  // A window cannot be narrower than nothing.
  window.Width = std::max(width, 0);
  window.Height = std::max(height, 0);
  window.Image = std::move(picture.Value());
  window.CentreOnScreen(form.host.ScreenWidth(), form.host.ScreenHeight());
  window.Reopen();
  form.RunPageWindow(window);
  window.Image = Picture{};  // the pixels are not needed once the window is down
}

}  // namespace

void AddPromptCommands(CommandMap& map) {
  map["TEXTOVEOKNO"] = &AnswerPrompt;
  map["OBRAZEK"] = &PicturePopup;
}

}  // namespace qv
