// The eight attribute commands ZIVOTY, MANA, MAXZIVOTY, MAXMANA, SILA,
// OBRATNOST, RYCHLOST and ENERGIE. Each takes PLUS (add), MINUS (subtract)
// and JE (set), any number in order; every one adds a message line in the
// command's colour. The lines are shown once after the tag, and then hit
// points and mana are brought back within their limits (which may end the
// game). Other attribute names are ignored; sums wrap on 32 bits.

#include <string>
#include <string_view>

#include "interpreter/game_window.h"
#include "interpreter/tag_attributes.h"
#include "interpreter/variable_command_groups.h"
#include "parser/wrapping_arithmetic.h"
#include "state/game_state.h"

namespace qv {

namespace {

// A message is Before + the value text + After.
struct Message {
  std::string_view Before;
  std::string_view After;
};

struct AttributeCommand {
  int32_t CharacterState::*Field;
  // For hit points and mana: the maximum whose remaining room PLUS reports
  // instead of the value when the value would pass it. Null for the others.
  int32_t CharacterState::*Maximum;
  std::string_view Colour;
  Message Plus;
  Message Minus;
  Message Je;
};

// Windows-1250 pieces: "životů!", "Tvá maximální úroveň ", "se zvýšila o ",
// "se snížila o ", "síla", "Máš ".
#define QV_LIVES " \x9Eivot\xF9!"
#define QV_MAXIMUM "Tv\xE1 maxim\xE1ln\xED \xFArove\xF2 "
#define QV_RAISED " se zv\xFD\x9Aila o "
#define QV_LOWERED " se sn\xED\x9Eila o "
#define QV_YOU_HAVE "M\xE1\x9A "

// The texts are exact to the blank: most raise and lower texts end in two
// blanks, ENERGIE's lower text in one, MAXMANA's JE text in two.
constexpr AttributeCommand kZivoty{
    &CharacterState::ZIVOTY,    &CharacterState::MAXZIVOTY, "red",
    {"Obnovil sis ", QV_LIVES}, {"Ztratil jsi ", QV_LIVES}, {QV_YOU_HAVE, QV_LIVES}};
constexpr AttributeCommand kMana{
    &CharacterState::MANA,      &CharacterState::MAXMANA,   "aqua",
    {"Obnovil sis ", " many!"}, {"Ztratil jsi ", " many!"}, {QV_YOU_HAVE, " many!"}};
constexpr AttributeCommand kMaxZivoty{&CharacterState::MAXZIVOTY,
                                      nullptr,
                                      "lime",
                                      {QV_MAXIMUM "\x9Eivot\xF9" QV_RAISED " ", ""},
                                      {QV_MAXIMUM "\x9Eivot\xF9" QV_LOWERED " ", ""},
                                      {QV_MAXIMUM "\x9Eivot\xF9 je ", ""}};
constexpr AttributeCommand kMaxMana{&CharacterState::MAXMANA,
                                    nullptr,
                                    "blue",
                                    {QV_MAXIMUM "many" QV_RAISED " ", ""},
                                    {QV_MAXIMUM "many" QV_LOWERED " ", ""},
                                    {QV_MAXIMUM "many je  ", ""}};
constexpr AttributeCommand kSila{&CharacterState::SILA,
                                 nullptr,
                                 "lime",
                                 {"Tv\xE1 s\xEDla" QV_RAISED " ", ""},
                                 {"Tv\xE1 s\xEDla" QV_LOWERED " ", ""},
                                 {"Tv\xE1 s\xEDla je ", ""}};
constexpr AttributeCommand kObratnost{&CharacterState::OBRATNOST,
                                      nullptr,
                                      "white",
                                      {"Tv\xE1 obratnost" QV_RAISED " ", ""},
                                      {"Tv\xE1 obratnost" QV_LOWERED " ", ""},
                                      {"Tv\xE1 obratnost je ", ""}};
constexpr AttributeCommand kRychlost{&CharacterState::RYCHLOST,
                                     nullptr,
                                     "aqua",
                                     {"Tv\xE1 rychlost" QV_RAISED " ", ""},
                                     {"Tv\xE1 rychlost" QV_LOWERED " ", ""},
                                     {"Tv\xE1 rychlost je ", ""}};
constexpr AttributeCommand kEnergie{&CharacterState::ENERGIE,
                                    nullptr,
                                    "fuchsia",
                                    {"Tv\xE1 energie" QV_RAISED " ", ""},
                                    {"Tv\xE1 energie" QV_LOWERED, ""},
                                    {"Tv\xE1 energie je ", ""}};

#undef QV_LIVES
#undef QV_MAXIMUM
#undef QV_RAISED
#undef QV_LOWERED
#undef QV_YOU_HAVE

void AddLine(GameWindow& form, const AttributeCommand& command, const Message& message,
             std::string_view value) {
  form.AddInfoLine(std::string(message.Before) + std::string(value) + std::string(message.After));
  form.SetInfoColour(command.Colour);
}

template <const AttributeCommand& kCommand>
void ChangeAttribute(GameWindow& form, const TagEntry& tag) {
  CharacterState& hero = form.State.Character;
  int32_t& field = hero.*kCommand.Field;
  for (const param& p : Attributes(tag)) {
    if (p.Name == "PLUS") {
      const int32_t n = IntValue(p);
      const int32_t sum = WrapAdd(field, n);
      // The message tells what the cap after the tag will leave of the gain;
      // it compares with the plain maximum, without a fight's bonus.
      if (kCommand.Maximum != nullptr && sum > hero.*kCommand.Maximum) {
        AddLine(form, kCommand, kCommand.Plus,
                std::to_string(WrapSub(hero.*kCommand.Maximum, field)));
      } else {
        AddLine(form, kCommand, kCommand.Plus, p.Value);
      }
      field = sum;
    } else if (p.Name == "MINUS") {
      field = WrapSub(field, IntValue(p));
      AddLine(form, kCommand, kCommand.Minus, p.Value);
    } else if (p.Name == "JE") {
      field = IntValue(p);
      AddLine(form, kCommand, kCommand.Je, p.Value);
    }
  }
  form.ShowInfoLines();
  ClampAttributes(form.State, form.host);
}

}  // namespace

void AddAttributeCommands(CommandMap& map) {
  map["ZIVOTY"] = &ChangeAttribute<kZivoty>;
  map["MANA"] = &ChangeAttribute<kMana>;
  map["MAXZIVOTY"] = &ChangeAttribute<kMaxZivoty>;
  map["MAXMANA"] = &ChangeAttribute<kMaxMana>;
  map["SILA"] = &ChangeAttribute<kSila>;
  map["OBRATNOST"] = &ChangeAttribute<kObratnost>;
  map["RYCHLOST"] = &ChangeAttribute<kRychlost>;
  map["ENERGIE"] = &ChangeAttribute<kEnergie>;
}

}  // namespace qv
