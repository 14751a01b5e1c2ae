// Finding the font file for a face name the gamebook's skin gives ("Arial",
// "Courier New", ...). Fontconfig knows the metric-compatible stand-ins of
// the usual Windows faces, so "Arial" finds Liberation Sans.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct FontFile {
  std::string Path;
  int Index = 0;  // the face inside a collection file
  // The file found has no real bold or italic of its own: the renderer
  // makes one up.
  bool SynthesiseBold = false;
  bool SynthesiseItalic = false;
};

// The best scalable font for the face and style; nullopt when fontconfig
// knows no scalable font at all.
std::optional<FontFile> FindFontFile(std::string_view face, bool bold, bool italic);

}  // namespace qv
