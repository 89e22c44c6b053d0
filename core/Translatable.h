#pragma once

// Marks a text that the edge shows in the language chosen (Texts::tr there); the core keeps
// the Czech source, and the toolkit's translation tools find it by this mark.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x // as the toolkit defines it, so that both may stand
#endif
