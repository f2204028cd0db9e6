// The console report of Google Benchmark that also keeps each benchmark's
// mean wall and processor time, for the ratios a benchmark prints at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace glyphora::bench {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred) {
                const double n = static_cast<double>(run.iterations);
                millis[run.run_name.function_name] = run.real_accumulated_time * 1e3 / n;
                cpuMillis[run.run_name.function_name] = run.cpu_accumulated_time * 1e3 / n;
            }
        ConsoleReporter::ReportRuns(runs);
    }
    // Wall time, and the processor time of this thread (the machine may be shared).
    std::map<std::string, double> millis;
    std::map<std::string, double> cpuMillis;
};

// Runs the benchmarks the command line selects and keeps their times. An
// unknown argument is reported and ends the program with status 1.
inline RecordingReporter RunRecorded(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) std::exit(1);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter;
}

}  // namespace glyphora::bench
