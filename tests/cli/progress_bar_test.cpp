// SPDX-License-Identifier: GPL-3.0-or-later
// The console progress bar: quiet off a terminal and during the first second.

#include "cli/progress_bar.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli/trace_writer.h"
#include "common/event_loop_scheduler.h"

namespace vuriru {
namespace {

using namespace std::chrono_literals;

struct FakeClock {
  std::chrono::steady_clock::time_point now{};
  ProgressBar::Clock Fn() {
    return [this] { return now; };
  }
};

TEST(ProgressBar, StaysQuietForTheFirstSecondThenDrawsInPlace) {
  FakeClock clock;
  std::ostringstream out;
  ProgressBar bar(out, true, clock.Fn());
  bar.SetCaption("Storing");
  bar.SetProgress(100, 440);
  EXPECT_EQ(out.str(), "");

  clock.now += 1s;
  bar.SetProgress(220, 440);
  EXPECT_EQ(out.str(), "\r" + ProgressLine("Storing", 220, 440, ProgressBar::kWidth));
  bar.Finish();
  const std::string drawn = ProgressLine("Storing", 220, 440, ProgressBar::kWidth);
  EXPECT_EQ(out.str(), "\r" + drawn + "\r" + std::string(drawn.size(), ' ') + "\r");
}

TEST(ProgressBar, DrawsNothingWhenNotATerminal) {
  FakeClock clock;
  std::ostringstream out;
  ProgressBar bar(out, false, clock.Fn());
  clock.now += 5s;
  bar.SetProgress(1, 2);
  bar.Finish();
  EXPECT_EQ(out.str(), "");
}

TEST(ProgressBar, LineStopsAtFullWhenThePositionRunsPastTheRange) {
  EXPECT_EQ(ProgressLine("Reading", 0, 0, 4), "Reading");
  EXPECT_EQ(ProgressLine("Reading", 1, 2, 4), "Reading [##  ] 50%");
  EXPECT_EQ(ProgressLine("Reading", 900, 440, 4), "Reading [####] 100%");
  EXPECT_EQ(ProgressLine("Sending", 1024, 4096, 4, "bytes"), "Sending [#   ] 25% 1024/4096 bytes");
  EXPECT_EQ(ProgressLine("Sending", 5000, 4096, 4, "bytes"), "Sending [####] 100% 4096/4096 bytes");
}

TEST(TraceLine, TimeDirectionAndUpperCaseHexPairs) {
  const uint8_t bytes[] = {0xFD, 0x0a, 0x00};
  EXPECT_EQ(TraceLine(1234, true, bytes, 3), "1234 > FD 0A 00");
  EXPECT_EQ(TraceLine(0, false, bytes, 1), "0 < FD");
}

TEST(TraceWriter, RemarksAreLinesOfTheirOwnBetweenTheBlocks) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("vuriru-trace-" + std::to_string(getpid()) + ".txt");
  EventLoopScheduler clock(EventLoopScheduler::Clock::kVirtual);
  {
    TraceWriter writer(path.string(), clock);
    const uint8_t connect[] = {0xFD, 'C', 'O', 'N', 'N'};
    writer.Record(true, connect, 5);
    writer.Note("connect report over a control transfer");
    clock.AdvanceBy(100);
    writer.Record(false, connect, 1);
  }
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "0 > FD 43 4F 4E 4E\n0 # connect report over a control transfer\n100 < FD\n");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace vuriru
