#include "tools/tag_roles.h"

#include <map>
#include <string>

namespace qv {
namespace {

using R = Role;

const std::vector<AttributeRole> kLinkFields = {{"PREPREFIX", R::Library}, {"PRESMERUJ", R::RedirectLib}};
const NumericNames kAssignments{R::Variable, R::Int};

CommandRoles Only(std::vector<AttributeRole> named) {
  CommandRoles roles;
  roles.Named = std::move(named);
  return roles;
}

std::vector<AttributeRole> With(std::vector<AttributeRole> a, const std::vector<AttributeRole>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::map<std::string, CommandRoles, std::less<>> BuildTable() {
  std::map<std::string, CommandRoles, std::less<>> t;
  // Page content.
  t["TEXT"] = {With({{"BARVA", R::Colour}, {"TUCNE", R::Text}, {"KURZIVA", R::Text}, {"PODTRZENE", R::Text},
                     {"PRESKRTNUTE", R::Text}, {"ODKAZ", R::Location}, {"WEBLINK", R::Text},
                     {"OBSAH", R::Text}},
                    kLinkFields),
               kAssignments};
  t["MENU"] = {With({{"T", R::Text}, {"POPIS", R::Text}, {"X", R::Location}, {"ODKAZ", R::Location},
                     {"BARVA", R::Colour}},
                    kLinkFields),
               kAssignments};
  t["M"] = t["MENU"];
  t["ZPET"] = {kLinkFields, kAssignments};
  t["OBRAZEKVTEXTU"] = {With({{"SOUBOR", R::Picture}, {"POPIS", R::Text}, {"VYSKA", R::Int},
                              {"SIRKA", R::Int}, {"ODKAZ", R::Location}, {"POSUNX", R::Int},
                              {"POSUNY", R::Int}},
                             kLinkFields),
                        kAssignments};
  t["INFO"] = Only({{"OBSAH", R::Text}, {"COLOR", R::Colour}, {"BARVA", R::Colour}});
  t["ZMENOTAZKU"] = Only({{"TEXT", R::Text}, {"OTAZKA", R::Text}, {"BARVA", R::Colour}});
  t["VYCHOZIBARVATEXTU"] = Only({{"BARVA", R::Colour}});
  t["VYCHOZIBARVAMENU"] = Only({{"BARVA", R::Colour}});
  for (const char* bare : {"SEZNAMPROMENNYCH", "SMAZATINFO", "ZAPNIINFO", "VYPNIINFO", "ZAPNICISLALOKACI",
                           "VYPNICISLALOKACI", "VYPISUJPROMENNE", "NEVYPISUJPROMENNE",
                           "SEZNAMPROMENNYCHSOUBOR", "ULOZPOCATECNIVLASTNOSTI", "ZADNEZBRANE", "ZADNEZBROJE",
                           "ZADNEPREDMETY", "ZADNEOBJEKTY", "KONEC", "AUDIOSTOP", "AUDIOPAUSE",
                           "AUDIOCONTINUE", "ZAKAZPOSTAVUDOCASNE", "ZAKAZVYBAVENIDOCASNE", "ZAKAZPOSTAVU",
                           "ZAKAZVYBAVENI", "POVOLPOSTAVU", "POVOLVYBAVENI", "POVOLPOSTAVUDOCASNE",
                           "POVOLVYBAVENIDOCASNE"})
    t[bare] = {};
  // Variables, money, attributes.
  t["PROMENNA"] = {{}, NumericNames{R::Variable, R::Int}};
  t["ZVYSPROMENNOU"] = t["PROMENNA"];
  t["SNIZPROMENNOU"] = t["PROMENNA"];
  t["NAHODA"] = {{}, NumericNames{R::Variable, R::Dice}};
  t["VZOREC"] = {{}, NumericNames{R::Variable, R::Expression}};
  t["RETEZEC"] = {{}, NumericNames{R::TextSlot, R::Text}};
  t["NASTAVPROMENNE"] = Only({{"CISLO", R::Variable}, {"POCET", R::Int}, {"HODNOTA", R::Int}});
  t["SROVNEJRETEZCE"] = Only({{"A", R::Text}, {"B", R::Text}, {"VYSLEDEK", R::Variable}});
  t["PENIZE"] = Only({{"PLUS", R::Int}, {"MINUS", R::Int}});
  t["ZKUSENOSTI"] = t["PENIZE"];
  t["XP"] = t["PENIZE"];
  for (const char* attribute :
       {"ZIVOTY", "MANA", "MAXZIVOTY", "MAXMANA", "SILA", "OBRATNOST", "RYCHLOST", "ENERGIE"})
    t[attribute] = Only({{"PLUS", R::Int}, {"MINUS", R::Int}, {"JE", R::Int}});
  t["ZMENJMENO"] = Only({{"TEXT", R::Text}, {"JMENO", R::Text}});
  // Possessions.
  t["ZBRAN"] = {{}, NumericNames{R::Weapon, R::Int}};
  t["ZBROJ"] = {{}, NumericNames{R::Armour, R::Int}};
  t["PREDMET"] = {{}, NumericNames{R::Item, R::Int}};
  t["OBJEKT"] = {{{"JMENO", R::Text}, {"POPIS", R::Text}, {"OBRAZEK", R::Picture}, {"VYSKA", R::Int},
                  {"SIRKA", R::Int}},
                 NumericNames{R::Object, R::Int}};
  t["ODSTRANPREDMET"] = {{}, NumericNames{R::Item, R::Int}};
  t["ODSTRANOBJEKT"] = {{}, NumericNames{R::Object, R::Int}};
  t["ODSTRANZBRAN"] = {{}, std::nullopt, true, R::Weapon};
  t["ODSTRANZBROJ"] = {{}, std::nullopt, true, R::Armour};
  t["ODSTRANZBRANEALL"] = t["ODSTRANZBRAN"];
  t["ODSTRANZBROJEALL"] = t["ODSTRANZBROJ"];
  t["ZMENZBRAN"] = {{}, NumericNames{R::Weapon, R::Weapon}};
  t["ZMENZBROJ"] = {{}, NumericNames{R::Armour, R::Armour}};
  t["KOUZLO"] = Only({{"UMIME", R::Spell}, {"NEUMIME", R::Spell}});
  t["UTOK"] = Only({{"UMIME", R::Attack}, {"NEUMIME", R::Attack}});
  t["AKCE"] = t["UTOK"];
  t["POCETPREDMETU"] = {{}, NumericNames{R::Variable, R::Item}};
  t["POCETOBJEKTU"] = {{}, NumericNames{R::Variable, R::Object}};
  t["POCETZBRANI"] = {{}, NumericNames{R::Variable, R::Weapon}};
  t["POCETZBROJI"] = {{}, NumericNames{R::Variable, R::Armour}};
  // Windows and flow.
  t["SOUBOJ"] = Only({{"JMENO", R::Text}, {"UTOK", R::Dice}, {"OBRANA", R::Int}, {"TVRDOST", R::Int},
                  {"ZIVOTY", R::Int}, {"ZRANEN", R::Int}, {"POSKOZENI", R::Int}, {"XP", R::Int},
                  {"NEUMIREJ", R::Int}, {"KOUZLA", R::Text}, {"PREDMETY", R::Text}});
  t["OBCHOD"] = Only({{"CISLO", R::Int}});
  t["PRODEJ"] = Only({{"TYP", R::Text}, {"PROCENT", R::Int}});
  t["SAVE"] = Only({{"ODKAZ", R::Location}, {"NAZEV", R::Text}, {"PRESMERUJ", R::RedirectLib}});
  t["TEXTOVEOKNO"] = Only({{"OTAZKA", R::Text}, {"RETEZEC", R::TextSlot}});
  t["OBRAZEK"] = Only({{"SOUBOR", R::Picture}, {"VYSKA", R::Int}, {"SIRKA", R::Int}, {"POPIS", R::Text}});
  t["AUDIOSOUND"] = Only({{"SOUBOR", R::Sound}});
  t["AUDIOTRACK"] = t["AUDIOSOUND"];
  t["AUDIOSTREAM"] = t["AUDIOSOUND"];
  t["CASOVAC"] = Only({{"VYPISUJ", R::Text}, {"CAS", R::Int}, {"ODKAZ", R::Location}});
  t["PRESMERUJ"] = Only({{"JMENO", R::RedirectLib}});
  t["PREFIX"] = Only({{"VYBRAT", R::Library}, {"JMENO", R::Library}, {"PROVADET", R::Text}});
  t["SUFFIX"] = t["PREFIX"];
  return t;
}

const std::map<std::string, CommandRoles, std::less<>>& Table() {
  static const auto table = BuildTable();
  return table;
}

}  // namespace

const CommandRoles* FindCommandRoles(std::string_view tag) {
  const auto it = Table().find(tag);
  return it == Table().end() ? nullptr : &it->second;
}

std::vector<std::string_view> KnownCommandNames() {
  std::vector<std::string_view> names;
  for (const auto& [name, roles] : Table()) names.push_back(name);
  return names;
}

}  // namespace qv
