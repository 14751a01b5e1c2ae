// The handlers of the possession commands, registered together by
// AddPossessionCommands.
#pragma once

#include "parser/tag_store.h"

namespace qv {

class TForm1;

// Giving.
void Zbran(TForm1& form, const TagEntry& tag);
void Zbroj(TForm1& form, const TagEntry& tag);
void Predmet(TForm1& form, const TagEntry& tag);
void Objekt(TForm1& form, const TagEntry& tag);

// Taking.
void OdstranPredmet(TForm1& form, const TagEntry& tag);
void OdstranObjekt(TForm1& form, const TagEntry& tag);
void OdstranZbran(TForm1& form, const TagEntry& tag);
void OdstranZbroj(TForm1& form, const TagEntry& tag);
void OdstranZbraneAll(TForm1& form, const TagEntry& tag);
void OdstranZbrojeAll(TForm1& form, const TagEntry& tag);
void ZadneZbrane(TForm1& form, const TagEntry& tag);
void ZadneZbroje(TForm1& form, const TagEntry& tag);
void ZadnePredmety(TForm1& form, const TagEntry& tag);
void ZadneObjekty(TForm1& form, const TagEntry& tag);

// Exchanging.
void ZmenZbran(TForm1& form, const TagEntry& tag);
void ZmenZbroj(TForm1& form, const TagEntry& tag);

}  // namespace qv
