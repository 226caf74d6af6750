// SPDX-License-Identifier: GPL-3.0-or-later
// The colours' symbols: with them on, each of the eight colours differs by shape as well, for
// players who tell some colours apart badly.
#pragma once

#include "toolkit/Graphics.h"

#include <QPainter>

// Draws the symbol of colour farbe into box, in black or white, whichever stands out on it.
// Colours that are no colour of the game (gray, an empty hole) get none.
void FarbsymbolZeichnen(QPainter& maler, const QRectF& box, TColor farbe);
