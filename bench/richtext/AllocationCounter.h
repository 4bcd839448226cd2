#pragma once

// Measures the peak memory of one operation: between StartCounting and
// StopCounting, the bytes taken from malloc and its relatives (which
// operator new and Qt's containers use) less the bytes given back, and the
// highest value that net amount reached. Linked into a benchmark program,
// it replaces the C library's allocation functions; outside a measurement
// they cost one flag test.

#include <cstdint>

namespace moxa::bench {

void StartCounting();
// The high-water mark of the net bytes allocated since StartCounting.
std::int64_t StopCounting();

}  // namespace moxa::bench
