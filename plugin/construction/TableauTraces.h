// The construction of the current table's art: rules, frame and texts, each element in its
// own sub-group of the table group, replaced whole by every rebuild. Each function answers
// the first failure of the host calls it made, 0 when they all succeeded or it drew nothing.
#pragma once

#include "sdk/AIPath.h"

// In this order, at mouse-up and at every rebuild.
ASErr TraceColonnes();
ASErr TraceLignes();
ASErr TraceCadre();
ASErr TraceTextes();
// All four in that order, each whatever became of the others; then the settings they were
// built with written on the table's group. The texts kept for the cells (TextesGardes.h) go
// into them: a rebuild of the current table reads what its frames hold first (RecolteTextes).
ASErr TraceTableau();

// The first failure of steps that all go on: each result is kept unless an earlier one failed.
class PremiereErreur {
public:
    // Answers `resultat`, for the step that follows to look at.
    ASErr garde(ASErr resultat)
    {
        if (status_ == kNoErr)
            status_ = resultat;
        return resultat;
    }
    ASErr status() const { return status_; }

private:
    ASErr status_ = kNoErr;
};

// Style records chosen by TraceSimpleTrait's kind.
enum : ai_int16 { TraitLignes = 0, TraitColonnes = 1, TraitCadre = 2 };

// Makes the new path `art` an open rule from p1 to p2 (only their anchors are read) in the
// style chosen by `kind`. 0 without drawing when `art` is not valid art.
ASErr TraceSimpleTrait(const AIPathSegment& p1, const AIPathSegment& p2, AIArtHandle& art, ai_int16 kind);
// Makes the new path `art` a closed rectangle spanning [left, left + width] x [top - height,
// top], in StyleCadre. 0 without drawing when `art` is not valid art.
ASErr TraceRectangle(AIReal width, AIReal height, AIReal left, AIReal top, AIArtHandle& art);
// Disposes of the art and all in it when the handle is still valid art; the handle is left
// as it was.
ASErr DetruitTrace(AIArtHandle& art);

// Fill a new, empty text frame with the title or the cell text and the table's features.
ASErr ParametresTexteTitreTableau(AIArtHandle& frame);
ASErr ParametresTexteCasesTableau(AIArtHandle& frame);
