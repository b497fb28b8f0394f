// Runs the benchmarks and, for each group "Group/Variant", prints how each variant
// compares with the first one registered in its group. Fails when a benchmark could not
// run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            failed_ = failed_ || run.error_occurred;
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            if (slash == std::string::npos)
                continue;
            results_[name.substr(0, slash)].push_back({name.substr(slash + 1), run.GetAdjustedRealTime()});
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto &[group, variants] : results_) {
            for (std::size_t i = 1; i < variants.size(); ++i)
                std::printf("ratio %s: %s / %s = %.2f\n", group.c_str(), variants[i].first.c_str(),
                            variants[0].first.c_str(), variants[i].second / variants[0].second);
        }
    }

    // Whether a benchmark could not run.
    bool failed() const { return failed_; }

private:
    std::map<std::string, std::vector<std::pair<std::string, double>>> results_;
    bool failed_ = false;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed() ? EXIT_FAILURE : EXIT_SUCCESS;
}
