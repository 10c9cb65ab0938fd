#pragma once
// A table of combinations stored flat: one contiguous row-major block of bytes (every ball is
// 1..255), so 16,000,000 rows of 7 balls take 112 MB instead of 16 million vectors.

#include <cstdint>
#include <memory>
#include <span>

#include "CommonFunctions.h"

// Frees a table's block of `Bytes` bytes: big blocks are mapped pages, returned to the
// system at once (the heap would keep them in the arena of the thread that freed them).
struct TCombinationBlockFree {
  size_t Bytes = 0;
  void operator()(uint8_t* p) const;
};

class TCombinationTable {
public:
  TCombinationTable() = default;
  explicit TCombinationTable(int rowLength) : m_rowLength(rowLength) {}
  TCombinationTable(const TCombinationTable& other);
  TCombinationTable& operator=(const TCombinationTable& other);
  TCombinationTable(TCombinationTable&&) noexcept = default;
  TCombinationTable& operator=(TCombinationTable&&) noexcept = default;

  // Empties the table and sets the row length.
  void Reset(int rowLength);
  // Room for `rows` rows, allocated once (untouched pages cost no memory); keeps the content.
  void Reserve(int64_t rows);
  int RowLength() const { return m_rowLength; }
  int64_t RowCount() const { return m_rows; }
  int64_t Capacity() const { return m_capacity; }
  bool IsEmpty() const { return m_rows == 0; }

  std::span<const uint8_t> Row(int64_t index) const {
    return {m_data.get() + index * m_rowLength, static_cast<size_t>(m_rowLength)};
  }
  iArray RowArray(int64_t index) const;
  iArray2D ToRows() const;

  // Appends a row (values 1..255; the row length must match). Grows when full.
  void AppendRow(std::span<const int32_t> balls);
  void AppendRow(const uint8_t* balls);
  // Appends the rows of another table of the same row length, at most `limit` rows.
  void AppendRows(const TCombinationTable& other, int64_t limit);
  // Keeps the first `rows` rows.
  void Truncate(int64_t rows);
  // Bytes of the block.
  int64_t MemoryBytes() const { return m_capacity * m_rowLength; }

  static TCombinationTable FromRows(const iArray2D& rows, int rowLength);
  bool operator==(const TCombinationTable& other) const;

private:
  void Grow(int64_t minRows);

  int m_rowLength = 0;
  int64_t m_rows = 0;
  int64_t m_capacity = 0;
  std::unique_ptr<uint8_t[], TCombinationBlockFree> m_data;
};
