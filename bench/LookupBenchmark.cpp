// ipview's resolver beside the bare system calls that answer the same question.
#include "bench/RawLookups.h"
#include "platform/posix/PosixSockets.h"

#include <array>
#include <benchmark/benchmark.h>
#include <climits>
#include <string>
#include <unistd.h>

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

// What ipview adds to getaddrinfo for a name that is not a number: reading the host name, to know
// this machine's own name.
void HostName(benchmark::State& state) {
    std::array<char, HOST_NAME_MAX + 1> name{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(gethostname(name.data(), name.size() - 1));
    }
}

} // namespace

BENCHMARK_CAPTURE(Ipview, localhost, std::string("localhost"));
BENCHMARK_CAPTURE(Floor, localhost, std::string("localhost"));
BENCHMARK_CAPTURE(Ipview, numeric, std::string("10.0.0.1"));
BENCHMARK_CAPTURE(Floor, numeric, std::string("10.0.0.1"));
BENCHMARK_CAPTURE(Ipview, empty, std::string());
BENCHMARK_CAPTURE(Floor, empty, std::string());

BENCHMARK(HostName);

BENCHMARK_MAIN();
