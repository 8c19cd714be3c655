// The frame rate as a line of text in the bottom right corner of the window ("25.0 frames
// a second"), on the corner text's line: the menu's buttons have the top. Drawn over a
// finished frame when the person asked to see it.
#pragma once

void drawFrameRateText(float framesPerSecond, int width, int height, float pixelScale);
