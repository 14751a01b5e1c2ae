#include "ui/skin.h"

#include "data/conversion.h"
#include "ui/ini_file.h"

namespace qv {

namespace {

// Which keys of a font section a skin reads.
struct FontKeys {
  bool Colour = false;
  bool Bold = false;
  bool Italic = false;
};

Colour ReadColour(const IniFile& ini, std::string_view section, std::string_view key,
                  Colour fallback) {
  const std::optional<std::string> text = ini.Find(section, key);
  if (!text) return fallback;
  try {
    return ParseColour(*text);
  } catch (const ConversionError&) {
    return fallback;  // not reported: the default look goes on
  }
}

Font ReadFont(const IniFile& ini, std::string_view section, const Font& fallback,
              const FontKeys& keys, Colour* colour) {
  Font font = fallback;
  const std::string face = ini.ReadString(section, "Font", fallback.Face);
  if (!face.empty()) font.Face = face;
  const int32_t size = ini.ReadInteger(section, "Velikost", fallback.SizePoints);
  if (size >= 1) font.SizePoints = size;
  if (keys.Colour && colour) *colour = ReadColour(ini, section, "Barva", *colour);
  if (keys.Bold) font.Style.Bold = ini.ReadBool(section, "Tucne", fallback.Style.Bold);
  if (keys.Italic) font.Style.Italic = ini.ReadBool(section, "Kurziva", fallback.Style.Italic);
  return font;
}

void ReadSkinFont(const IniFile& ini, std::string_view section, SkinFont& font, bool bold) {
  font.Font =
      ReadFont(ini, section, font.Font, FontKeys{.Colour = true, .Bold = bold}, &font.Colour);
}

MenuSkin MenuSkinOf(const IniFile& ini) {
  MenuSkin skin;
  skin.MainBackground = ReadColour(ini, "TechSetup", "HlavniPozadi", skin.MainBackground);
  skin.TransparentColour = ReadColour(ini, "TechSetup", "TransparentColor", skin.TransparentColour);
  skin.TransparentForms = ini.ReadBool("TechSetup", "TransparentForms", skin.TransparentForms);
  ReadSkinFont(ini, "JmenoHry", skin.JmenoHry, false);
  ReadSkinFont(ini, "JmenoAutora", skin.JmenoAutora, false);
  ReadSkinFont(ini, "OProgramu", skin.OProgramu, true);
  ReadSkinFont(ini, "Verze", skin.Verze, false);
  ReadSkinFont(ini, "Odkaz", skin.Odkaz, true);
  skin.Odkaz.Font.Style.Underline = true;  // the link is always underlined
  ReadSkinFont(ini, "SavePozice", skin.SavePozice, false);
  ReadSkinFont(ini, "SaveNadpis", skin.SaveNadpis, false);
  return skin;
}

GameSkin GameSkinOf(const IniFile& ini) {
  GameSkin skin;
  skin.FrameColour = ReadColour(ini, "Interface", "Ramecky", skin.FrameColour);
  skin.LabelColour = ReadColour(ini, "Interface", "Popisky", skin.LabelColour);
  skin.WindowColour = ReadColour(ini, "Interface", "Okna", skin.WindowColour);
  skin.HideMana = ini.ReadBool("Interface", "NezobrazovatManu", skin.HideMana);
  skin.Text = ReadFont(ini, "Text", skin.Text, FontKeys{}, nullptr);
  const FontKeys styled{.Bold = true, .Italic = true};
  skin.Menu = ReadFont(ini, "Menu", skin.Menu, styled, nullptr);
  skin.MenuOtazka = ReadFont(ini, "MenuOtazka", skin.MenuOtazka, styled, nullptr);
  skin.Napoveda = ini.ReadBool("TechSetup", "Napoveda", skin.Napoveda);
  skin.AudioTlacitko = ini.ReadBool("TechSetup", "AudioTlacitko", skin.AudioTlacitko);
  return skin;
}

}  // namespace

MenuSkin ParseMenuSkin(std::string_view ini_text) { return MenuSkinOf(IniFile::Parse(ini_text)); }
GameSkin ParseGameSkin(std::string_view ini_text) { return GameSkinOf(IniFile::Parse(ini_text)); }
MenuSkin ReadMenuSkin() { return MenuSkinOf(IniFile::Load(kMenuSkinFile)); }
GameSkin ReadGameSkin() { return GameSkinOf(IniFile::Load(kGameSkinFile)); }

void ApplySkinFont(Font& target, const Font& skin_font) {
  target.Face = skin_font.Face;
  target.SizePoints = skin_font.SizePoints;
  target.Style.Bold = target.Style.Bold || skin_font.Style.Bold;
  target.Style.Italic = target.Style.Italic || skin_font.Style.Italic;
}

}  // namespace qv
