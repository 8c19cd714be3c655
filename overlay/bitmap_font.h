// Text in the overlay: a bitmap font as OpenGL display lists (list 1000 + n draws character
// n, for n from 0 to 254), made once per GL context by the shell (createBitmapFont), drawn
// and measured here.
#pragma once

constexpr unsigned int fontListBase = 1000;
constexpr int fontGlyphCount = 255;

// Draws the text with its baseline starting at (x, y) and returns the x window coordinate
// after its last character.
float drawText(float x, float y, const char* text);
// The advance of the text in pixels, drawing nothing; height (if given) receives the y
// window coordinate reached, as an int.
float measureText(const char* text, int* height = nullptr);
