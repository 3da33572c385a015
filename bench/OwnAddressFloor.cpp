// Times the bare system calls that find this machine's address, once, in a fresh process as
// ipview's first click meets them; prints microseconds.
#include "bench/RawLookups.h"

#include <cstdio>
#include <ctime>

namespace {

double Microseconds(const timespec& from, const timespec& to) {
    return static_cast<double>(to.tv_sec - from.tv_sec) * 1e6 +
           static_cast<double>(to.tv_nsec - from.tv_nsec) / 1e3;
}

} // namespace

int main() {
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const std::uint32_t address = bench::RawOwnAddress();
    clock_gettime(CLOCK_MONOTONIC, &end);
    std::printf("own_address_us=%.1f\n", Microseconds(start, end));
    return address != 0 ? 0 : 1;
}
