// Counts the bytes the process holds on the heap, so that a benchmark can report the peak
// memory of one operation. Every allocation of the program goes through the counting
// allocator that HeapMeter.cpp puts in front of the C library's.
#pragma once

#include <cstddef>

namespace heapmeter {

// The bytes allocated and not yet freed.
std::size_t CurrentBytes();

// Starts a new measurement: the peak becomes the current amount.
void ResetPeak();

// The most bytes held at once since the last ResetPeak.
std::size_t PeakBytes();

} // namespace heapmeter
