#include "tools/story_map.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

// Graphviz measures and draws labels through pango, whose fontconfig
// patterns, and a few of Graphviz's own text caches, stay allocated and
// unreachable until the process ends. They are the font libraries', not the
// map's, so a sanitizer build does not report them.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libgvc.so\n";
}

namespace qv {
namespace {

// Graphviz takes names and values as writable C strings and copies them.
class Text {
 public:
  explicit Text(std::string_view text) : bytes_(text.begin(), text.end()) { bytes_.push_back('\0'); }
  char* get() { return bytes_.data(); }

 private:
  std::vector<char> bytes_;
};

void Set(void* object, std::string_view name, std::string_view value) {
  Text n(name);
  Text v(value);
  Text empty("");
  agsafeset(object, n.get(), v.get(), empty.get());
}

void Default(Agraph_t* graph, int kind, std::string_view name, std::string_view value) {
  Text n(name);
  Text v(value);
  agattr(graph, kind, n.get(), v.get());
}

Agnode_t* Node(Agraph_t* graph, std::string_view name) {
  Text n(name);
  return agnode(graph, n.get(), 1);
}

Agedge_t* Edge(Agraph_t* graph, Agnode_t* from, Agnode_t* to) {
  Text none("");
  return agedge(graph, from, to, none.get(), 1);
}

// At most `limit` bytes, cut at a whole UTF-8 character.
std::string Short(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t cut = limit;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut) + "…";
}

// One Graphviz context for the whole process, never freed: its text layout
// plugin keeps a pointer into the context's font table from one layout to
// the next, so a second context would have it read freed memory.
GVC_t* Context() {
  static GVC_t* const context = gvContext();
  return context;
}

struct GraphDeleter {
  void operator()(Agraph_t* graph) const { agclose(graph); }
};

// The graph in the dot language as it is, without a layout.
MapResult WrittenGraph(Agraph_t* g) {
  char* data = nullptr;
  std::size_t length = 0;
  std::FILE* stream = open_memstream(&data, &length);
  if (!stream) return {{}, "no memory for the graph"};
  const bool written = agwrite(g, stream) == 0;
  const bool closed = std::fclose(stream) == 0;
  std::string bytes = data ? std::string(data, length) : std::string();
  std::free(data);
  if (!written || !closed) return {{}, "Graphviz cannot write dot"};
  return {std::move(bytes), {}};
}

}  // namespace

MapMarks OutlineMarks(const BookOutline& outline) {
  MapMarks marks;
  std::set<int32_t> reached;
  std::vector<int32_t> queue;
  if (outline.Locations.contains(1)) {
    reached.insert(1);
    queue.push_back(1);
  }
  while (!queue.empty()) {
    const auto it = outline.Locations.find(queue.back());
    queue.pop_back();
    if (it == outline.Locations.end()) continue;
    for (const Way& way : it->second.Ways)
      if (way.Kind != WayKind::Redirect && way.Target > 0 && reached.insert(way.Target).second)
        queue.push_back(way.Target);
  }
  for (const auto& [number, location] : outline.Locations)
    if (!reached.contains(number)) marks.Unreachable.insert(number);
  return marks;
}

MapResult RenderStoryMap(const BookOutline& outline, const MapMarks& marks, std::string_view format) {
  const bool laid_out = outline.Locations.size() <= kMaxLaidOutLocations;
  if (!laid_out && format != "dot") {
    return {{}, std::to_string(outline.Locations.size()) +
                    " locations are too many to lay out into a drawing (at most " +
                    std::to_string(kMaxLaidOutLocations) +
                    "); write a .dot file, which is not laid out then, and lay it out with a "
                    "Graphviz engine for large graphs such as sfdp"};
  }
  GVC_t* const gvc = Context();
  Text name("story");
  const std::unique_ptr<Agraph_t, GraphDeleter> graph(agopen(name.get(), Agdirected, nullptr));
  Agraph_t* g = graph.get();
  Set(g, "rankdir", "TB");
  Set(g, "fontname", "DejaVu Sans");
  Default(g, AGNODE, "fontname", "DejaVu Sans");
  Default(g, AGEDGE, "fontname", "DejaVu Sans");
  Default(g, AGEDGE, "fontsize", "10");
  if (outline.Locations.size() > kCarefulLayoutLocations) {
    // Graphviz's layout time grows much faster than the graph: a few hundred
    // locations laid out with its full effort took minutes. Fewer rounds of
    // crossing reduction and straight edges keep it to seconds.
    Set(g, "mclimit", "0.05");
    Set(g, "nslimit", "2");
    Set(g, "nslimit1", "2");
    Set(g, "searchsize", "10");
    Set(g, "remincross", "false");
    Set(g, "splines", "line");
  }

  for (const auto& [number, location] : outline.Locations) {
    Agnode_t* node = Node(g, std::to_string(number));
    std::string label = std::to_string(number);
    for (const std::string& enemy : location.Fights) label += "\n⚔ " + Short(enemy, 20);
    Set(node, "label", label);
    Set(node, "shape", number == 1 ? "doublecircle" : location.Ends ? "doubleoctagon" : "circle");
    Set(node, "style", "filled");
    std::string fill = location.Ends ? "palegreen" : "white";
    std::string state;
    if (marks.DeadEnds.contains(number)) {
      fill = "orange";
      state = " (no way on)";
    }
    if (marks.Unreachable.contains(number)) {
      fill = "lightgrey";
      state = " (never reached)";
    }
    if (marks.Errors.contains(number)) {
      fill = "red";
      state = " (error)";
    }
    Set(node, "fillcolor", fill);
    Set(node, "tooltip",
        std::to_string(number) + state + (location.FirstText.empty() ? "" : ": " + Short(location.FirstText, 100)));
    Set(node, "URL", "#" + std::to_string(number));
    Set(node, "id", "location" + std::to_string(number));
  }
  for (const auto& [number, location] : outline.Locations) {
    Agnode_t* from = Node(g, std::to_string(number));
    for (const Way& way : location.Ways) {
      Agnode_t* to = nullptr;
      if (way.Kind == WayKind::Redirect) {
        to = Node(g, "library " + way.Label);
        Set(to, "shape", "box");
        Set(to, "label", "library " + Short(way.Label, 30));
      } else if (way.Target > 0) {
        to = Node(g, std::to_string(way.Target));
        if (!outline.Locations.contains(way.Target)) {
          Set(to, "style", "filled,dashed");
          Set(to, "fillcolor", "red");
          Set(to, "tooltip", std::to_string(way.Target) + " (no such location)");
        }
      } else {
        continue;  // an option leading nowhere
      }
      Agedge_t* edge = Edge(g, from, to);
      switch (way.Kind) {
        case WayKind::Option:
          Set(edge, "label", Short(way.Label, 30));
          break;
        case WayKind::Link:
          Set(edge, "style", "dashed");
          Set(edge, "label", Short(way.Label, 20));
          break;
        case WayKind::Countdown:
          Set(edge, "style", "dotted");
          Set(edge, "label", "after " + way.Label + " s");
          break;
        case WayKind::Redirect:
          Set(edge, "style", "bold");
          break;
      }
    }
  }
  if (!laid_out) return WrittenGraph(g);
  if (gvLayout(gvc, g, "dot") != 0) return {{}, "the dot layout failed"};
  char* data = nullptr;
  unsigned int length = 0;
  const std::string wanted(format);
  const int rendered = gvRenderData(gvc, g, wanted.c_str(), &data, &length);
  std::string bytes;
  if (rendered == 0 && data) bytes.assign(data, length);
  if (data) gvFreeRenderData(data);
  gvFreeLayout(gvc, g);
  if (rendered != 0) return {{}, "Graphviz cannot write " + wanted};
  return {std::move(bytes), {}};
}

}  // namespace qv
