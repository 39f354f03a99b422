// ConvertQuantity per call (parse, arithmetic, format) on a mix of pairs and
// quantities, against the floor of the same work done with bare
// std::from_chars and std::to_chars into a stack buffer.

#include "Convert.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zelvano::convert;

struct Input {
    Category category;
    int from;
    int to;
    std::string quantity;
    double factor; // a factor of the "to" unit, for the floor's one operation
};

const std::vector<Input>& inputs() {
    static const std::vector<Input> all = [] {
        const char* quantities[] = {"1",    "2.5",       "100",        "0.001", "1E15",
                                    "-40",  "98.6",      "123456.789", "3.6",   "37037037040",
                                    "1024", "0.0254321", "-1.5E-3",    "12",    "273.16"};
        std::mt19937 random(42);
        std::vector<Input> list;
        for (int i = 0; i < 4096; ++i) {
            const CategoryTable& table = categoryTables()[random() % categoryTables().size()];
            const auto count = static_cast<unsigned>(table.units.size());
            const int from = static_cast<int>(random() % count) + 1;
            int to = static_cast<int>(random() % count) + 1;
            if (to == from)
                to = to % static_cast<int>(count) + 1;
            const double factor = table.units[to - 1].factor;
            list.push_back({table.category, from, to, quantities[random() % std::size(quantities)],
                            factor != 0 ? factor : 1.8});
        }
        return list;
    }();
    return all;
}

void ConvertQuantityMix(benchmark::State& state) {
    const NumberSettings settings;
    const auto& list = inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        const Input& in = list[i++ % list.size()];
        Conversion result = ConvertQuantity(in.category, in.from, in.to, in.quantity, settings);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ConvertQuantityMix);

template <std::chars_format Format, int Precision>
void FromCharsToCharsFloor(benchmark::State& state) {
    const auto& list = inputs();
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        const Input& in = list[i++ % list.size()];
        double x = 0;
        std::from_chars(in.quantity.data(), in.quantity.data() + in.quantity.size(), x);
        const double r = x * in.factor;
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, r, Format, Precision).ptr;
        benchmark::DoNotOptimize(buffer);
        benchmark::DoNotOptimize(end);
    }
    state.SetItemsProcessed(state.iterations());
}
// 15 significant digits, as the program shows them.
BENCHMARK(FromCharsToCharsFloor<std::chars_format::scientific, 14>)->Name("Floor/scientific14");
BENCHMARK(FromCharsToCharsFloor<std::chars_format::general, 14>)->Name("Floor/general14");

} // namespace

BENCHMARK_MAIN();
