// Search codes of product names (2 to 12 Chinese characters mixed with Latin letters and
// digits), in characters per second: the whole wide-text call, the table lookups alone (the
// multibyte call on converted names) and the code page conversions alone that the whole call
// makes (the name to code page 936, the code back to wide text).
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "platform/CodePage936.h"
#include "shopbiz.h"

namespace {

struct Names {
    std::vector<std::wstring> wide;
    std::vector<std::string> bytes;  // the same names in code page 936
    std::vector<std::string> codes;  // their search codes
    std::int64_t characters = 0;
};

const Names& ProductNames() {
    static const Names names = [] {
        Names n;
        std::mt19937 rng(936);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const std::wstring latin = L"ABCDEFGHKLMNPRSTXYZabcdeklmnorstx0123456789";
        for (int i = 0; i < 2000; ++i) {
            std::wstring name;
            const int hanzi = pick(2, 12);
            for (int k = 0; k < hanzi; ++k) {
                // Mostly first-level characters, one in ten from the second level.
                const int zone = pick(1, 10) == 1 ? pick(56, 87) : pick(16, 55);
                const int place = pick(1, zone == 55 ? 89 : 94);
                name += static_cast<wchar_t>(shopbiz::CodePage936DoubleByteChar(
                    static_cast<unsigned char>(zone + 160), static_cast<unsigned char>(place + 160)));
                if (pick(1, 6) == 1) {  // a brand, a size or a model number
                    for (int len = pick(1, 4); len > 0; --len) name += latin[pick(0, latin.size() - 1)];
                }
            }
            std::string bytes;
            shopbiz::WideToCodePage936(name, bytes);
            CSysBLL sys;
            std::string code;
            sys.GetFirstPY(bytes, code);
            n.characters += static_cast<std::int64_t>(name.size());
            n.wide.push_back(std::move(name));
            n.bytes.push_back(std::move(bytes));
            n.codes.push_back(std::move(code));
        }
        return n;
    }();
    return names;
}

void Finish(benchmark::State& state, const Names& names) {
    state.SetItemsProcessed(state.iterations() * names.characters);
    state.counters["names"] = static_cast<double>(names.wide.size());
}

void GetFirstPYWide(benchmark::State& state) {
    const Names& names = ProductNames();
    CSysBLL sys;
    std::wstring out;
    for (auto _ : state) {
        for (const std::wstring& name : names.wide) {
            benchmark::DoNotOptimize(sys.GetFirstPY(name, out));
            benchmark::DoNotOptimize(out.data());
        }
    }
    Finish(state, names);
}

void GetFirstPYCString(benchmark::State& state) {
    const Names& names = ProductNames();
    std::vector<CString> texts(names.wide.begin(), names.wide.end());
    CSysBLL sys;
    CString out;
    for (auto _ : state) {
        for (CString& name : texts) {
            benchmark::DoNotOptimize(sys.GetFirstPY(name, out));
            benchmark::DoNotOptimize(out.GetString());
        }
    }
    Finish(state, names);
}

// The table lookups without any conversion.
void GetFirstPYBytes(benchmark::State& state) {
    const Names& names = ProductNames();
    CSysBLL sys;
    std::string out;
    for (auto _ : state) {
        for (const std::string& name : names.bytes) {
            benchmark::DoNotOptimize(sys.GetFirstPY(name, out));
            benchmark::DoNotOptimize(out.data());
        }
    }
    Finish(state, names);
}

// The conversions the wide call makes, without the lookups.
void CodePageConversion(benchmark::State& state) {
    const Names& names = ProductNames();
    std::string bytes;
    std::wstring code;
    for (auto _ : state) {
        for (std::size_t i = 0; i < names.wide.size(); ++i) {
            benchmark::DoNotOptimize(shopbiz::WideToCodePage936(names.wide[i], bytes));
            benchmark::DoNotOptimize(shopbiz::CodePage936ToWide(names.codes[i], code));
        }
    }
    Finish(state, names);
}

}  // namespace

BENCHMARK(GetFirstPYWide);
BENCHMARK(GetFirstPYCString);
BENCHMARK(GetFirstPYBytes);
BENCHMARK(CodePageConversion);
BENCHMARK_MAIN();
