// SAVE: the save window, where the player names the position to write.
#include "interpreter/flow_commands.h"
#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"
#include "state/save_window.h"

namespace qv {

namespace {

// The position resumes at ODKAZ (0 or less: where it was saved), the window
// proposes NAZEV, and PRESMERUJ is the location source the position resumes
// with (by default the one in use now). A value that is no number stops the
// page before the window opens.
void Save(GameWindow& form, const TagEntry& tag) {
  GameState& state = form.State;
  state.SaveRedirect = state.World.RedirectName.str();
  state.SaveTarget = 0;
  state.SaveDefaultName = kDefaultSaveName;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "ODKAZ") {
      state.SaveTarget = IntValue(p);
    } else if (p.Name == "NAZEV") {
      state.SaveDefaultName = p.Value;
    } else if (p.Name == "PRESMERUJ") {
      state.SaveRedirect = p.Value;
    }
  }
  SaveWindow window(state, form.Store, form.host, form.PlayingMusic);
  window.CentreOn(form.host.ScreenWidth(), form.host.ScreenHeight());
  window.FormShow();
  form.RunPageWindow(window);
}

}  // namespace

void AddSaveCommands(CommandMap& map) { map["SAVE"] = &Save; }

}  // namespace qv
