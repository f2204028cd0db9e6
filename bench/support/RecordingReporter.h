// The console report of Google Benchmark that also keeps each benchmark's
// mean wall and processor time, for the ratios a benchmark prints at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace glyphora::bench {

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
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

}  // namespace glyphora::bench
