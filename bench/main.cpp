// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "benchmarks.hpp"

namespace quorvex_bench
{

void report_payload(benchmark::State & state, size_t bytes)
{
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  state.counters["bytes"] = static_cast<double>(bytes);
}

namespace
{

// One memcpy per piece, between two distinct buffers of the pieces' total size.
void copy_pieces(benchmark::State & state, const std::vector<size_t> & pieces)
{
  const size_t bytes = std::accumulate(pieces.begin(), pieces.end(), size_t{0});
  // Touched before the clock runs, so that no page is faulted in while it does.
  std::vector<char> source(bytes, 'q');
  std::vector<char> target(bytes);
  std::memcpy(target.data(), source.data(), bytes);
  for (auto _ : state) {
    size_t offset = 0;
    for (size_t piece : pieces) {
      std::memcpy(target.data() + offset, source.data() + offset, piece);
      offset += piece;
    }
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  report_payload(state, bytes);
}

}  // namespace

void register_memcpy(
  const std::string & message, const std::string & size, const std::vector<size_t> & pieces)
{
  const std::string suffix = "/" + message + "/" + size;
  const std::vector<size_t> block{std::accumulate(pieces.begin(), pieces.end(), size_t{0})};
  benchmark::RegisterBenchmark(
    ("memcpy" + suffix).c_str(),
    [block](benchmark::State & state) {copy_pieces(state, block);});
  if (pieces.size() > 1) {
    benchmark::RegisterBenchmark(
      ("memcpy_per_member" + suffix).c_str(),
      [pieces](benchmark::State & state) {copy_pieces(state, pieces);});
  }
}

}  // namespace quorvex_bench

int main(int argc, char ** argv)
{
  // A fixed allocator state whatever ran before: every buffer of the measured messages comes
  // from the heap, and freed memory stays there for the next message instead of going back to
  // the kernel (cdr_deserialize_fresh_returned measures that case on purpose).
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  quorvex_bench::register_cdr_benchmarks();
  quorvex_bench::register_cdr_c_benchmarks();
  quorvex_bench::register_record_benchmarks();
  quorvex_bench::register_python_benchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
