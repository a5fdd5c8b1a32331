#pragma once

namespace ostrelta {

// The grid of both groups of a calculation window: row r has its top at
// 15 * r; caption labels start at x = 10 and are 13 high; the value or box of
// a row stands at x = 360, and output j of a five-column row at 360 + 60 * (j - 1).
inline constexpr int Caption_x = 10;
inline constexpr int Caption_height = 13;
inline constexpr int Value_x = 360;
inline constexpr int Output_column_step = 60;

constexpr int Row_top(int row)
{
    return 15 * row;
}

constexpr int Output_column_x(int output)
{
    return Value_x + Output_column_step * (output - 1);
}

}  // namespace ostrelta
