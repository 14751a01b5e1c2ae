// Whether a reader's cost grows no faster than its input: the reader runs on
// an adversarial input of about 1 MiB and on the same shape four times as
// large. n log n makes the second take about 4.6 times as long, n squared
// sixteen times; more than nine times fails. Time is the process's CPU time,
// the least of a few runs, so that other programs on the machine count as
// little as they can.
#pragma once

#include <gtest/gtest.h>
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace qv::linear {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kUnderSanitizer = true;
#else
inline constexpr bool kUnderSanitizer = false;
#endif
#else
inline constexpr bool kUnderSanitizer = false;
#endif

// Under the sanitizers every byte costs several times as much: there the
// sizes are a quarter (256 KiB and 1 MiB), which still tells n squared from
// n log n and keeps the program within a minute.
inline constexpr std::size_t kSmall = kUnderSanitizer ? std::size_t{1} << 18 : std::size_t{1} << 20;
inline constexpr double kMaxRatio = 9.0;
// Shorter runs are too short to compare: they count as this long, so a
// reader that costs next to nothing at both sizes passes.
inline constexpr double kShortestSeconds = 0.002;

inline double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class Work>
double LeastCpuSeconds(int runs, Work&& work) {
  double least = 1e300;
  for (int i = 0; i < runs; ++i) {
    // Every run starts with the freed memory given back, so that a small
    // input does not run on pages an earlier run left mapped while a large
    // one maps fresh ones.
    malloc_trim(0);
    const double start = ProcessCpuSeconds();
    work();
    least = std::min(least, ProcessCpuSeconds() - start);
  }
  return least;
}

struct Growth {
  double Small = 0;  // seconds for the input of kSmall bytes
  double Large = 0;  // ... and for four times that
  double Ratio() const { return Large / std::max(Small, kShortestSeconds); }
};

// make(size) gives the input of about `size` bytes (a text, or the folder
// of a gamebook written for it); read(input) runs the reader on it.
template <class Make, class Read>
Growth MeasureGrowth(Make&& make, Read&& read, int runs = 2) {
  const auto small = make(kSmall);
  const auto large = make(4 * kSmall);
  Growth g;
  g.Small = LeastCpuSeconds(runs, [&] { read(small); });
  g.Large = LeastCpuSeconds(runs, [&] { read(large); });
  return g;
}

// Measures, and measures once more before failing: a burst of load from
// elsewhere can spoil one measurement, while work that grows with the
// square of the input fails every time.
template <class Make, class Read>
void ExpectLinearGrowth(std::string_view what, Make&& make, Read&& read, int runs = 2) {
  Growth g = MeasureGrowth(make, read, runs);
  if (g.Ratio() > kMaxRatio) {
    const Growth again = MeasureGrowth(make, read, runs);
    if (again.Ratio() < g.Ratio()) g = again;
  }
  std::printf("[ growth   ] %-58s %9.2f ms %9.2f ms  x%.2f\n", std::string(what).c_str(),
              g.Small * 1e3, g.Large * 1e3, g.Ratio());
  EXPECT_LE(g.Ratio(), kMaxRatio) << what << ": " << g.Small * 1e3 << " ms for " << kSmall
                                  << " bytes, " << g.Large * 1e3 << " ms for four times that";
}

// `piece` over and over, cut to `size` bytes.
inline std::string Repeat(std::string_view piece, std::size_t size) {
  std::string out;
  out.reserve(size + piece.size());
  while (out.size() < size) out += piece;
  out.resize(size);
  return out;
}

}  // namespace qv::linear
