// The ten values that effects change during a fight and that the round reads.
// They live beside the game state (not in a saved position) because text
// substitution, damage formulas and ClampAttributes read them too.
#pragma once

#include <cstdint>

namespace qv {

struct FightModifiers {
  int32_t utok = 0;
  int32_t obrana = 0;
  int32_t tentoobrana = 0;
  int32_t pristiobrana = 0;
  int32_t pristiutok = 0;
  int32_t tvrdost = 0;
  int32_t poskozeni = 0;
  int32_t maxmana = 0;
  int32_t maxzivoty = 0;
  int32_t rychlost = 0;
};

}  // namespace qv
