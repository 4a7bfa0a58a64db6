// Small stateless helpers: the rectangle overlap test and bounded random numbers.
#ifndef TOOLS_H
#define TOOLS_H

// True when two rectangles overlap on both axes; rectangles that only touch
// overlap. Arguments: both x, both y, both widths, both heights.
bool Collision(int x1, int x2, int y1, int y2, int w1, int w2, int h1, int h2);

// A number from max(min, 1) to max, drawn from rand. Needs max >= 1 and min <= max.
int RandomNumber(int min, int max);

#endif
