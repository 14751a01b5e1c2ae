#include "text/page_report.h"

#include <algorithm>

#include "script/visible_controls.h"

namespace qv {

namespace {

// Lines of earlier pages are greyed when a page changes.
constexpr Colour kOlderLine = 0x808080;

bool IsTextLink(const TXLabel& block) { return block.Target != 0 || !block.WebLink.empty(); }

// How many blocks before `end` can be clicked.
int32_t TextLinksBefore(const GameWindow& form, std::size_t end) {
  return static_cast<int32_t>(std::count_if(
      form.TextBlocks.begin(), form.TextBlocks.begin() + static_cast<long>(end), IsTextLink));
}

int32_t PictureLinksBefore(const GameWindow& form, std::size_t end) {
  return static_cast<int32_t>(std::count_if(
      form.InTextPictures.begin(), form.InTextPictures.begin() + static_cast<long>(end),
      [](const TXImage& picture) { return picture.Target != 0; }));
}

bool SameLines(const std::array<InfoLine, 5>& a, const std::array<InfoLine, 5>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Text != b[i].Text || a[i].LineColour != b[i].LineColour) return false;
  }
  return true;
}

std::vector<std::string> Captions(const GameWindow& form) {
  std::vector<std::string> captions;
  for (const TLELabel& label : form.OptionLabels) captions.push_back(label.Caption);
  return captions;
}

}  // namespace

std::optional<std::size_t> TextLinkIndex(const GameWindow& form, int32_t n) {
  int32_t seen = 0;
  for (std::size_t i = 0; i < form.TextBlocks.size(); ++i) {
    if (IsTextLink(form.TextBlocks[i]) && ++seen == n) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> PictureLinkIndex(const GameWindow& form, int32_t n) {
  int32_t seen = 0;
  for (std::size_t i = 0; i < form.InTextPictures.size(); ++i) {
    if (form.InTextPictures[i].Target != 0 && ++seen == n) return i;
  }
  return std::nullopt;
}

void PageReporter::Forget() {
  generation_.reset();
  info_ = {};
  timer_.clear();
  menu_.reset();
}

void PageReporter::Report(const GameWindow& form, bool settled) {
  if (generation_ != form.PageGeneration()) StartPage(form);
  ReportColumn(form);
  ReportInfo(form);
  ReportTimer(form);
  if (settled) ReportMenu(form);
  out_ << std::flush;
}

void PageReporter::StartPage(const GameWindow& form) {
  generation_ = form.PageGeneration();
  texts_ = 0;
  pictures_ = 0;
  timer_.clear();
  menu_.reset();
  out_ << '\n';
  if (form.LocationLabelVisible) {
    out_ << "--- " << TerminalText(form.LocationLabel) << " ---\n";
  } else {
    out_ << "---\n";
  }
}

void PageReporter::ReportColumn(const GameWindow& form) {
  // A block taken away (the help text) is no longer counted.
  texts_ = std::min(texts_, form.TextBlocks.size());
  pictures_ = std::min(pictures_, form.InTextPictures.size());
  // The new blocks and pictures, top to bottom as the column shows them.
  while (texts_ < form.TextBlocks.size() || pictures_ < form.InTextPictures.size()) {
    const bool text_next = pictures_ == form.InTextPictures.size() ||
                           (texts_ < form.TextBlocks.size() &&
                            form.TextBlocks[texts_].Top <= form.InTextPictures[pictures_].Top);
    if (text_next) {
      const TXLabel& block = form.TextBlocks[texts_];
      if (IsTextLink(block)) {
        out_ << "[t" << TextLinksBefore(form, texts_ + 1)
             << (block.Target == 0 ? ", webový odkaz] " : "] ");
      }
      out_ << TerminalText(block.Text) << '\n';
      ++texts_;
    } else {
      const TXImage& picture = form.InTextPictures[pictures_];
      out_ << '[';
      if (picture.Target != 0) out_ << 'p' << PictureLinksBefore(form, pictures_ + 1) << ' ';
      out_ << "obrázek " << TerminalText(picture.File);
      if (!picture.Hint.empty()) out_ << ": " << TerminalText(picture.Hint);
      out_ << "]\n";
      ++pictures_;
    }
  }
}

void PageReporter::ReportInfo(const GameWindow& form) {
  const std::array<InfoLine, 5>& lines = form.History;
  if (SameLines(lines, info_)) return;
  info_ = lines;
  // Lines only greyed by a new page are not news.
  const bool news = std::any_of(lines.begin(), lines.end(), [](const InfoLine& line) {
    return !line.Text.empty() && line.LineColour != kOlderLine;
  });
  if (!news) return;
  out_ << "Zprávy (nejnovější první):\n";
  for (const InfoLine& line : lines) {
    if (line.Text.empty()) continue;
    out_ << (line.LineColour == kOlderLine ? "  starší: " : "  nová: ") << TerminalText(line.Text)
         << '\n';
  }
}

void PageReporter::ReportTimer(const GameWindow& form) {
  const std::string& label = form.Timer.TimerLabel;
  if (label == timer_) return;
  timer_ = label;
  if (!label.empty()) out_ << "Odpočet: " << TerminalText(label) << '\n';
}

void PageReporter::ReportMenu(const GameWindow& form) {
  std::vector<std::string> captions = Captions(form);
  if (menu_ == captions) return;
  menu_ = captions;
  if (captions.empty() && !form.ContinueButtonVisible) return;
  if (form.MenuVisible && !form.State.World.MenuHeading.empty()) {
    out_ << TerminalText(form.State.World.MenuHeading.str()) << '\n';
  }
  for (std::size_t i = 0; i < captions.size(); ++i) {
    out_ << "  " << i + 1 << ". " << TerminalText(captions[i]) << '\n';
  }
  if (form.ContinueButtonVisible) out_ << "  c. " << TerminalText("Pokra\xE8ovat") << '\n';
}

}  // namespace qv
