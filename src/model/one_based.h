// 1-based containers for the domain's numbered things (node 1, element 1,
// coordinate 1 = X). Indices read like the domain: `baseElemStart(k)` is the
// first end node of element k. Out-of-range access is a bug and asserts.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentrix::model {

// A growable 1-based array; its size is its count, so the two always agree.
template <class T>
class OneBasedArray {
 public:
  OneBasedArray() = default;
  explicit OneBasedArray(std::int64_t count, T fill = T{}) { rebuild(count, fill); }

  // Discards the old contents and allocates `count` entries of `fill`.
  void rebuild(std::int64_t count, T fill = T{}) {
    std::vector<T> fresh;
    values_.swap(fresh);
    fresh = {};
    values_.assign(static_cast<std::size_t>(count < 0 ? 0 : count), fill);
  }
  // Keeps the entries that remain; new entries get `fill`.
  void resize(std::int64_t count, T fill = T{}) {
    values_.resize(static_cast<std::size_t>(count < 0 ? 0 : count), fill);
  }
  void clear() { std::vector<T>().swap(values_); }

  std::int64_t count() const noexcept { return static_cast<std::int64_t>(values_.size()); }
  bool empty() const noexcept { return values_.empty(); }

  T& operator()(std::int64_t number) {
    assert(number >= 1 && number <= count());
    return values_[static_cast<std::size_t>(number - 1)];
  }
  const T& operator()(std::int64_t number) const {
    assert(number >= 1 && number <= count());
    return values_[static_cast<std::size_t>(number - 1)];
  }

  // Raw access for bulk work (generation, writers); entry 1 is data()[0].
  T* data() noexcept { return values_.data(); }
  const T* data() const noexcept { return values_.data(); }
  std::vector<T>& storage() noexcept { return values_; }
  const std::vector<T>& storage() const noexcept { return values_; }

  friend bool operator==(const OneBasedArray&, const OneBasedArray&) = default;

 private:
  std::vector<T> values_;
};

// Coordinates of numbered nodes: row = node (1-based), column = axis
// (1 X, 2 Y, 3 Z). Stored row by row, `columns` reals per node.
class CoordinateTable {
 public:
  CoordinateTable() = default;
  CoordinateTable(std::int64_t rows, int columns) { rebuild(rows, columns); }

  // Discards the old contents; every coordinate becomes 0.
  void rebuild(std::int64_t rows, int columns) {
    std::vector<float> fresh;
    values_.swap(fresh);
    fresh = {};
    rows_ = rows < 0 ? 0 : rows;
    columns_ = columns < 0 ? 0 : columns;
    values_.assign(static_cast<std::size_t>(rows_ * columns_), 0.0f);
  }
  // Keeps the values of the rows and columns that remain; new ones are 0.
  void resize(std::int64_t rows, int columns) {
    rows = rows < 0 ? 0 : rows;
    columns = columns < 0 ? 0 : columns;
    if (rows == rows_ && columns == columns_) return;
    std::vector<float> fresh(static_cast<std::size_t>(rows * columns), 0.0f);
    const std::int64_t keepRows = rows < rows_ ? rows : rows_;
    const int keepColumns = columns < columns_ ? columns : columns_;
    for (std::int64_t r = 0; r < keepRows; ++r)
      for (int c = 0; c < keepColumns; ++c)
        fresh[static_cast<std::size_t>(r * columns + c)] =
            values_[static_cast<std::size_t>(r * columns_ + c)];
    values_.swap(fresh);
    rows_ = rows;
    columns_ = columns;
  }
  void clear() {
    std::vector<float>().swap(values_);
    rows_ = 0;
    columns_ = 0;
  }

  std::int64_t rows() const noexcept { return rows_; }
  int columns() const noexcept { return columns_; }
  bool empty() const noexcept { return values_.empty(); }

  float& operator()(std::int64_t node, int axis) {
    assert(node >= 1 && node <= rows_ && axis >= 1 && axis <= columns_);
    return values_[static_cast<std::size_t>((node - 1) * columns_ + (axis - 1))];
  }
  float operator()(std::int64_t node, int axis) const {
    assert(node >= 1 && node <= rows_ && axis >= 1 && axis <= columns_);
    return values_[static_cast<std::size_t>((node - 1) * columns_ + (axis - 1))];
  }

  float* data() noexcept { return values_.data(); }
  const float* data() const noexcept { return values_.data(); }
  std::vector<float>& storage() noexcept { return values_; }
  const std::vector<float>& storage() const noexcept { return values_; }

  friend bool operator==(const CoordinateTable&, const CoordinateTable&) = default;

 private:
  std::int64_t rows_ = 0;
  int columns_ = 0;
  std::vector<float> values_;
};

}  // namespace zentrix::model
