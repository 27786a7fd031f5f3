// The geometry all shapes share: the positions of the selection handles, the scaling of a shape
// rectangle by a handle drag, forcing a rectangle square, and the band around an outline segment
// that counts as a hit. Logical units, y growing upwards.
//
// Handles of a rectangle (normalised: left <= right, top >= bottom):
//   1 (left, top)       2 (centre, top)      3 (right, top)
//   8 (left, middle)    9 scale about the centre (no position)    4 (right, middle)
//   7 (left, bottom)    6 (centre, bottom)   5 (right, bottom)
#pragma once

#include "platform/Types.h"

namespace tembra {

enum : int {
    kHandleNone = 0,
    kHandleTopLeft = 1,
    kHandleTop = 2,
    kHandleTopRight = 3,
    kHandleRight = 4,
    kHandleBottomRight = 5,
    kHandleBottom = 6,
    kHandleBottomLeft = 7,
    kHandleLeft = 8,
    kHandleCenter = 9,
};

// Which edges a handle drags.
bool HandleMovesLeft(int handle);
bool HandleMovesRight(int handle);
bool HandleMovesTop(int handle);
bool HandleMovesBottom(int handle);

// The point of handle 1 to 8 on a normalised rectangle; half sizes truncate toward zero.
CPoint HandlePoint(const CRect& rect, int handle);

// Scales r, a shape's rectangle at the start of a handle drag, against ref, the selection's
// rectangle then, so that every shape of a selection scales as one: the edges the handle drags
// move by delta, the others stay. Handle 9 reads delta as the new half sizes about ref's centre.
// An extent that would fall below minSize is set to minSize, keeping r's orientation.
void ScaleRectByHandle(const CPoint& delta, int handle, const CRect& ref, CRect& r, int minSize);

// Forces a rectangle that a handle drag produced back into a square: a corner keeps the edges
// it does not drag, an edge handle squares about the centre, handle 9 shrinks the longer extent
// about the centre. The rectangle keeps its orientation.
void SquareRect(int handle, CRect& r);

// The half-width of the hit band of an outline: the pen width, halved and rounded up above 1.
int HitTolerance(int penWidth);

// Whether the probe touches (modes 0 and 2) or encloses (mode 1) the band of half-width w
// around the segment a-b, which reaches w beyond both ends; a segment of no length is a square
// of 2w about its point.
bool SegmentHitTest(const CPoint& a, const CPoint& b, int w, const CRect& probe, int mode);

} // namespace tembra
