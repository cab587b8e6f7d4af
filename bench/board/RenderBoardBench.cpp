// How long RenderBoard takes, since it runs on every mouse move over the board.
#include "CBoardWnd.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// A dialog with a board over the frame's rectangle; `digitsEvery` 0 leaves every cell empty, so
// small digits fill the whole board; `crossedOut` is crossed out in every cell.
struct BenchBoard {
    explicit BenchBoard(int digitsEvery, SmallDigitMarks::DigitSet crossedOut = 0)
    {
        SavedGame saved;
        for (int i = 0; digitsEvery > 0 && i < 81; i += digitsEvery) {
            saved.m_texts[static_cast<size_t>(i)] = std::to_string(i % 9 + 1);
            saved.m_puzzle[static_cast<size_t>(i)] = i % 4 == 0 ? i % 9 + 1 : 0;
        }
        saved.m_crossedOut.fill(crossedOut);
        game.Load(saved);
        board = new CBoardWnd(&dialog, game);
        board->SizeToFrame(QRect(0, 0, 588, 442));
        board->CreateCells(Rect{0, 0, 588, 442});
        board->m_selected = board->m_cells[40].get();
    }
    Game game;
    QWidget dialog;
    CBoardWnd* board = nullptr;
};

// Arguments: show small digits (0 or 1), a digit in every n-th cell (0: none).
void BM_RenderBoard(benchmark::State& state)
{
    BenchBoard bench(static_cast<int>(state.range(1)));
    bench.board->SetShowSmall(state.range(0) != 0);
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
    BenchBoard bench(0, static_cast<SmallDigitMarks::DigitSet>(state.range(0)));
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
