#include "ui/TerminalRenderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace velloway {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A terminal that is an in-memory stream, with a clock the test moves.
class TerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out = open_memstream(&buffer, &size);
    ASSERT_NE(out, nullptr);
  }
  void TearDown() override {
    std::fclose(out);
    std::free(buffer);
  }
  std::string Written() {
    std::fflush(out);
    return std::string(buffer, size);
  }
  TerminalRenderer Renderer() {
    return TerminalRenderer(out, {40, 100ms, [this] { return now; }});
  }
  ProgressView View(float step, float item, std::string_view itemText = "Importing Risk - R1") {
    return {"Importing Risks from Microsoft Excel...",
            "Writing risks to xml file.",
            {0, 100, step},
            itemText,
            {0, 10, item},
            true};
  }

  std::FILE* out = nullptr;
  char* buffer = nullptr;
  std::size_t size = 0;
  Clock::time_point now{};
};

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(TerminalTest, DrawsTheBlockInPlaceAndReturnsToItsFirstLine) {
  Renderer().Show(View(50, 10));
  EXPECT_EQ(Written(),
            "\r\x1b[JImporting Risks from Microsoft Excel...\n  Writing risks to xml file.\n"
            "  [##############--------------]  50%\n  Importing Risk - R1\n"
            "  [############################] 100%\r\x1b[4A");
}

TEST_F(TerminalTest, ItemsAreThrottledAndNewStepsDrawnAtOnce) {
  TerminalRenderer renderer = Renderer();
  renderer.Show(View(0, 0));
  for (int item = 1; item <= 9; ++item) {
    now += 10ms;
    renderer.Yield(View(0, static_cast<float>(item)));
  }
  EXPECT_EQ(Count(Written(), "Importing Risks"), 1u);
  now += 10ms;  // 100 ms since the last draw
  renderer.Yield(View(0, 10));
  EXPECT_EQ(Count(Written(), "Importing Risks"), 2u);
  renderer.Yield(View(9.09f, 0));
  EXPECT_EQ(Count(Written(), "Importing Risks"), 3u);
  // The last step of a full bar is refused: only its text is new.
  ProgressView refused = View(9.09f, 0);
  refused.stepText = "Doing final calculations.";
  renderer.Yield(refused);
  EXPECT_EQ(Count(Written(), "Doing final calculations."), 1u);
}

TEST_F(TerminalTest, HideAndInterruptEraseTheBlockAndAYieldBringsItBack) {
  const auto erased = [this] { return Written().ends_with("\r\x1b[J"); };
  TerminalRenderer renderer = Renderer();
  renderer.Show(View(0, 0));
  renderer.Interrupt();
  EXPECT_TRUE(erased());
  renderer.Interrupt();  // nothing left to erase
  const std::size_t afterInterrupt = Written().size();
  renderer.Yield(View(0, 1));
  EXPECT_GT(Written().size(), afterInterrupt);
  renderer.Hide(View(0, 1));
  EXPECT_TRUE(erased());
  ProgressView hidden = View(0, 2);
  hidden.visible = false;
  const std::size_t afterHide = Written().size();
  renderer.Yield(hidden);
  EXPECT_EQ(Written().size(), afterHide);
}

TEST_F(TerminalTest, MessageBoxesPrintWhereTheBlockWasErased) {
  class StreamUI : public UserInterface {
   public:
    explicit StreamUI(std::FILE* f) : f_(f) {}
    MsgAnswer MessageBox(const std::string& text, MsgIcon /*icon*/, MsgButtons /*buttons*/,
                         const std::string& /*title*/) override {
      std::fputs((text + "\n").c_str(), f_);
      return MsgAnswer::OK;
    }
    std::FILE* f_;
  };
  auto renderer = std::make_shared<TerminalRenderer>(Renderer());
  auto ui = ClearProgressBeforeBoxes(std::make_shared<StreamUI>(out), renderer);
  renderer->Show(View(0, 0));
  ui->MessageBox("There was a problem doing the final calculations.", MsgIcon::Information,
                 MsgButtons::OK, "");
  const std::string written = Written();
  EXPECT_EQ(written.substr(written.find("\x1b[4A") + 4),
            "\r\x1b[JThere was a problem doing the final calculations.\n");
}

TEST(TerminalLines, LinesNeverWrapAndControlCharactersBecomeSpaces) {
  const ProgressView view{"Caption",     "line one\nline two",
                          {0, 100, 100}, "Risk \xC3\xA9t\xC3\xA9 1234567",
                          {0, 3, 1},     true};
  const std::vector<std::string> lines = TerminalLines(view, 12);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], "  line one ");
  EXPECT_EQ(lines[3], "  Risk \xC3\xA9t\xC3\xA9 ");  // 11 characters, 13 bytes
  // Full and half bars are the drawn block's; a third rounds its share down.
  EXPECT_EQ(TerminalLines(view, 80)[4],
            "  [" + std::string(20, '#') + std::string(40, '-') + "]  33%");
}

}  // namespace
}  // namespace velloway
