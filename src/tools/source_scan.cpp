#include "tools/source_scan.h"

#include <algorithm>
#include <set>

#include "data/constant_list.h"
#include "data/cp1250.h"
#include "data/library_reference.h"
#include "parser/condition_parser.h"
#include "parser/tag_scanner.h"

namespace qv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The digits of a marker "<digits>" (or "<>") starting at text[lt], or npos.
std::size_t MarkerEnd(std::string_view text, std::size_t lt) {
  std::size_t p = lt + 1;
  while (p < text.size() && IsDigit(text[p])) ++p;
  return p < text.size() && text[p] == '>' ? p : std::string_view::npos;
}

// Attributes written in the tag at text[lt], counted the way the engine
// walks them: after the name, each step over one byte and the blanks after
// it starts an attribute unless it reaches the ">", which then runs to its
// value's closing quote.
int32_t CountAttributes(std::string_view text, std::size_t lt) {
  const std::size_t end = std::min(text.find('>', lt + 1), text.size());
  std::size_t p = lt + 1;
  while (p < end && IsLetter(text[p])) ++p;
  int32_t count = 0;
  while (p < end) {
    ++p;
    while (p < end && text[p] == ' ') ++p;
    if (p >= end) break;
    ++count;
    const std::size_t eq = text.find('=', p);
    if (eq >= end) break;
    const std::size_t open = text.find('"', eq);
    if (open >= end) break;
    const std::size_t close = text.find('"', open + 1);
    if (close >= end) break;
    p = close;
  }
  return count;
}

// How the tag at text[lt] ends. The engine ends every tag at the first ">"
// after its "<", whatever stands between; an author who forgot the ">" gets
// the next tag's text read as attributes of this one.
struct TagEnd {
  enum Kind { Closed, RunsIntoTag, RunsToEnd, ValueHoldsClose } How = Closed;
  std::size_t Pos = 0;  // the "<" run into, or the ">" inside the value
};

TagEnd FindTagEnd(std::string_view text, std::size_t lt) {
  const std::size_t close = text.find('>', lt + 1);
  const std::size_t end = close == std::string_view::npos ? text.size() : close;
  bool in_value = false;
  bool after_equals = false;
  for (std::size_t p = lt + 1; p < end; ++p) {
    const char c = text[p];
    if (in_value) {
      in_value = c != '"';
    } else if (c == '=') {
      after_equals = true;
    } else if (c == '"' && after_equals) {
      in_value = true;
      after_equals = false;
    } else if (c == '<') {
      return {TagEnd::RunsIntoTag, p};
    }
  }
  if (close == std::string_view::npos) return {TagEnd::RunsToEnd, text.size()};
  if (in_value) return {TagEnd::ValueHoldsClose, close};
  return {};
}

}  // namespace

int SourceFile::LineAt(std::size_t pos) const {
  const auto it = std::upper_bound(LineStarts.begin(), LineStarts.end(), pos);
  return static_cast<int>(it - LineStarts.begin());
}

SourceFile MakeSourceFile(std::string file, std::string_view raw, std::span<const TMyPlugin> constants) {
  SourceFile source;
  source.File = std::move(file);
  // Built once for the file: searching each line for each constant anew
  // cost the number of lines times the number of constants.
  const ConstantTable table(std::vector<TMyPlugin>(constants.begin(), constants.end()));
  while (true) {
    source.LineStarts.push_back(source.Text.size());
    const std::size_t end = raw.find('\n');
    source.Text += table.Apply(std::string(raw.substr(0, end)));
    if (end == std::string_view::npos) break;
    source.Text += '\n';
    raw.remove_prefix(end + 1);
  }
  return source;
}

ScannedSource ScanSource(const SourceFile& source, std::vector<Finding>& findings) {
  ScannedSource out;
  const std::string_view text = source.Text;
  auto report = [&](std::size_t pos, std::string message) {
    findings.push_back({source.File, source.LineAt(pos), std::move(message)});
  };

  std::set<std::string, std::less<>> seen_markers;
  std::vector<std::size_t> open_blocks;  // positions of the "[" of open blocks
  int location = -1;
  int32_t serial = 0;
  TagStore scratch;
  bool inside_brackets = false;

  auto close_location = [&](std::string_view where) {
    for (std::size_t pos : open_blocks)
      report(pos, "condition block is not closed before " + std::string(where));
    open_blocks.clear();
  };

  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '<') {
      if (const std::size_t end = MarkerEnd(text, i); end != std::string_view::npos) {
        Marker m{std::string(text.substr(i + 1, end - i - 1)), i, source.LineAt(i), false};
        m.First = seen_markers.insert(m.Digits).second;
        if (m.First && !m.Digits.empty()) {
          close_location("the next location");
          location = static_cast<int>(out.Markers.size());
        }
        out.Markers.push_back(std::move(m));
        continue;
      }
    }
    if (c == ']') inside_brackets = false;
    if (c == '[') {
      inside_brackets = true;
      if (i + 1 < text.size() && text[i + 1] == '/') {
        if (open_blocks.empty())
          report(i, "[/] closes no open condition block");
        else
          open_blocks.pop_back();
      } else {
        open_blocks.push_back(i);
        if (open_blocks.size() == static_cast<std::size_t>(kMaxBlockDepth) + 1)
          report(i, "condition blocks nested deeper than 15");
        if (open_blocks.size() <= static_cast<std::size_t>(kMaxBlockDepth))
          out.Conditions.push_back({ParseCondition(text, i + 1, serial), source.LineAt(i)});
      }
    }
    if (c == '<' && !inside_brackets) {
      scratch.Clear();
      scratch.Blocks.Depth = 0;
      ParseTag(text, i, scratch);
      if (scratch.Count() == 0) continue;
      const TagEntry& entry = scratch.Entry(1);
      const auto kept = static_cast<std::size_t>(std::clamp(entry.ParamCount, 0, tagg::kMaxParams));
      ScannedTag tag{KeptTag{entry.Tag.Name, {entry.Tag.Params.begin(), entry.Tag.Params.begin() + kept}},
                     CountAttributes(text, i), i, source.LineAt(i), location};
      const TagEnd end = FindTagEnd(text, i);
      tag.Unclosed = end.How != TagEnd::Closed;
      const std::string shown = "<" + Cp1250ToUtf8(tag.Tag.Name) + ">";
      if (end.How == TagEnd::RunsIntoTag)
        report(i, "tag " + shown + " is not closed: it runs into the '<' on line " +
                      std::to_string(source.LineAt(end.Pos)) + "; end it with '>'");
      else if (end.How == TagEnd::RunsToEnd)
        report(i, "tag " + shown + " is not closed: no '>' before the end of the file; end it with '>'");
      else if (end.How == TagEnd::ValueHoldsClose)
        report(i, "tag " + shown + " ends at the '>' inside a value (line " +
                      std::to_string(source.LineAt(end.Pos)) +
                      "); a value cannot hold '>', or its closing '\"' is missing");
      if (!tag.Unclosed && tag.WrittenCount > tagg::kMaxParams)
        report(i, "tag " + tag.Tag.Name + " has " + std::to_string(tag.WrittenCount) +
                      " attributes; the engine reads 10");
      out.Tags.push_back(std::move(tag));
    }
  }
  close_location("the end of the file");

  // Library references, found as the location store finds them. The ";"
  // after a reference and the location it stands in only move forward as
  // the references do, so each is carried on rather than looked for from
  // the start: thousands of references cost their text once.
  std::size_t semicolon = 0;
  std::size_t next_marker = 0;
  int ref_location = -1;
  for (std::size_t at = text.find(kLibraryReference); at != std::string_view::npos;
       at = text.find(kLibraryReference, at + 1)) {
    if (semicolon < at) semicolon = text.find(';', at);
    if (semicolon == std::string_view::npos) {
      report(at, "library reference without its closing ';'");
      break;
    }
    const std::string_view written = text.substr(at + kLibraryReference.size(), semicolon - at - kLibraryReference.size());
    const std::string name = ReferenceName(text.substr(at, semicolon - at));
    if (name.empty() || name != written) {
      report(at, "library reference '" + std::string(text.substr(at, semicolon - at + 1)) +
                     "' must name one library without blanks");
      continue;
    }
    for (; next_marker < out.Markers.size() && out.Markers[next_marker].Pos <= at; ++next_marker) {
      const Marker& m = out.Markers[next_marker];
      if (m.First && !m.Digits.empty()) ref_location = static_cast<int>(next_marker);
    }
    out.References.push_back({name, at, source.LineAt(at), ref_location});
  }
  return out;
}

}  // namespace qv
