// For measuring the player's start: with QUARVELIN_REPORT_FIRST_FRAME set
// in the environment, the moment the first frame is on the screen is
// written to stderr as
//   quarvelin: first frame at MONOTONIC_MS ms, CPU_MS ms CPU, RSS_KB kB resident
// MONOTONIC_MS on the system's monotonic clock, so a program that started
// the player can take its own start time from it; the CPU time and resident
// memory are the process's own at that moment. Unset, nothing is written.
#pragma once

namespace qv {

class FirstFrameReport {
 public:
  FirstFrameReport();
  // Called after every frame presented; reports the first one.
  void FramePresented();

 private:
  bool pending_;
};

}  // namespace qv
