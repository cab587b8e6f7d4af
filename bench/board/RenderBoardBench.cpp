// How long RenderBoard takes, since it runs on every mouse move over the board.
#include "CBoardWnd.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// A dialog with the frame control and a board; `digitsEvery` 0 leaves every cell empty, so
// small digits fill the whole board.
struct BenchBoard {
    explicit BenchBoard(int digitsEvery)
    {
        QWidget* frame = new QWidget(&dialog);
        frame->setObjectName("1000");
        board = new CBoardWnd(&dialog);
        frame->setGeometry(0, 0, 588, 442);
        board->SizeToFrame();
        board->CreateCells(Rect{0, 0, 588, 442});
        for (int i = 0; digitsEvery > 0 && i < 81; i += digitsEvery) {
            board->m_cells[static_cast<size_t>(i)]->m_text = std::to_string(i % 9 + 1);
            board->m_cells[static_cast<size_t>(i)]->m_given = i % 4 == 0;
        }
        board->m_selected = board->m_cells[40].get();
    }
    QWidget dialog;
    CBoardWnd* board = nullptr;
};

// Arguments: show small digits (0 or 1), a digit in every n-th cell (0: none).
void BM_RenderBoard(benchmark::State& state)
{
    BenchBoard bench(static_cast<int>(state.range(1)));
    bench.board->m_showSmall = state.range(0) != 0;
    for (auto _ : state) {
        bench.board->RenderBoard();
        benchmark::DoNotOptimize(bench.board->Picture().constBits());
    }
}
BENCHMARK(BM_RenderBoard)->Args({1, 0})->Args({1, 2})->Args({0, 2})->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// An empty board with small digits and the digit set `range(0)` (bit d - 1 for digit d)
// crossed out in every cell. 0x16D (1, 3, 4, 6, 7 and 9) needs the most painting over: each
// line is written and then painted over twice.
void BM_RenderBoardWithMarks(benchmark::State& state)
{
    BenchBoard bench(0);
    for (int cell = 0; cell < 81; ++cell)
        bench.board->m_marks.SetCrossedOut(cell, static_cast<SmallDigitMarks::DigitSet>(state.range(0)));
    for (auto _ : state) {
        bench.board->RenderBoard();
        benchmark::DoNotOptimize(bench.board->Picture().constBits());
    }
}
BENCHMARK(BM_RenderBoardWithMarks)->Arg(0x010)->Arg(0x16D)->Arg(0x0FF)->Arg(0x1FF)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
