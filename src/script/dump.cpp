#include "script/dump.h"

#include <array>
#include <string_view>
#include <utility>

#include "parser/colour.h"
#include "script/shown_text.h"

namespace qv {

namespace {

using Json = nlohmann::ordered_json;

// The dump keys of the modal windows, in the contract's order, with the
// window kind each one shows.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kWindowKeys = {{
    {"fight", "fight"},
    {"shop", "shop"},
    {"sell", "sell"},
    {"inventory", "inventory"},
    {"sheet", "sheet"},
    {"save", "save"},
    {"answer", "answer"},
    {"picture", "picture"},
}};

Json Options(const GameWindow& form) {
  Json options = Json::array();
  for (const TLELabel& label : form.OptionLabels) {
    options.push_back(Json{{"text", ShownText(label.Caption)},
                           {"target", label.link},
                           {"colour", ColourToHtml(label.FontColour)},
                           {"top", label.Top}});
  }
  return options;
}

Json Texts(const GameWindow& form) {
  Json texts = Json::array();
  for (const TXLabel& block : form.TextBlocks) {
    texts.push_back(Json{{"text", ShownText(block.Text)},
                         {"left", block.Left},
                         {"top", block.Top},
                         {"height", block.Height},
                         {"colour", ColourToHtml(block.TextColour)},
                         {"bold", block.Style.Bold},
                         {"italic", block.Style.Italic},
                         {"underline", block.Style.Underline},
                         {"strike", block.Style.StrikeOut},
                         {"target", block.Target},
                         {"weblink", ShownText(block.WebLink)}});
  }
  return texts;
}

Json Pictures(const GameWindow& form) {
  Json pictures = Json::array();
  for (const TXImage& picture : form.InTextPictures) {
    pictures.push_back(Json{{"file", ShownText(picture.File)},
                            {"left", picture.Left},
                            {"top", picture.Top},
                            {"width", picture.Width},
                            {"height", picture.Height},
                            {"hint", ShownText(picture.Hint)},
                            {"target", picture.Target}});
  }
  return pictures;
}

Json Info(const GameWindow& form) {
  Json info = Json::array();
  for (const InfoLine& line : form.History) {
    info.push_back(Json{{"text", ShownText(line.Text)}, {"colour", ColourToHtml(line.LineColour)}});
  }
  return info;
}

Json Strings(const std::vector<std::string>& texts) {
  Json out = Json::array();
  for (const std::string& text : texts) out.push_back(ShownText(text));
  return out;
}

// The window's dump through its driver; null when it is not open or cannot
// be shown yet.
Json WindowEntry(const DumpSources& sources, std::string_view kind) {
  const StackedWindow* window = sources.Windows.Find(kind);
  if (!window || !window->Modal) return nullptr;
  const auto driver = sources.Drivers.find(kind);
  if (driver == sources.Drivers.end()) return nullptr;
  return driver->second->Dump(*window->Modal);
}

// The audio player; without one (no sound library) its defaults.
Json Audio(const GameState& state, const AudioPlayer* audio) {
  Json out = Json::object();
  out["available"] = state.AudioAvailable;
  out["sound_on"] = audio ? audio->SoundOn : true;
  out["music_on"] = audio ? audio->MusicOn : true;
  out["sound_volume"] = audio ? audio->SoundVolume : AudioPlayer::kDefaultVolume;
  out["music_volume"] = audio ? audio->MusicVolume : AudioPlayer::kDefaultVolume;
  out["music_kind"] = audio ? audio->MusicKind : kNoMusic;
  out["music_name"] = audio ? ShownText(audio->MusicName.str()) : std::string();
  return out;
}

}  // namespace

Json BuildDump(const DumpSources& sources) {
  const GameSession& session = sources.Session;
  const GameWindow& form = session.Form;
  const GameState& state = *session.State;
  const WorldState& world = state.World;

  Json out = Json::object();
  Json windows = Json::array();
  for (const StackedWindow& window : sources.Windows.Windows()) windows.push_back(window.Kind);
  out["windows"] = std::move(windows);
  out["ended"] = sources.Host.ProgramEnded();
  out["messages"] = Strings(sources.Host.Messages());
  out["location"] = world.Location;
  out["previous_location"] = world.PreviousLocation;
  out["location_label"] =
      form.LocationLabelVisible ? Json(ShownText(form.LocationLabel)) : Json(nullptr);
  out["heading"] = Json{{"text", ShownText(world.MenuHeading.str())},
                        {"colour", ColourToHtml(static_cast<Colour>(world.MenuHeadingColour))},
                        {"left", form.MenuLeft}};
  out["options"] = Options(form);
  out["texts"] = Texts(form);
  out["pictures"] = Pictures(form);
  out["info"] = Info(form);
  out["timer"] = ShownText(form.Timer.TimerLabel);
  out["buttons"] = Json{{"postava", form.SheetButtonVisible},
                        {"vybaveni", form.EquipmentButtonVisible},
                        {"napoveda", form.HelpButtonVisible},
                        {"audio", form.AudioButtonVisible},
                        {"pokracovat", form.ContinueButtonVisible}};
  out["state"] = DumpGameState(state, session.Store);
  for (const auto& [key, kind] : kWindowKeys) out[std::string(key)] = WindowEntry(sources, kind);

  if (sources.Windows.Contains(kLoadListWindow)) {
    Json entries = Json::array();
    for (const TLELabel& label : sources.LoadList.Labels)
      entries.push_back(ShownText(label.Caption));
    out["load_list"] = Json{{"entries", std::move(entries)}};
  } else {
    out["load_list"] = nullptr;
  }

  out["audio"] = Audio(state, session.Audio.get());
  // Added to the contract's keys: what the system's open action was given.
  out["web_links"] = Strings(sources.Host.WebLinks());
  // Added: the settings window, and every call the audio player made to the
  // sound device, in order.
  out["settings"] = WindowEntry(sources, "settings");
  out["audio_calls"] = sources.AudioCalls ? Strings(*sources.AudioCalls) : Json::array();
  return out;
}

std::string JsonLine(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace qv
