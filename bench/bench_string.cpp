// BXString against std::u16string (and plain standard-library loops) in the same run: sharing copies,
// many short appends, substring search, case-insensitive comparison and lower-casing of 1 KB texts.
// After the runs it prints each ratio next to its target.
#include "BXString.h"
#include "BXStringGlobals.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

namespace {

std::u16string MakeText(size_t length, char16_t seed)
{
    std::u16string text;
    const char16_t* words[] = {u"Install ", u"Wizard ", u"copies ", u"Program Files ", u"and ", u"Registry "};
    for (size_t i = 0; text.size() < length; ++i) {
        text += words[(i + seed) % 6];
    }
    text.resize(length);
    return text;
}

const std::u16string kText64 = MakeText(64, 1);
const std::u16string kText1K = MakeText(1024, 2) + u"needle";
const std::u16string kNeedle = u"needle";

// --- Copy a 64-character string -------------------------------------------------

void Copy64_BXString(benchmark::State& state)
{
    const BXString source(kText64.data(), int32_t(kText64.size()));
    for (auto _ : state) {
        BXString copy(source);
        benchmark::DoNotOptimize(copy.GetString());
    }
}
BENCHMARK(Copy64_BXString);

void Copy64_u16string(benchmark::State& state)
{
    const std::u16string source = kText64;
    for (auto _ : state) {
        std::u16string copy(source);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(Copy64_u16string);

// For context: sharing costs the same for any length, a character copy grows with it.
void Copy1K_BXString(benchmark::State& state)
{
    const BXString source(kText1K.data(), int32_t(kText1K.size()));
    for (auto _ : state) {
        BXString copy(source);
        benchmark::DoNotOptimize(copy.GetString());
    }
}
BENCHMARK(Copy1K_BXString);

void Copy1K_u16string(benchmark::State& state)
{
    const std::u16string source = kText1K;
    for (auto _ : state) {
        std::u16string copy(source);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(Copy1K_u16string);

// The floor under any thread-safe sharing copy: one interlocked increment and one decrement.
void InterlockedPair(benchmark::State& state)
{
    alignas(64) int32_t count = 1;
    for (auto _ : state) {
        std::atomic_ref<int32_t>(count).fetch_add(1, std::memory_order_relaxed);
        benchmark::DoNotOptimize(std::atomic_ref<int32_t>(count).fetch_sub(1, std::memory_order_acq_rel));
    }
}
BENCHMARK(InterlockedPair);

// --- Append 1,000,000 short pieces ------------------------------------------------

constexpr int kPieces = 1000000;
const char16_t* const kPieceTexts[] = {u"a", u"bc", u"def", u"ghij", u"k\\lm", u"nopqrs", u"tuvwxyz", u"0123"};

void Append1M_BXString(benchmark::State& state)
{
    for (auto _ : state) {
        BXString text;
        for (int i = 0; i < kPieces; ++i) {
            text.Append(kPieceTexts[i & 7]);
        }
        benchmark::DoNotOptimize(text.GetString());
    }
}
BENCHMARK(Append1M_BXString)->Unit(benchmark::kMillisecond);

void Append1M_u16string(benchmark::State& state)
{
    for (auto _ : state) {
        std::u16string text;
        for (int i = 0; i < kPieces; ++i) {
            text.append(kPieceTexts[i & 7]);
        }
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(Append1M_u16string)->Unit(benchmark::kMillisecond);

// --- Find in 1 KB ------------------------------------------------------------------

void Find1K_BXString(benchmark::State& state)
{
    const BXString text(kText1K.data(), int32_t(kText1K.size()));
    const BXString needle(kNeedle.data(), int32_t(kNeedle.size()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.Find(needle.GetString()));
    }
}
BENCHMARK(Find1K_BXString);

void Find1K_u16string(benchmark::State& state)
{
    const std::u16string text = kText1K;
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.find(kNeedle));
    }
}
BENCHMARK(Find1K_u16string);

// --- Case-insensitive comparison of 1 KB texts that differ only in case -------------

int StdCompareNoCase(const std::u16string& a, const std::u16string& b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const wint_t ca = std::towlower(wint_t(a[i]));
        const wint_t cb = std::towlower(wint_t(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::u16string Upper(std::u16string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char16_t c) { return char16_t(std::towupper(c)); });
    return text;
}

void CompareNoCase1K_BXString(benchmark::State& state)
{
    const BXString a(kText1K.data(), int32_t(kText1K.size()));
    const std::u16string upper = Upper(kText1K);
    const BXString b(upper.data(), int32_t(upper.size()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.CompareNoCase(b.GetString()));
    }
}
BENCHMARK(CompareNoCase1K_BXString);

void CompareNoCase1K_std(benchmark::State& state)
{
    const std::u16string a = kText1K;
    const std::u16string b = Upper(kText1K);
    for (auto _ : state) {
        benchmark::DoNotOptimize(StdCompareNoCase(a, b));
    }
}
BENCHMARK(CompareNoCase1K_std);

// --- Lower-case a copy of a 1 KB text ---------------------------------------------------

void MakeLower1K_BXString(benchmark::State& state)
{
    const BXString source(kText1K.data(), int32_t(kText1K.size()));
    for (auto _ : state) {
        BXString text(source);
        text.MakeLower();
        benchmark::DoNotOptimize(text.GetString());
    }
}
BENCHMARK(MakeLower1K_BXString);

void MakeLower1K_std(benchmark::State& state)
{
    const std::u16string source = kText1K;
    for (auto _ : state) {
        std::u16string text(source);
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char16_t c) { return char16_t(std::towlower(wint_t(c))); });
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(MakeLower1K_std);

// Keeps each benchmark's time per iteration for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                // CPU time: the build machines are shared, and waiting for a core is not the code's cost.
                m_nsPerIteration[run.benchmark_name()] = run.cpu_accumulated_time * 1e9 / double(run.iterations);
            }
        }
    }

    double Get(const std::string& name) const
    {
        const auto found = m_nsPerIteration.find(name);
        return found != m_nsPerIteration.end() ? found->second : 0.0;
    }

private:
    std::map<std::string, double> m_nsPerIteration;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    struct Ratio {
        const char* what;
        const char* ours;
        const char* peer;
        bool speedUp; // true: peer / ours must reach the target; false: ours / peer must stay below it
        double target;
    };
    const Ratio ratios[] = {
        {"copy 64 chars (sharing), speed-up", "Copy64_BXString", "Copy64_u16string", true, 5.0},
        {"copy 1 KB (sharing), speed-up", "Copy1K_BXString", "Copy1K_u16string", true, 0.0},
        {"u16string copy / interlocked pair", "InterlockedPair", "Copy64_u16string", true, 0.0},
        {"append 1M short pieces, time ratio", "Append1M_BXString", "Append1M_u16string", false, 1.3},
        {"Find in 1 KB, time ratio", "Find1K_BXString", "Find1K_u16string", false, 1.5},
        {"CompareNoCase 1 KB, time ratio", "CompareNoCase1K_BXString", "CompareNoCase1K_std", false, 1.5},
        {"MakeLower 1 KB, time ratio", "MakeLower1K_BXString", "MakeLower1K_std", false, 1.5},
    };
    std::printf("\nBXString against the standard library (same run):\n");
    for (const Ratio& r : ratios) {
        const double ours = reporter.Get(r.ours);
        const double peer = reporter.Get(r.peer);
        if (ours <= 0 || peer <= 0) {
            std::printf("  %-38s not run\n", r.what);
            continue;
        }
        const double value = r.speedUp ? peer / ours : ours / peer;
        if (r.target <= 0) {
            std::printf("  %-38s %6.2f  (context, no target)\n", r.what, value);
            continue;
        }
        const bool met = r.speedUp ? value >= r.target : value <= r.target;
        std::printf("  %-38s %6.2f  (target %s %.1f)  %s\n", r.what, value, r.speedUp ? ">=" : "<=", r.target,
                    met ? "met" : "MISSED");
    }
    return 0;
}
