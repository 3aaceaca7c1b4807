// BXXmlDocument against pugixml on the same bytes in the same run: parsing generated 5 MB and 50 MB
// documents (a file type database and a skin: many small elements with attributes and text), a deep
// path query, and the heap each parser holds per megabyte of document. Prints the ratios at the end.
#include "BXTextFile.h"
#include "BXXmlDocument.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A file type database followed by a skin, repeated until the text reaches the size.
std::string MakeDocument(size_t size)
{
    static const char* const kKinds[] = {"audio", "video", "playlist", "image"};
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!-- generated -->\r\n<VTFA version=\"1.0\">\r\n";
    size_t i = 0;
    while (text.size() < size) {
        const std::string n = std::to_string(i);
        text += "  <FileType Extension=\".x" + n + "\" Kind=\"" + kKinds[i % 4] + "\" Icon=\"" +
                std::to_string(i % 37) + "\" Mime=\"audio/x-" + n + "\">\r\n";
        text += "    <Description>Format n\xC2\xB0" + n + " &amp; friends \xE2\x80\x94 Caf\xC3\xA9</Description>\r\n";
        text += "    <Verb Name=\"open\" Command=\"&quot;%1&quot; /play\"/>\r\n    <Verb Name=\"enqueue\"/>\r\n";
        text += "  </FileType>\r\n";
        if (i % 8 == 0) {
            text += "  <Skin Name=\"s" + n +
                    "\">\r\n    <Window Name=\"Main\" Left=\"0\" Top=\"0\" Width=\"800\" "
                    "Height=\"600\">\r\n      <Image Id=\"bg\" Src=\"bg.png\" Tile=\"1\"/>\r\n"
                    "      <Panel><Panel><Panel><Text Font=\"Segoe UI\" Size=\"9\" Color=\"#FFFFFF\">Hello " +
                    n + "</Text></Panel></Panel></Panel>\r\n    </Window>\r\n  </Skin>\r\n";
        }
        ++i;
    }
    text += "</VTFA>\r\n";
    return text;
}

struct Corpus {
    std::string m_bytes;
    BXString m_text;
};

const Corpus& GetCorpus(size_t megabytes)
{
    static std::map<size_t, Corpus> corpora;
    Corpus& corpus = corpora[megabytes];
    if (corpus.m_bytes.empty()) {
        corpus.m_bytes = MakeDocument(megabytes * 1024 * 1024);
        corpus.m_text = BXTextFile::Decode(reinterpret_cast<const uint8_t*>(corpus.m_bytes.data()),
                                           corpus.m_bytes.size(), BXTextFile::kEncodingUtf8);
    }
    return corpus;
}

void Parse_BXXml(benchmark::State& state)
{
    const Corpus& corpus = GetCorpus(size_t(state.range(0)));
    for (auto _ : state) {
        BXXmlDocument doc;
        benchmark::DoNotOptimize(doc.ParseText(corpus.m_text));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus.m_bytes.size()));
}

// The same, starting from the UTF-8 bytes as the peer does: decoding is part of the cost.
void ParseBytes_BXXml(benchmark::State& state)
{
    const Corpus& corpus = GetCorpus(size_t(state.range(0)));
    for (auto _ : state) {
        BXXmlDocument doc;
        BXString text = BXTextFile::Decode(reinterpret_cast<const uint8_t*>(corpus.m_bytes.data()),
                                           corpus.m_bytes.size(), BXTextFile::kEncodingUtf8);
        benchmark::DoNotOptimize(doc.ParseText(text));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus.m_bytes.size()));
}

void Parse_pugixml(benchmark::State& state)
{
    const Corpus& corpus = GetCorpus(size_t(state.range(0)));
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(corpus.m_bytes.data(), corpus.m_bytes.size()));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus.m_bytes.size()));
}

// The machine is shared: each case runs five times and the ratios use the fastest run of each.
double Fastest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

BENCHMARK(Parse_BXXml)
    ->Arg(5)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(ParseBytes_BXXml)
    ->Arg(5)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(Parse_pugixml)
    ->Arg(5)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", Fastest);

// 10,000 look-ups of a deep path with a position predicate in the 5 MB document.
constexpr int kQueries = 10000;

void DeepPath10K_BXXml(benchmark::State& state)
{
    BXXmlDocument doc;
    doc.ParseText(GetCorpus(5).m_text);
    const BXString path(u"/*/Skin[40]/Window/Panel/Panel/Panel/Text");
    for (auto _ : state) {
        for (int i = 0; i < kQueries; ++i) {
            benchmark::DoNotOptimize(doc.GetTextAt(path).GetLength());
        }
    }
}
BENCHMARK(DeepPath10K_BXXml)->Unit(benchmark::kMillisecond)->Repetitions(5)->ComputeStatistics("min", Fastest);

void DeepPath10K_pugixml(benchmark::State& state)
{
    pugi::xml_document doc;
    const std::string& bytes = GetCorpus(5).m_bytes;
    doc.load_buffer(bytes.data(), bytes.size());
    const pugi::xpath_query query("/*/Skin[40]/Window/Panel/Panel/Panel/Text");
    for (auto _ : state) {
        for (int i = 0; i < kQueries; ++i) {
            benchmark::DoNotOptimize(query.evaluate_node(doc).node().child_value());
        }
    }
}
BENCHMARK(DeepPath10K_pugixml)->Unit(benchmark::kMillisecond)->Repetitions(3)->ComputeStatistics("min", Fastest);

size_t HeapInUse()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap held by a parsed document (text, records, the peer's copy and nodes) per megabyte of UTF-8 input.
void ReportMemory()
{
    for (size_t megabytes : {size_t(5), size_t(50)}) {
        const Corpus& corpus = GetCorpus(megabytes);
        double inputMb = double(corpus.m_bytes.size()) / (1024.0 * 1024.0);
        size_t before = HeapInUse();
        double ours;
        {
            BXXmlDocument doc;
            doc.ParseText(corpus.m_text);
            ours = double(HeapInUse() - before + size_t(corpus.m_text.GetLength()) * 2) / (1024.0 * 1024.0);
            std::printf("  %zu MB: BXXmlDocument %u records, %.2f MB held per MB of input (UTF-16 text included)\n",
                        megabytes, doc.GetNodeCount(), ours / inputMb);
        }
        before = HeapInUse();
        {
            pugi::xml_document doc;
            doc.load_buffer(corpus.m_bytes.data(), corpus.m_bytes.size());
            double peer = double(HeapInUse() - before) / (1024.0 * 1024.0);
            std::printf("  %zu MB: pugixml %.2f MB held per MB of input; ratio %.2f\n", megabytes, peer / inputMb,
                        ours / peer);
        }
    }
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // CPU time of the fastest repetition: the machine is shared, so wall time and single runs measure
        // the neighbours as well.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
                std::string key = run.run_name.function_name;
                if (!run.run_name.args.empty()) {
                    key += "/" + run.run_name.args;
                }
                m_nsPerIteration[key] = run.GetAdjustedCPUTime() * NanosecondsPer(run.time_unit);
            }
        }
    }

    double Get(const std::string& name) const
    {
        const auto found = m_nsPerIteration.find(name);
        return found != m_nsPerIteration.end() ? found->second : 0.0;
    }

private:
    static double NanosecondsPer(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1.0;
        case benchmark::kMicrosecond:
            return 1e3;
        case benchmark::kMillisecond:
            return 1e6;
        default:
            return 1e9;
        }
    }

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
        double target;
    };
    const Ratio ratios[] = {
        {"parse 5 MB (UTF-16 text), time ratio", "Parse_BXXml/5", "Parse_pugixml/5", 1.5},
        {"parse 50 MB (UTF-16 text), time ratio", "Parse_BXXml/50", "Parse_pugixml/50", 1.5},
        {"decode + parse 5 MB, time ratio", "ParseBytes_BXXml/5", "Parse_pugixml/5", 1.5},
        {"decode + parse 50 MB, time ratio", "ParseBytes_BXXml/50", "Parse_pugixml/50", 1.5},
        {"deep path x10,000, time ratio", "DeepPath10K_BXXml", "DeepPath10K_pugixml", 0.0},
    };
    std::printf("\nBXXmlDocument against pugixml (same run, CPU time of the fastest repetition):\n");
    for (const Ratio& r : ratios) {
        const double ours = reporter.Get(r.ours);
        const double peer = reporter.Get(r.peer);
        if (ours <= 0 || peer <= 0) {
            std::printf("  %-40s not run\n", r.what);
            continue;
        }
        if (r.target > 0) {
            std::printf("  %-40s %6.2f  (target <= %.1f)  %s\n", r.what, ours / peer, r.target,
                        ours / peer <= r.target ? "met" : "MISSED");
        } else {
            std::printf("  %-40s %6.2f  (%.1f us per query; no target)\n", r.what, ours / peer,
                        ours / 1000.0 / kQueries);
        }
    }
    std::printf("\nHeap held per MB of document:\n");
    ReportMemory();
    return 0;
}
