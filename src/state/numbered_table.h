// A fixed-capacity table numbered from 1, the shape of every table of the
// game state (variables, text slots, menu options, catalog entries, objects).
//
// Numbers come straight from gamebook text, so every access checks them:
// reading outside 1..N gives an empty value and writing there is ignored.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace qv {

template <class T, std::size_t N>
class NumberedTable {
 public:
  static constexpr std::size_t kCount = N;

  static constexpr bool InRange(long long n) { return n >= 1 && n <= static_cast<long long>(N); }

  // The value numbered n, or an empty value when n is outside 1..N.
  T Get(long long n) const { return InRange(n) ? items_[static_cast<std::size_t>(n - 1)] : T{}; }

  // Stores value under n; false (and nothing changed) when n is outside 1..N.
  bool Set(long long n, const T& value) {
    if (!InRange(n)) return false;
    items_[static_cast<std::size_t>(n - 1)] = value;
    return true;
  }

  // The slot numbered n, or nullptr when n is outside 1..N.
  T* Find(long long n) { return InRange(n) ? &items_[static_cast<std::size_t>(n - 1)] : nullptr; }
  const T* Find(long long n) const {
    return InRange(n) ? &items_[static_cast<std::size_t>(n - 1)] : nullptr;
  }

  // The slot numbered n; throws std::out_of_range outside 1..N.
  T& at(long long n) { return *Checked(n); }
  const T& at(long long n) const { return *Checked(n); }

  void Fill(const T& value) { items_.fill(value); }

  // Iteration runs over all N slots, number 1 first.
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  T* Checked(long long n) {
    if (!InRange(n))
      throw std::out_of_range("table number " + std::to_string(n) + " outside 1.." +
                              std::to_string(N));
    return &items_[static_cast<std::size_t>(n - 1)];
  }
  const T* Checked(long long n) const { return const_cast<NumberedTable*>(this)->Checked(n); }

  std::array<T, N> items_{};
};

}  // namespace qv
