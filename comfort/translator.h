// The core's texts are English source texts, marked with QT_TRANSLATE_NOOP; a caller that shows
// them in another language passes its lookup. The core never translates itself: a command-line
// tool that links it has no translation loaded.
#pragma once

#include <QString>

#include <functional>

// Looks up the translation of an English source text (one translation context per caller);
// an empty function keeps the English text.
using TextTranslator = std::function<QString(const char *sourceText)>;

inline QString translated(const TextTranslator &tr, const char *sourceText)
{
    return tr ? tr(sourceText) : QString::fromUtf8(sourceText);
}
