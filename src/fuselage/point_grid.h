#pragma once

#include <cstddef>
#include <vector>

namespace ferlo {

// A two-dimensional array with rows 0..lastRow and columns 0..lastColumn, as
// the fuselage keeps its mesh (row: display section, column: outline point).
// Reading outside gives a value-initialised T (zero); writing outside is
// ignored.
template <typename T>
class PointGrid {
public:
    // Every entry zero; a negative bound gives an empty grid.
    void reset(int lastRow, int lastColumn) {
        rows_ = lastRow >= 0 && lastColumn >= 0 ? static_cast<std::size_t>(lastRow) + 1 : 0;
        columns_ = rows_ > 0 ? static_cast<std::size_t>(lastColumn) + 1 : 0;
        cells_.assign(rows_ * columns_, T{});
    }

    // The bounds of reset, the entries left unspecified: for a caller that
    // writes every entry through `row`. Storage is kept when the size stays.
    void resizeForOverwrite(int lastRow, int lastColumn) {
        rows_ = lastRow >= 0 && lastColumn >= 0 ? static_cast<std::size_t>(lastRow) + 1 : 0;
        columns_ = rows_ > 0 ? static_cast<std::size_t>(lastColumn) + 1 : 0;
        cells_.resize(rows_ * columns_);
    }

    // The entries of `row` (0..lastRow()), columns 0..lastColumn().
    T* row(int row) { return cells_.data() + index(row, 0); }

    T get(int row, int column) const {
        return contains(row, column) ? cells_[index(row, column)] : T{};
    }

    void set(int row, int column, const T& value) {
        if (contains(row, column)) cells_[index(row, column)] = value;
    }

    bool contains(int row, int column) const {
        return row >= 0 && column >= 0 && static_cast<std::size_t>(row) < rows_ &&
               static_cast<std::size_t>(column) < columns_;
    }

    // The bounds of the last reset; -1 for an empty grid.
    int lastRow() const { return static_cast<int>(rows_) - 1; }
    int lastColumn() const { return static_cast<int>(columns_) - 1; }

private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(column);
    }

    std::size_t rows_ = 0;
    std::size_t columns_ = 0;
    std::vector<T> cells_;
};

}  // namespace ferlo
