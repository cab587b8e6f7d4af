// A shown game window over a private copy of data.dat, with a recording seam, known draws and boards as strings.
#pragma once

#include "CBoardWnd.h"
#include "CMainDlg.h"
#include "Grid81.h"
#include "PuzzleFile.h"
#include "Random.h"
#include "RecordingUi.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <random>

// A generator that ignores seeding, so a test can replay the exact draws of a game.
struct FixedSeedRandom final : RandomGenerator {
    void Seed(unsigned) override {}
    int Next() override { return static_cast<int>(m_engine() >> 1); }
    std::mt19937 m_engine{12345u};
};

// Boards as 81 characters in index order, '.' for an empty cell, read with ParsePuzzleLine.
// SolvedGrid is line 1 of data.dat; without its 1s and 2s, which could swap, it has two solutions.
inline const std::string SolvedGrid =
    "437892615821536749956471823542169387369748152178325964684953271295617438713284596";
inline const std::string TwoSolutions =
    "43789.6.58..53674995647.8.354..69387369748.5..783.5964684953.7..956.74387.3.84596";
inline const std::string NoDigits(81, '.');

inline std::string StringOf(const Grid81& grid)
{
    std::string cells;
    for (const int value : grid)
        cells += value != 0 ? char('0' + value) : '.';
    return cells;
}
inline std::string With(std::string cells, int index, char c) { cells[index] = c; return cells; }

// Everything a command may change, to compare before and after.
struct GameState {
    std::string shown, givens;  // Shown() and Shown(true)
    Grid81 puzzle{}, solution{};
    int hintsUsed = 0, level = 0, listRow = 0;
    bool showSmall = false;
    bool operator==(const GameState&) const = default;
};

class GameWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_RES_DIR "/data.dat"), DataFile()));
        m_dialog = std::make_unique<CMainDlg>(m_ui, m_dir.path(), m_random);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    QString DataFile() const { return m_dir.filePath(QStringLiteral("data.dat")); }
    CBoardWnd& Board() { return *m_dialog->m_pBoard; }

    // The first `count` cells, in index order, whose given flag is `given`.
    std::vector<int> Cells(bool given, size_t count = 1)
    {
        std::vector<int> cells;
        for (int i = 0; i < 81 && cells.size() < count; ++i)
            if (Board().m_cells[i]->m_given == given)
                cells.push_back(i);
        EXPECT_EQ(cells.size(), count) << "cells with given = " << given;
        cells.resize(count);
        return cells;
    }
    int FirstCell(bool given) { return Cells(given).front(); }
    void Select(int index) { Board().m_selected = Board().m_cells[index].get(); }
    std::string& Text(int index) { return Board().m_cells[index]->m_text; }
    std::string Solution(int index) { return std::to_string(Board().m_solution[index]); }

    // Puts a game on the board: what the cells show, the givens (also the given flags) and the solution.
    void SetGame(std::string_view shown, std::string_view puzzle, std::string_view solution)
    {
        Board().m_puzzle = ParsePuzzleLine(puzzle);
        Board().m_solution = ParsePuzzleLine(solution);
        const std::string texts = StringOf(ParsePuzzleLine(shown));
        for (int i = 0; i < 81; ++i) {
            Text(i) = texts[i] != '.' ? texts.substr(i, 1) : std::string();
            Board().m_cells[i]->m_given = Board().m_puzzle[i] != 0;
        }
        Board().Redraw();
    }
    // What the cells show; with `givensOnly`, '.' for every cell not flagged given and '?' for an empty given.
    std::string Shown(bool givensOnly = false)
    {
        std::string cells;
        for (const auto& cell : Board().m_cells)
            cells += givensOnly && !cell->m_given ? "." : cell->m_text.empty() ? (givensOnly ? "?" : ".") : cell->m_text;
        return cells;
    }

    GameState State()
    {
        return {Shown(), Shown(true), Board().m_puzzle, Board().m_solution, m_dialog->m_hintsUsed, m_dialog->m_level,
                m_dialog->m_levelList->currentRow(), Board().m_showSmall};
    }

    // A full press and release where the focus rests, as the player makes it.
    void Click(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(m_dialog->m_levelList, key, modifiers); }
    void Type(int cell, Qt::Key key) { Select(cell); Click(key); }
    static Qt::Key DigitKey(char digit) { return static_cast<Qt::Key>(Qt::Key_0 + (digit - '0')); }

    void Press(int id) { static_cast<QAbstractButton*>(m_dialog->GetDlgItem(id))->click(); }
    void QuickGame(int level) { m_dialog->m_levelList->setCurrentRow(level - 1); Press(1007); }
    void StartEntry() { m_ui.m_answers = {true}; Press(1013); }  // 1013 answered Yes: an empty board to enter a puzzle
    // The file dialogs answer with m_chosenPath, which stays for the next Save or Load Game.
    QString PathOf(const char* name) { return m_dir.filePath(QString::fromLatin1(name)); }
    void SaveAs(const char* name) { m_ui.m_chosenPath = PathOf(name); Press(1003); }
    void LoadFrom(const char* name) { m_ui.m_chosenPath = PathOf(name); Press(1004); }
    bool WaitForSolve() { return QTest::qWaitFor([this] { return !m_dialog->m_solveWorker.IsBusy(); }, 10000); }

    QString Caption(int id) { return m_dialog->GetDlgItem(id)->property("text").toString(); }
    bool FocusOnList() { return m_dialog->focusWidget() == m_dialog->m_levelList; }

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    FixedSeedRandom m_random;
    std::unique_ptr<CMainDlg> m_dialog;
};
