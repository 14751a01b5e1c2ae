// The handlers of the possession commands, registered together by
// AddPossessionCommands.
#pragma once

#include "parser/tag_store.h"

namespace qv {

class GameWindow;

// Giving.
void Zbran(GameWindow& form, const TagEntry& tag);
void Zbroj(GameWindow& form, const TagEntry& tag);
void Predmet(GameWindow& form, const TagEntry& tag);
void Objekt(GameWindow& form, const TagEntry& tag);

// Taking.
void OdstranPredmet(GameWindow& form, const TagEntry& tag);
void OdstranObjekt(GameWindow& form, const TagEntry& tag);
void OdstranZbran(GameWindow& form, const TagEntry& tag);
void OdstranZbroj(GameWindow& form, const TagEntry& tag);
void OdstranZbraneAll(GameWindow& form, const TagEntry& tag);
void OdstranZbrojeAll(GameWindow& form, const TagEntry& tag);
void ZadneZbrane(GameWindow& form, const TagEntry& tag);
void ZadneZbroje(GameWindow& form, const TagEntry& tag);
void ZadnePredmety(GameWindow& form, const TagEntry& tag);
void ZadneObjekty(GameWindow& form, const TagEntry& tag);

// Exchanging.
void ZmenZbran(GameWindow& form, const TagEntry& tag);
void ZmenZbroj(GameWindow& form, const TagEntry& tag);

}  // namespace qv
