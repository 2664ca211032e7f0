// What drawing adds to evaluation: the bare block evaluation of 100001 samples beside PlotGraph
// of the same expression into a 1000 x 800 image (singular-point search off and on), and a full
// redraw of ten graphs beside one, and ten different graphs drawn with one thread beside all
// cores. Compare the figures of one run: the machine's speed varies between runs. Targets: a
// plot within 1.15 times its evaluation, ten graphs within 10.5 times one, and all of two cores
// at least 1.7 times as fast as one thread (wall-clock time, the Time column; on a shared
// machine measure while the load is low).

#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "ratio_reporter.h"
#include "themes/graph_colors.h"
#include "view/graph_area.h"
#include "view/plot_workers.h"
#include "view/plotter.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace plotmere;

constexpr std::int32_t SampleCount = 100000;
constexpr int ImageWidth = 1000;
constexpr int ImageHeight = 800;
const ParameterValues Parameters = {0, 1, 2, 3, 4};

const char* const Expressions[] = {
    "x*sin(5*x)",
    "3*sin(0.1*x^3)",
    "1/(x*tan(2*x))",
    "sqrt(abs(x))+exp(-x^2)*cos(3*x)",
};

std::string PostfixOf(const char* text) {
    const CompileResult result = CompileExpression(text, Parameters);
    if (!result.ok) {
        std::fprintf(stderr, "%s does not compile: %s\n", text, result.message.c_str());
        std::abort();
    }
    return result.expression.postfixText;
}

ViewOptions Options(std::int32_t lookForSingular) {
    ViewOptions options;
    options.sampleCount = SampleCount;
    options.lookForSingular = lookForSingular;
    return options;
}

QImage BlankImage() {
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void CountSamples(benchmark::State& state, std::int64_t samplesPerIteration) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * samplesPerIteration);
}

// The evaluation alone: the x values ready, the whole graph in one block call.
void Evaluate(benchmark::State& state, const char* text) {
    const ViewRange range;
    std::vector<double> xs(SampleCount + 1);
    for (std::int32_t k = 0; k <= SampleCount; ++k) {
        xs[static_cast<std::size_t>(k)] = SampleX(k, SampleCount, range);
    }
    std::vector<double> ys(xs.size());
    const TokenList tokens = LoadTokenList(PostfixOf(text));
    for (auto _ : state) {
        EvaluateExpression(tokens, xs, ys);
        benchmark::DoNotOptimize(ys.data());
        benchmark::ClobberMemory();
    }
    CountSamples(state, SampleCount + 1);
}

// The whole plot as the main window runs it, from the postfix text, on one thread.
void Plot(benchmark::State& state, const char* text, std::int32_t lookForSingular) {
    PlotWorkers callerAlone(1);
    const ViewRange range;
    const ViewOptions options = Options(lookForSingular);
    const GraphColors colors;
    const std::string postfix = PostfixOf(text);
    QImage image = BlankImage();
    for (auto _ : state) {
        PlotGraph(image, postfix, colors.nextGraphColor, colors.outOfRangeColor, range, options,
                  callerAlone);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    CountSamples(state, SampleCount + 1);
}

// Clearing the area with grid and axes, then plotting the given number of graphs, on one
// thread.
void Redraw(benchmark::State& state) {
    PlotWorkers callerAlone(1);
    const auto graphCount = static_cast<int>(state.range(0));
    const ViewRange range;
    const ViewOptions options = Options(1);
    const GraphColors colors;
    const std::string postfix = PostfixOf(Expressions[0]);
    QImage image = BlankImage();
    for (auto _ : state) {
        DrawEmptyGraphArea(image, range, options, colors);
        for (int g = 0; g < graphCount; ++g) {
            PlotGraph(image, postfix, colors.nextGraphColor, colors.outOfRangeColor, range, options,
                      callerAlone);
        }
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    CountSamples(state, std::int64_t{graphCount} * (SampleCount + 1));
}

// Ten graphs of the four expressions, singular-point search on, evaluated on the given number
// of threads (the workers are started once, as the main window keeps them).
void RedrawOnThreads(benchmark::State& state) {
    PlotWorkers workers(static_cast<unsigned>(state.range(0)));
    constexpr int GraphCount = 10;
    const ViewRange range;
    const ViewOptions options = Options(1);
    const GraphColors colors;
    std::vector<TokenList> graphs;
    for (int g = 0; g < GraphCount; ++g) {
        graphs.push_back(LoadTokenList(PostfixOf(Expressions[g % std::size(Expressions)])));
    }
    QImage image = BlankImage();
    for (auto _ : state) {
        DrawEmptyGraphArea(image, range, options, colors);
        for (const TokenList& graph : graphs) {
            PlotGraph(image, graph, colors.nextGraphColor, colors.outOfRangeColor, range, options,
                      workers);
        }
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    CountSamples(state, std::int64_t{GraphCount} * (SampleCount + 1));
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (const char* text : Expressions) {
        const std::string suffix = std::string("/") + text;
        benchmark::RegisterBenchmark(("Evaluate" + suffix).c_str(), Evaluate, text);
        benchmark::RegisterBenchmark(("Plot" + suffix + "/singular:0").c_str(), Plot, text, 0);
        benchmark::RegisterBenchmark(("Plot" + suffix + "/singular:1").c_str(), Plot, text, 1);
    }
    benchmark::RegisterBenchmark("Redraw/x*sin(5*x)/graphs", Redraw)->Arg(1)->Arg(10);
    // Side by side in one run: the other threads' work only shows in the wall-clock time.
    const auto cores = static_cast<std::int64_t>(std::max(std::thread::hardware_concurrency(), 1u));
    auto* onThreads = benchmark::RegisterBenchmark("RedrawTen/threads", RedrawOnThreads)
                          ->Arg(1)
                          ->UseRealTime()
                          ->Unit(benchmark::kMillisecond);
    if (cores > 1) {
        onThreads->Arg(cores);
    }
    plotmere::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios of wall-clock times in this run:\n");
    for (const char* text : Expressions) {
        const std::string suffix = std::string("/") + text;
        reporter.printRatio("plot / evaluation" + suffix + " (goal <= 1.15)",
                            "Plot" + suffix + "/singular:0", "Evaluate" + suffix);
    }
    reporter.printRatio("10 graphs / 1 graph (goal <= 10.5)", "Redraw/x*sin(5*x)/graphs/10",
                        "Redraw/x*sin(5*x)/graphs/1");
    if (cores > 1) {
        reporter.printRatio("1 thread / " + std::to_string(cores) + " threads (goal >= 1.7 on 2)",
                            "RedrawTen/threads/1/real_time",
                            "RedrawTen/threads/" + std::to_string(cores) + "/real_time");
    }
    benchmark::Shutdown();
    return 0;
}
