// One author file of location text (data.qvl or a library) walked the way
// the engine's scanner walks it, keeping for every tag, block and location
// marker the line it was written on.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/condition.h"
#include "data/named_text.h"
#include "parser/tag_store.h"
#include "tools/check_finding.h"

namespace qv {

struct SourceFile {
  std::string File;  // as reported
  std::string Text;  // constants applied, line by line
  std::vector<std::size_t> LineStarts;

  int LineAt(std::size_t pos) const;
};

// The file's text with the constants applied to each line on its own, so
// that every byte stays on the line it was written on.
SourceFile MakeSourceFile(std::string file, std::string_view raw,
                          std::span<const TMyPlugin> constants);

struct Marker {
  std::string Digits;  // as written between < and >
  std::size_t Pos = 0;
  int Line = 0;
  bool First = false;  // the first occurrence of these digits: where the location starts
};

// A tag's name and the attributes the engine keeps of it. Not the engine's
// ten slots: a book holds hundreds of thousands of tags, most with two or
// three attributes, and the empty slots cost time and memory to hold.
struct KeptTag {
  std::string Name;
  std::vector<param> Params;
};

struct ScannedTag {
  KeptTag Tag;
  int32_t WrittenCount = 0;  // attributes written
  std::size_t Pos = 0;
  int Line = 0;
  int Location = -1;  // index into Markers of the location it stands in; -1 before the first
  bool Unclosed = false;  // no ">" of its own: its attributes are not what was written

  // The attributes the engine keeps, in order.
  std::span<const param> Stored() const { return Tag.Params; }
};

struct ScannedCondition {
  Condition Parsed;
  int Line = 0;
};

struct LibraryRef {
  std::string Name;
  std::size_t Pos = 0;
  int Line = 0;
  int Location = -1;
};

struct ScannedSource {
  std::vector<Marker> Markers;
  std::vector<ScannedTag> Tags;
  std::vector<ScannedCondition> Conditions;
  std::vector<LibraryRef> References;  // well-formed "#knihovna_NAME;" references
};

// Walks the text: markers, tags, condition blocks, library references.
// Reports unbalanced and too deeply nested blocks, tags without their own
// ">" (running into the next tag or the end of the file) or with a ">"
// inside a value, tags with more than 10 attributes and malformed library
// references into `findings`.
ScannedSource ScanSource(const SourceFile& source, std::vector<Finding>& findings);

}  // namespace qv
