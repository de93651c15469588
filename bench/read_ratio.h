#pragma once
// Loading against the plain read of the same bytes, measured interleaved:
// round after round, each kind of pass runs once, and the fastest round of
// each kind counts. A shared machine slows whole stretches of a run; passes
// taken side by side see the same stretch, so their ratio holds still where
// figures from separate benchmarks, seconds apart, do not.

#include <string>
#include <vector>

namespace tarnwick::bench {

// Prints the table for the "source/format" keys given; false when loading
// any of them costs more than max_ratio times the plain read (0: no limit).
bool print_read_ratios(const std::vector<std::string>& keys, double max_ratio);

}  // namespace tarnwick::bench
