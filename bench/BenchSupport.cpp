#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bvbench {

namespace {

double Percentile(const std::vector<double>& values, double p)
{
    if (values.empty())
        return 0.0;
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t index = std::min(sorted.size() - 1, size_t(p * double(sorted.size() - 1) + 0.5));
    return sorted[index];
}

struct Row {
    double median = 0.0;
    double p95 = 0.0;
    std::string unit;
    std::string baseline;
    std::map<std::string, double> counters;
};

// Collects the aggregates and prints the ratio table at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(OutputOptions options)
        : ConsoleReporter(options)
    { }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate)
                continue;
            // Function and arguments only, so a baseline is named without its repetitions.
            const std::string name = run.run_name.function_name
                + (run.run_name.args.empty() ? std::string() : "/" + run.run_name.args);
            Row& row = m_rows[name];
            if (std::find(m_order.begin(), m_order.end(), name) == m_order.end())
                m_order.push_back(name);
            const double time = run.GetAdjustedRealTime();
            if (run.aggregate_name == "median") {
                row.median = time;
                row.unit = benchmark::GetTimeUnitString(run.time_unit);
                row.baseline
                    = run.report_label.rfind("vs ", 0) == 0 ? run.report_label.substr(3) : std::string();
                for (const auto& counter : run.counters)
                    row.counters[counter.first] = counter.second.value;
            } else if (run.aggregate_name == "p95") {
                row.p95 = time;
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-58s %12s %12s %10s  %s\n", "benchmark (median of repetitions)", "median", "p95",
            "ratio", "baseline");
        for (const std::string& name : m_order) {
            const Row& row = m_rows[name];
            std::string ratio = "-";
            const auto base = m_rows.find(row.baseline);
            if (!row.baseline.empty() && base != m_rows.end() && base->second.median > 0.0) {
                char text[32];
                std::snprintf(text, sizeof text, "%.2fx", row.median / base->second.median);
                ratio = text;
            }
            std::printf("%-58s %9.3f %-2s %9.3f %-2s %10s  %s", name.c_str(), row.median, row.unit.c_str(),
                row.p95, row.unit.c_str(), ratio.c_str(), row.baseline.c_str());
            for (const auto& counter : row.counters)
                std::printf("  %s=%.1f", counter.first.c_str(), counter.second);
            std::printf("\n");
        }
    }

private:
    std::map<std::string, Row> m_rows;
    std::vector<std::string> m_order;
};

} // namespace

void AddStatistics(benchmark::internal::Benchmark* bench)
{
    bench->ComputeStatistics("p95", [](const std::vector<double>& v) { return Percentile(v, 0.95); });
}

void SetBaseline(benchmark::State& state, const std::string& baseline)
{
    state.SetLabel("vs " + baseline);
}

int RunAll(int argc, char** argv)
{
    // A reporter of one's own does not follow --benchmark_color: logs stay
    // free of escape codes unless color is asked for.
    bool color = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--benchmark_color=", 0) == 0)
            color = arg == "--benchmark_color=true" || arg == "--benchmark_color=yes";
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(
        color ? benchmark::ConsoleReporter::OO_Defaults : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace bvbench
