// Fictional employer units for sample and benchmark databases: choice-box
// fields take items of their lists, the others plausible names and numbers.
#pragma once

#include <cstdint>
#include <random>

#include "records/sql_text.h"

namespace sampledb {

class UnitMaker {
public:
    explicit UnitMaker(std::uint32_t seed = 20121) : rng_(seed) {}
    records::UnitTexts next();

private:
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    template <class T, std::size_t N>
    const T& pick(const T (&items)[N]) { return items[between(0, static_cast<int>(N) - 1)]; }
    std::string digits(int n);
    std::string person();
    std::string company();
    std::string address();
    std::string phone(bool mobile);

    std::mt19937 rng_;
    int serial_ = 0;
};

}  // namespace sampledb
