// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every benchmark: a Qt application object around Google Benchmark's run.
// Benchmarks of widgets (added with GUI) get a QApplication on the offscreen platform.
#include <benchmark/benchmark.h>

#ifdef RUVO_BENCH_GUI
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QCoreApplication>
using BenchApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
#ifdef RUVO_BENCH_GUI
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
