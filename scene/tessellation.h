// Tessellation counts of the round shapes, fixed once when a shape is made: n slices
// requested, the slice width on the rim, and how many rings fit into a length.
#pragma once

// n rounded down to an even number, at least 2.
int evenSlices(int n);
// Arc length of one of n slices on a rim of radius r (2 pi as the float 6.2831855).
float sliceWidth(float radius, int n);
// The whole number of slice widths in a length, at least 1.
int ringsIn(float length, float width);
// A count of pieces for a measure x: its whole part, at least 1 and at most maxPieces
// (1 for a measure that is not a number), so that no shape, however large, asks for more
// pieces than can be drawn.
int pieceCount(float x);
constexpr int maxPieces = 1000;
