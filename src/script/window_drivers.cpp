#include "script/window_drivers.h"

#include <string>

#include "data/cp1250.h"
#include "script/fight_driver.h"
#include "script/inventory_driver.h"
#include "script/save_driver.h"
#include "script/sell_driver.h"
#include "script/settings_driver.h"
#include "script/sheet_driver.h"
#include "script/shop_driver.h"
#include "script/shown_text.h"
#include "ui/answer_prompt_window.h"
#include "ui/picture_popup_window.h"

namespace qv {

namespace {

// AnswerPromptWindow: `answer TEXT` types TEXT into the field and clicks "ok".
class AnswerPromptDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    const auto* answer = std::get_if<action::Answer>(&action);
    if (!answer) ThrowNotForWindow(window, action);
    auto& prompt = dynamic_cast<AnswerPromptWindow&>(window);
    prompt.Edit = Utf8ToCp1250(answer->Text);
    prompt.OkClick();
  }
  nlohmann::ordered_json Dump(const ModalWindow& window) const override {
    const auto* prompt = dynamic_cast<const AnswerPromptWindow*>(&window);
    if (!prompt) return nullptr;
    nlohmann::ordered_json out;
    out["question"] = ShownText(prompt->Question);
    return out;
  }
};

// PicturePopupWindow: `close` clicks the picture. Dumped is the picture area, not the
// whole window.
class PicturePopupDriver final : public WindowDriver {
 public:
  void Apply(ModalWindow& window, const ScriptAction& action) override {
    if (!std::holds_alternative<action::Close>(action)) ThrowNotForWindow(window, action);
    // A window of this kind that is no pop-up (a test's) just closes.
    if (auto* popup = dynamic_cast<PicturePopupWindow*>(&window)) {
      popup->PictureClick();
    } else {
      window.Close();
    }
  }
  nlohmann::ordered_json Dump(const ModalWindow& window) const override {
    const auto* popup = dynamic_cast<const PicturePopupWindow*>(&window);
    if (!popup) return nullptr;
    nlohmann::ordered_json out;
    out["file"] = ShownText(popup->File);
    out["width"] = popup->Width;
    out["height"] = popup->Height;
    out["caption"] = ShownText(popup->Caption);
    return out;
  }
};

}  // namespace

WindowDrivers DefaultWindowDrivers() {
  WindowDrivers drivers;
  drivers["answer"] = std::make_unique<AnswerPromptDriver>();
  drivers["picture"] = std::make_unique<PicturePopupDriver>();
  drivers["save"] = MakeSaveDriver();
  drivers["fight"] = MakeFightDriver();
  drivers["sheet"] = MakeSheetDriver();
  drivers["inventory"] = MakeInventoryDriver();
  drivers["shop"] = MakeShopDriver();
  drivers["sell"] = MakeSellDriver();
  drivers["settings"] = MakeSettingsDriver();
  return drivers;
}

}  // namespace qv
