// ipview's resolver beside the bare system calls that answer the same question.
#include "bench/RawLookups.h"
#include "platform/posix/PosixSockets.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void Ipview(benchmark::State& state, const std::string& name) {
    platform::posix::PosixSockets sockets;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sockets.gethostbyname(name));
    }
}

void Floor(benchmark::State& state, const std::string& name) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(name.empty() ? bench::RawOwnAddress()
                                              : bench::RawGetaddrinfo(name));
    }
}

} // namespace

BENCHMARK_CAPTURE(Ipview, localhost, std::string("localhost"));
BENCHMARK_CAPTURE(Floor, localhost, std::string("localhost"));
BENCHMARK_CAPTURE(Ipview, numeric, std::string("10.0.0.1"));
BENCHMARK_CAPTURE(Floor, numeric, std::string("10.0.0.1"));
BENCHMARK_CAPTURE(Ipview, empty, std::string());
BENCHMARK_CAPTURE(Floor, empty, std::string());

BENCHMARK_MAIN();
