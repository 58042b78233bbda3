#pragma once

#include "app/LineList.h"

namespace stellaform::test {

// 36 drawings of a lottery with one main number (1, 2 or 3) and one bonus
// number, the most recent last. Read with a pool of 16 (half = 8, so 3 strong
// and 5 recommended numbers) and one main number per drawing, the bonus
// numbers play no part. Worked by hand:
//
// Trial t takes line 37 - t as its target and lines 19 - t .. 36 - t as its
// window. Counts of 1 / 2 / 3 in the window, the window's ranking (ties in
// ascending order, the numbers never drawn after 3), and the rank position
// of the target's number:
//
//   t  line target  1  2  3  ranking  position     t  line target  1  2  3  ranking  position
//   1   36    3     4  5  9  3 2 1    1            10   27    3     6  5  7  3 1 2    1
//   2   35    1     3  5 10  3 2 1    3            11   26    1     5  5  8  3 1 2    2
//   3   34    2     4  4 10  3 1 2    3            12   25    2     5  5  8  3 1 2    3
//   4   33    3     4  5  9  3 2 1    1            13   24    3     5  6  7  3 2 1    1
//   5   32    3     5  5  8  3 1 2    1            14   23    3     6  6  6  1 2 3    3
//   6   31    1     4  5  9  3 2 1    3            15   22    2     6  5  7  3 1 2    3
//   7   30    3     4  5  9  3 2 1    1            16   21    1     6  5  7  3 1 2    2
//   8   29    2     4  5  9  3 2 1    2            17   20    3     6  6  6  1 2 3    3
//   9   28    3     5  5  8  3 1 2    1            18   19    3     7  6  5  1 2 3    3
//
// Rank positions hit: 1 seven times, 2 three times, 3 eight times; sorted,
// the positions read 3, 1, 2, then 4, 5, 6, ... never hit, in order.
// The 18 most recent drawings (lines 19 .. 36) hold 1 four times, 2 four
// times and 3 ten times, so the current ranking reads 3, 1, 2, 4, 5, 6, ...
// Selection, position -> number: 3 -> 2, 1 -> 3, 2 -> 1, then 4 -> 4, 5 -> 5,
// 6 -> 6, 7 -> 7, 8 -> 8. Strong: 2 3 1. Recommended: 4 5 6 7 8, of which the
// report leaves off the last three: 4 5.
inline const Lines kHandWorkedHistory = {
    "1/3/2009 1 4",  "1/7/2009 2 2",  "1/9/2009 1 9",  "1/13/2009 3 7", "1/15/2009 1 5", "1/19/2009 2 3",
    "1/21/2009 2 1", "1/25/2009 3 8", "1/27/2009 1 6", "1/31/2009 1 4", "2/2/2009 2 2",  "2/6/2009 3 9",
    "2/8/2009 3 7",  "2/12/2009 1 5", "2/14/2009 2 3", "2/18/2009 1 1", "2/20/2009 3 8", "2/24/2009 2 6",
    "2/26/2009 3 4", "3/2/2009 3 2",  "3/4/2009 1 9",  "3/8/2009 2 7",  "3/10/2009 3 5", "3/14/2009 3 3",
    "3/16/2009 2 1", "3/20/2009 1 8", "3/22/2009 3 6", "3/26/2009 3 4", "3/28/2009 2 2", "4/1/2009 3 9",
    "4/3/2009 1 7",  "4/7/2009 3 5",  "4/9/2009 3 3",  "4/13/2009 2 1", "4/15/2009 1 8", "4/19/2009 3 6",
};

} // namespace stellaform::test
