#pragma once
// main() of the benchmarks that need a QApplication; without a display they
// run on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#define CORVANA_QT_BENCHMARK_MAIN()            \
  int main(int argc, char** argv) {            \
    setenv("QT_QPA_PLATFORM", "offscreen", 0); \
    QApplication app(argc, argv);              \
    benchmark::Initialize(&argc, argv);        \
    benchmark::RunSpecifiedBenchmarks();       \
    benchmark::Shutdown();                     \
    return 0;                                  \
  }
