#include "desktop/modal_views.h"

#include <memory>

#include "desktop/answer_view.h"
#include "desktop/desktop_host.h"
#include "desktop/fight_view.h"
#include "desktop/inventory_view.h"
#include "desktop/picture_view.h"
#include "desktop/save_view.h"
#include "desktop/sell_view.h"
#include "desktop/settings_view.h"
#include "desktop/sheet_view.h"
#include "desktop/shop_view.h"

namespace qv {

namespace {

// The view of a window of type W, or nothing when the window is not one.
template <typename View, typename W>
ModalViewFactory ViewOf(DesktopHost& host) {
  return [&host](ModalWindow& window) -> std::unique_ptr<Layer> {
    auto* typed = dynamic_cast<W*>(&window);
    if (!typed) return nullptr;
    return std::make_unique<View>(host, *typed);
  };
}

}  // namespace

void RegisterModalViews(DesktopHost& host) {
  host.RegisterModalView("answer", ViewOf<AnswerView, AnswerPromptWindow>(host));
  host.RegisterModalView("picture", ViewOf<PictureView, PicturePopupWindow>(host));
  host.RegisterModalView("settings", ViewOf<SettingsView, SettingsWindow>(host));
  host.RegisterModalView("save", ViewOf<SaveView, SaveWindow>(host));
  host.RegisterModalView("fight", ViewOf<FightView, FightWindow>(host));
  host.RegisterModalView("sheet", ViewOf<SheetView, CharacterSheetWindow>(host));
  host.RegisterModalView("inventory", ViewOf<InventoryView, InventoryWindow>(host));
  host.RegisterModalView("shop", ViewOf<ShopView, ShopWindow>(host));
  host.RegisterModalView("sell", ViewOf<SellView, SellWindow>(host));
}

}  // namespace qv
