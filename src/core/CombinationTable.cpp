#include "CombinationTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
// Blocks from this size on are mapped pages of their own.
constexpr size_t kMappedBlock = size_t{1} << 20;

// A block for a table. A big one is mapped and advised to use huge pages, so that filling
// 100 MB does not walk 25,000 small pages, and unmapped when freed: the walk's threads make
// and free many chunk tables, and the heap would keep each thread's freed ones. The memory
// is not touched here.
uint8_t* AllocateBlock(size_t bytes) {
  if (bytes == 0) return nullptr;
#if defined(__linux__)
  if (bytes >= kMappedBlock) {
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    if (bytes >= kHugePage) madvise(block, bytes, MADV_HUGEPAGE);
#endif
    return static_cast<uint8_t*>(block);
  }
#endif
  void* block = std::malloc(bytes);
  if (block == nullptr) throw std::bad_alloc();
  return static_cast<uint8_t*>(block);
}

}  // namespace

void TCombinationBlockFree::operator()(uint8_t* p) const {
#if defined(__linux__)
  if (Bytes >= kMappedBlock) {
    munmap(p, Bytes);
    return;
  }
#endif
  std::free(p);
}

TCombinationTable::TCombinationTable(const TCombinationTable& other)
    : m_rowLength(other.m_rowLength) {
  AppendRows(other, other.m_rows);
}

TCombinationTable& TCombinationTable::operator=(const TCombinationTable& other) {
  if (this != &other) {
    Reset(other.m_rowLength);
    AppendRows(other, other.m_rows);
  }
  return *this;
}

void TCombinationTable::Reset(int rowLength) {
  m_rowLength = rowLength;
  m_rows = 0;
  m_capacity = 0;
  m_data.reset();
}

void TCombinationTable::Reserve(int64_t rows) {
  if (rows <= m_capacity || m_rowLength <= 0) return;
  const size_t bytes = static_cast<size_t>(rows * m_rowLength);
  std::unique_ptr<uint8_t[], TCombinationBlockFree> block(AllocateBlock(bytes),
                                                          TCombinationBlockFree{bytes});
  if (m_rows > 0) std::memcpy(block.get(), m_data.get(), static_cast<size_t>(m_rows * m_rowLength));
  m_data = std::move(block);
  m_capacity = rows;
}

void TCombinationTable::Grow(int64_t minRows) {
  Reserve(std::max<int64_t>({minRows, m_capacity * 2, 64}));
}

iArray TCombinationTable::RowArray(int64_t index) const {
  const auto row = Row(index);
  return iArray(row.begin(), row.end());
}

iArray2D TCombinationTable::ToRows() const {
  iArray2D rows;
  rows.reserve(static_cast<size_t>(m_rows));
  for (int64_t i = 0; i < m_rows; ++i) rows.push_back(RowArray(i));
  return rows;
}

void TCombinationTable::AppendRow(std::span<const int32_t> balls) {
  if (m_rows == m_capacity) Grow(m_rows + 1);
  uint8_t* out = m_data.get() + m_rows * m_rowLength;
  for (int i = 0; i < m_rowLength; ++i)
    out[i] = static_cast<uint8_t>(balls[static_cast<size_t>(i)]);
  ++m_rows;
}

void TCombinationTable::AppendRow(const uint8_t* balls) {
  if (m_rows == m_capacity) Grow(m_rows + 1);
  std::memcpy(m_data.get() + m_rows * m_rowLength, balls, static_cast<size_t>(m_rowLength));
  ++m_rows;
}

void TCombinationTable::AppendRows(const TCombinationTable& other, int64_t limit) {
  const int64_t count = std::min(limit, other.m_rows);
  if (count <= 0 || m_rowLength <= 0) return;
  if (m_rows + count > m_capacity) Grow(m_rows + count);
  std::memcpy(m_data.get() + m_rows * m_rowLength, other.m_data.get(),
              static_cast<size_t>(count * m_rowLength));
  m_rows += count;
}

void TCombinationTable::Truncate(int64_t rows) { m_rows = std::clamp<int64_t>(rows, 0, m_rows); }

TCombinationTable TCombinationTable::FromRows(const iArray2D& rows, int rowLength) {
  TCombinationTable table(rowLength);
  table.Reserve(static_cast<int64_t>(rows.size()));
  for (const iArray& row : rows) table.AppendRow(row);
  return table;
}

bool TCombinationTable::operator==(const TCombinationTable& other) const {
  return m_rowLength == other.m_rowLength && m_rows == other.m_rows &&
         (m_rows == 0 || std::memcmp(m_data.get(), other.m_data.get(),
                                     static_cast<size_t>(m_rows * m_rowLength)) == 0);
}
