#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace bvbench {

// Registers the percentile statistics every benchmark reports besides the median.
void AddStatistics(benchmark::internal::Benchmark* bench);

// Names the baseline a benchmark's median is divided by in the final table.
void SetBaseline(benchmark::State& state, const std::string& baseline);

// Runs the registered benchmarks with repetitions and prints, after Google
// Benchmark's own output, one table of medians, p95 and ratio to baseline.
int RunAll(int argc, char** argv);

} // namespace bvbench
