// The solver benchmarks depend on which levels ship, so they are registered at run time.
#include <benchmark/benchmark.h>

#include "util/ErrorReport.h"

using namespace qv;

void RegisterSolverBenchmarks();

namespace {

// Error boxes are part of the figures only as far as they cost; none may block a run.
class SilentErrors : public ErrorSink {
public:
    void Show(const std::string&, const std::string&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    SilentErrors silent;
    SetErrorSink(&silent);
    RegisterSolverBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetErrorSink(nullptr);
    return 0;
}
