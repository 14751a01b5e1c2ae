#include "desktop/font_files.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string>

namespace qv {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternHandle = std::unique_ptr<FcPattern, PatternDeleter>;

std::optional<FontFile> Match(const std::string& family, bool bold, bool italic) {
  PatternHandle pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  // Bitmap fonts (the X server's own) cannot be drawn at any size.
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  PatternHandle match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return std::nullopt;

  FcBool scalable = FcFalse;
  if (FcPatternGetBool(match.get(), FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable) {
    return std::nullopt;
  }
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) {
    return std::nullopt;
  }
  FontFile found;
  found.Path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.Index);
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  found.SynthesiseBold = bold && weight < FC_WEIGHT_DEMIBOLD;
  found.SynthesiseItalic = italic && slant == FC_SLANT_ROMAN;
  return found;
}

}  // namespace

std::optional<FontFile> FindFontFile(std::string_view face, bool bold, bool italic) {
  if (!FcInit()) return std::nullopt;
  if (auto found = Match(std::string(face), bold, italic)) return found;
  // A face name fontconfig cannot place at all still gets a readable font.
  return Match("sans-serif", bold, italic);
}

}  // namespace qv
