#include "desktop/first_frame_report.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace qv {

namespace {

double Milliseconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

// VmRSS of /proc/self/status, in kB; 0 when it cannot be read.
long ResidentKilobytes() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return 0;
  char line[256];
  long kb = 0;
  while (std::fgets(line, sizeof line, status)) {
    if (std::sscanf(line, "VmRSS: %ld", &kb) == 1) break;
  }
  std::fclose(status);
  return kb;
}

}  // namespace

FirstFrameReport::FirstFrameReport()
    : pending_(std::getenv("QUARVELIN_REPORT_FIRST_FRAME") != nullptr) {}

void FirstFrameReport::FramePresented() {
  if (!pending_) return;
  pending_ = false;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(stderr, "quarvelin: first frame at %.3f ms, %.1f ms CPU, %ld kB resident\n",
               static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6,
               Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime), ResidentKilobytes());
  std::fflush(stderr);
}

}  // namespace qv
