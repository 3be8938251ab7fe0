#include "core/table/MatrixShape.h"

#include <algorithm>
#include <cstddef>

namespace {

std::size_t LongestRow(const CellMatrix& matrix)
{
    std::size_t longest = 0;
    for (const CellRow& row : matrix)
        longest = std::max(longest, row.size());
    return longest;
}

} // namespace

CellMatrix PadToRectangle(CellMatrix matrix)
{
    const std::size_t columns = LongestRow(matrix);
    for (CellRow& row : matrix)
        row.resize(columns);
    return matrix;
}

CellMatrix TransposeCellMatrix(const CellMatrix& matrix)
{
    CellMatrix transposed(LongestRow(matrix));
    for (const CellRow& row : matrix)
        for (std::size_t j = 0; j < row.size(); ++j)
            transposed[j].push_back(row[j]);
    return transposed;
}
