// SPDX-License-Identifier: GPL-3.0-or-later
// Button pictures drawn as vector art, so they stay crisp at every size and device pixel ratio.
#pragma once

#include <QIcon>
#include <functional>

class QPainter;

// Draws a picture into a 16 × 16 box of logical units; the painter is already scaled to the
// pixels asked for.
using GlyphDrawing = std::function<void(QPainter& painter)>;

// An icon that draws itself at whatever size it is asked for. The disabled picture is the
// same drawing in a light gray, as the toolkit derives it for a two-state glyph.
QIcon VectorGlyph(GlyphDrawing drawing);

// The stock pictures of the glyph button kinds: ok, cancel, help, close, abort.
enum class StockGlyph { Ok, Cancel, Help, Close, Abort };
QIcon StockGlyphIcon(StockGlyph kind);
