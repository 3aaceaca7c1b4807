// Case-insensitive string-keyed lookups: BXStringMap against std::unordered_map keyed by the lower-cased
// key (the folding a caller must do itself). Keys are looked up in a different case than stored.
#include "BXStringMap.h"

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace {

std::u16string Fold(std::u16string_view text)
{
    std::u16string folded(text);
    for (char16_t& c : folded) {
        if (c >= u'A' && c <= u'Z') {
            c = char16_t(c + 32);
        }
    }
    return folded;
}

std::u16string Upper(std::u16string_view text)
{
    std::u16string upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = char16_t(c - 32);
        }
    }
    return upper;
}

// Names shaped like settings and file-type keys.
std::vector<std::u16string> MakeKeys(int count)
{
    std::vector<std::u16string> keys;
    for (int i = 0; i < count; ++i) {
        std::u16string key = u"Software\\Brenix\\Setting";
        for (char c : std::to_string(i * 7919)) {
            key += char16_t(c);
        }
        keys.push_back(key);
    }
    return keys;
}

void BM_BXStringMapLookup(benchmark::State& state)
{
    const std::vector<std::u16string> keys = MakeKeys(int(state.range(0)));
    BXStringMap<int> map;
    for (size_t i = 0; i < keys.size(); ++i) {
        map[BXString(keys[i].c_str())] = int(i);
    }
    std::vector<std::u16string> probes;
    for (const std::u16string& key : keys) {
        probes.push_back(Upper(key));
    }
    size_t next = 0;
    for (auto _ : state) {
        int* value = map.Find(probes[next].c_str());
        benchmark::DoNotOptimize(value);
        next = next + 1 == probes.size() ? 0 : next + 1;
    }
}

void BM_UnorderedMapFoldedLookup(benchmark::State& state)
{
    const std::vector<std::u16string> keys = MakeKeys(int(state.range(0)));
    std::unordered_map<std::u16string, int> map;
    for (size_t i = 0; i < keys.size(); ++i) {
        map[Fold(keys[i])] = int(i);
    }
    std::vector<std::u16string> probes;
    for (const std::u16string& key : keys) {
        probes.push_back(Upper(key));
    }
    size_t next = 0;
    for (auto _ : state) {
        auto found = map.find(Fold(probes[next]));
        benchmark::DoNotOptimize(found);
        next = next + 1 == probes.size() ? 0 : next + 1;
    }
}

void BM_BXStringMapInsert(benchmark::State& state)
{
    const std::vector<std::u16string> keys = MakeKeys(int(state.range(0)));
    std::vector<BXString> strings;
    for (const std::u16string& key : keys) {
        strings.emplace_back(key.c_str());
    }
    for (auto _ : state) {
        BXStringMap<int> map;
        for (size_t i = 0; i < strings.size(); ++i) {
            map[strings[i]] = int(i);
        }
        benchmark::DoNotOptimize(map.GetCount());
    }
}

void BM_UnorderedMapFoldedInsert(benchmark::State& state)
{
    const std::vector<std::u16string> keys = MakeKeys(int(state.range(0)));
    for (auto _ : state) {
        std::unordered_map<std::u16string, int> map;
        for (size_t i = 0; i < keys.size(); ++i) {
            map[Fold(keys[i])] = int(i);
        }
        benchmark::DoNotOptimize(map.size());
    }
}

} // namespace

BENCHMARK(BM_BXStringMapLookup)->Arg(16)->Arg(1000)->Arg(100000);
BENCHMARK(BM_UnorderedMapFoldedLookup)->Arg(16)->Arg(1000)->Arg(100000);
BENCHMARK(BM_BXStringMapInsert)->Arg(1000)->Arg(100000);
BENCHMARK(BM_UnorderedMapFoldedInsert)->Arg(1000)->Arg(100000);

BENCHMARK_MAIN();
