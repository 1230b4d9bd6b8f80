#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstring>

int main(int argc, char** argv) {
    using namespace quillon::bench;
    if (argc == 4 && std::strcmp(argv[1], EditorSessionFlag) == 0)
        return RunEditorSession(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
