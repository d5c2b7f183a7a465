#include "ui/TerminalRenderer.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace velloway {
namespace {
constexpr int kFallbackColumns = 80;
constexpr const char* kIndent = "  ";

// Control characters would move the cursor and break the line count.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return out;
}

// Cuts text to at most columns characters, counting UTF-8 sequences as one.
std::string Cut(std::string text, int columns) {
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (seen++ == columns) {
      text.resize(i);
      break;
    }
  }
  return text;
}

double Fraction(const ProgressBarView& bar) {
  const double span = static_cast<double>(bar.max) - bar.min;
  if (!(span > 0)) return 0;
  return std::clamp((static_cast<double>(bar.value) - bar.min) / span, 0.0, 1.0);
}

std::string BarLine(const ProgressBarView& bar, int width) {
  const int cells = std::clamp(width - 12, 10, 60);
  const double fraction = Fraction(bar);
  const int filled = static_cast<int>(std::floor(fraction * cells));
  char percent[8];
  std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(std::floor(fraction * 100)));
  return std::string(kIndent) + "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(cells - filled), '-') + "] " + percent;
}
}  // namespace

std::vector<std::string> TerminalLines(const ProgressView& view, int width) {
  const int room = std::max(width - 1, 1);
  std::vector<std::string> lines{Printable(view.caption), kIndent + Printable(view.stepText),
                                 BarLine(view.stepBar, width), kIndent + Printable(view.itemText),
                                 BarLine(view.itemBar, width)};
  for (std::string& line : lines) line = Cut(std::move(line), room);
  return lines;
}

TerminalRenderer::TerminalRenderer(std::FILE* out, TerminalRendererOptions options)
    : out_(out), options_(std::move(options)) {}

void TerminalRenderer::Show(const ProgressView& view) { Draw(view); }

// Called once per imported row: the common case is one clock reading and a return.
void TerminalRenderer::Yield(const ProgressView& view) {
  if (!view.visible) return;
  const bool newStep = view.stepBar.value != lastStepValue_ || view.stepText != lastStepText_;
  if (drawn_ && !newStep && Now() - lastDraw_ < options_.interval) return;
  Draw(view);
}

void TerminalRenderer::Hide(const ProgressView& /*view*/) { Erase(); }

std::chrono::steady_clock::time_point TerminalRenderer::Now() const {
  return options_.now ? options_.now() : std::chrono::steady_clock::now();
}

int TerminalRenderer::Columns() const {
  if (options_.columns > 0) return options_.columns;
  winsize size{};
  if (ioctl(fileno(out_), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return kFallbackColumns;
}

// Clears from the block's first line down, writes the block, and returns to its first line.
void TerminalRenderer::Draw(const ProgressView& view) {
  const std::vector<std::string> lines = TerminalLines(view, Columns());
  std::string frame = "\r\x1b[J";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) frame += '\n';
    frame += lines[i];
  }
  frame += "\r\x1b[" + std::to_string(lines.size() - 1) + "A";
  std::fwrite(frame.data(), 1, frame.size(), out_);
  std::fflush(out_);
  drawn_ = true;
  lastDraw_ = Now();
  lastStepValue_ = view.stepBar.value;
  lastStepText_ = view.stepText;
}

void TerminalRenderer::Erase() {
  if (!drawn_) return;
  std::fputs("\r\x1b[J", out_);
  std::fflush(out_);
  drawn_ = false;
}

std::shared_ptr<ProgressRenderer> MakeTerminalRenderer(std::FILE* err) {
  if (err == nullptr || isatty(fileno(err)) == 0) return MakeSilentRenderer();
  const char* term = std::getenv("TERM");
  if (term != nullptr && std::strcmp(term, "dumb") == 0) return MakeSilentRenderer();
  return std::make_shared<TerminalRenderer>(err);
}

}  // namespace velloway
