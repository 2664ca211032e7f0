// Samples per second of the expression engine on the plotter's workload (100001 evenly spaced
// x in -7 ... 7), side by side with the literal interpreter, muparser and hand-written C++.
// Compare the figures of one run: the machine's speed varies between runs.

#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "ratio_reporter.h"
#include "support/engine/literal_interpreter.h"

#include <benchmark/benchmark.h>

#ifdef PLOTMERE_HAVE_MUPARSER
#include <muParser.h>
#endif

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using plotmere::EvaluateExpression;

constexpr std::size_t SampleCount = 100000;
constexpr double Xmin = -7;
constexpr double Xmax = 7;
const plotmere::ParameterValues Parameters = {0, 1, 2, 3, 4};

std::vector<double> SampleXs() {
    std::vector<double> xs(SampleCount + 1);
    for (std::size_t k = 0; k <= SampleCount; ++k) {
        xs[k] = (static_cast<double>(k) / SampleCount) * (Xmax - Xmin) + Xmin;
    }
    return xs;
}

// The parameters a ... e, held where the optimiser cannot fold them.
struct Coefficients {
    double a, b, c, d, e;
};

// The functions written as plain C++, for the speed of compiled code.
double SinProduct(double x, const Coefficients&) {
    return x * std::sin(5 * x);
}
double SinOfCube(double x, const Coefficients&) {
    return 3 * std::sin(0.1 * std::pow(x, 3));
}
double CotQuotient(double x, const Coefficients&) {
    return 1 / (x * std::tan(2 * x));
}
// In this program -x^2 is (-x)^2; the C++ and muparser forms say so explicitly.
double RootExpCos(double x, const Coefficients&) {
    return std::sqrt(std::fabs(x)) + std::exp(std::pow(-x, 2)) * std::cos(3 * x);
}
double Quartic(double x, const Coefficients& k) {
    return k.a * std::pow(x, 4) - k.b * std::pow(x, 3) + k.c * std::pow(x, 2) - k.d * x + k.e;
}

// The hand-written loop, with the function inlined as a compiler would.
template <double (*F)(double, const Coefficients&)> void Native(benchmark::State& state);

struct Subject {
    const char* text;         // as the user types it
    const char* muparserText; // the same function in muparser's syntax
    void (*native)(benchmark::State&);
};

const Subject Subjects[] = {
    {"x*sin(5*x)", "x*sin(5*x)", Native<SinProduct>},
    {"3*sin(0.1*x^3)", "3*sin(0.1*x^3)", Native<SinOfCube>},
    {"1/(x*tan(2*x))", "1/(x*tan(2*x))", Native<CotQuotient>},
    {"sqrt(abs(x))+exp(-x^2)*cos(3*x)", "sqrt(abs(x))+exp((-x)^2)*cos(3*x)", Native<RootExpCos>},
    {"a*x^4-b*x^3+c*x^2-d*x+e", "a*x^4-b*x^3+c*x^2-d*x+e", Native<Quartic>},
};

std::string PostfixOf(const Subject& subject) {
    const plotmere::CompileResult result = plotmere::CompileExpression(subject.text, Parameters);
    if (!result.ok) {
        std::fprintf(stderr, "%s does not compile: %s\n", subject.text, result.message.c_str());
        std::abort();
    }
    return result.expression.postfixText;
}

void Finish(benchmark::State& state, const std::vector<double>& ys) {
    benchmark::DoNotOptimize(ys.data());
    benchmark::ClobberMemory();
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(ys.size()));
}

void Block(benchmark::State& state, const Subject& subject) {
    const std::vector<double> xs = SampleXs();
    std::vector<double> ys(xs.size());
    const plotmere::TokenList program = plotmere::LoadTokenList(PostfixOf(subject));
    for (auto _ : state) {
        EvaluateExpression(program, xs, ys);
        benchmark::ClobberMemory();
    }
    Finish(state, ys);
}

void OneX(benchmark::State& state, const Subject& subject) {
    const std::vector<double> xs = SampleXs();
    std::vector<double> ys(xs.size());
    const plotmere::TokenList program = plotmere::LoadTokenList(PostfixOf(subject));
    for (auto _ : state) {
        for (std::size_t k = 0; k < xs.size(); ++k) {
            ys[k] = EvaluateExpression(program, xs[k]);
        }
        benchmark::ClobberMemory();
    }
    Finish(state, ys);
}

void Oracle(benchmark::State& state, const Subject& subject) {
    const std::vector<double> xs = SampleXs();
    std::vector<double> ys(xs.size());
    const plotmere::LiteralInterpreter oracle(PostfixOf(subject));
    for (auto _ : state) {
        for (std::size_t k = 0; k < xs.size(); ++k) {
            ys[k] = oracle.evaluate(xs[k]);
        }
        benchmark::ClobberMemory();
    }
    Finish(state, ys);
}

template <double (*F)(double, const Coefficients&)> void Native(benchmark::State& state) {
    const std::vector<double> xs = SampleXs();
    std::vector<double> ys(xs.size());
    Coefficients k{Parameters[0], Parameters[1], Parameters[2], Parameters[3], Parameters[4]};
    benchmark::DoNotOptimize(k);
    for (auto _ : state) {
        for (std::size_t i = 0; i < xs.size(); ++i) {
            ys[i] = F(xs[i], k);
        }
        benchmark::ClobberMemory();
    }
    Finish(state, ys);
}

#ifdef PLOTMERE_HAVE_MUPARSER
void Muparser(benchmark::State& state, const Subject& subject) {
    const std::vector<double> xs = SampleXs();
    std::vector<double> ys(xs.size());
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    const char* names[] = {"a", "b", "c", "d", "e"};
    for (std::size_t p = 0; p < Parameters.size(); ++p) {
        parser.DefineConst(names[p], Parameters[p]);
    }
    parser.SetExpr(subject.muparserText);
    for (auto _ : state) {
        for (std::size_t k = 0; k < xs.size(); ++k) {
            x = xs[k];
            ys[k] = parser.Eval();
        }
        benchmark::ClobberMemory();
    }
    Finish(state, ys);
}
#endif

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (const Subject& subject : Subjects) {
        const std::string suffix = std::string("/") + subject.text;
        benchmark::RegisterBenchmark(("Block" + suffix).c_str(), Block, subject);
        benchmark::RegisterBenchmark(("OneX" + suffix).c_str(), OneX, subject);
        benchmark::RegisterBenchmark(("Oracle" + suffix).c_str(), Oracle, subject);
#ifdef PLOTMERE_HAVE_MUPARSER
        benchmark::RegisterBenchmark(("Muparser" + suffix).c_str(), Muparser, subject);
#endif
        benchmark::RegisterBenchmark(("Native" + suffix).c_str(), subject.native);
    }
    plotmere::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Goals: block evaluation at least 1.5 times muparser and 20 times the oracle on every
    // expression, and at most 1.25 times native C++ time on x*sin(5*x).
    std::printf("\nHow many times faster block evaluation is, in this run:\n");
    for (const Subject& subject : Subjects) {
        const std::string suffix = std::string("/") + subject.text;
        for (const char* other : {"Muparser", "Native", "Oracle", "OneX"}) {
            reporter.printRatio(std::string("than ") + other + suffix, other + suffix,
                                "Block" + suffix);
        }
    }
    benchmark::Shutdown();
    return 0;
}
