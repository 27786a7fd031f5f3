// The main of a benchmark program that draws through Qt: the offscreen platform unless another
// is set, the application object alive while the benchmarks run. What must go before the
// application object does (windows, the charts that own them) goes in beforeExit.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <functional>

namespace tembra::bench {

template <class Application>
int RunQtBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeExit) {
        beforeExit();
    }
    return 0;
}

} // namespace tembra::bench
