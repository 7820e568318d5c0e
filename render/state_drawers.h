#pragma once

#include "render/board_painter.h"

// Whether a game state value has a drawing (0 draws like Turn).
bool IsDrawnState(int gameState);

// Draws the board as the game state asks (lit flags, highlights, markers and
// pick codes). Unknown states draw nothing.
void DrawGameState(CBoardPainter& painter, const CSceneInput& input);
