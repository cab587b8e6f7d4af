// A shown game window over a private copy of data.dat, with a recording seam, known draws and boards as strings.
#pragma once

#include "CBoardWnd.h"
#include "CMainDlg.h"
#include "FixedSeedRandom.h"
#include "Grid81.h"
#include "RecordingUi.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A complete grid that obeys the rules (line 1 of data.dat).
inline constexpr std::string_view SolvedGrid =
    "437892615821536749956471823542169387369748152178325964684953271295617438713284596";

// 81 characters, index order; '.' and '0' are empty.
inline Grid81 GridOf(std::string_view cells)
{
    Grid81 grid{};
    for (size_t i = 0; i < grid.size() && i < cells.size(); ++i)
        grid[i] = cells[i] >= '1' && cells[i] <= '9' ? cells[i] - '0' : 0;
    return grid;
}

inline std::string StringOf(const Grid81& grid)
{
    std::string cells;
    for (const int value : grid)
        cells += value != 0 ? char('0' + value) : '.';
    return cells;
}

// `cells` with the digits a and b exchanged: another grid that obeys the rules if `cells` does.
inline std::string SwapDigits(std::string cells, char a, char b)
{
    for (char& c : cells)
        c = c == a ? b : c == b ? a : c;
    return cells;
}

inline std::string With(std::string cells, int index, char c)
{
    cells[index] = c;
    return cells;
}

// The solved grid without its 1s and 2s: exchanging those digits keeps every given.
inline std::string GivensWithoutOnesAndTwos()
{
    std::string cells(SolvedGrid);
    for (char& c : cells)
        c = c == '1' || c == '2' ? '.' : c;
    return cells;
}

// Everything a command may change, to compare before and after.
struct GameState {
    std::vector<std::string> texts;
    std::vector<bool> givens;
    Grid81 puzzle{};
    Grid81 solution{};
    int hintsUsed = 0;
    int level = 0;
    int listRow = 0;
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

    // Puts a game on the board: what the cells show, the givens (also the given flags)
    // and the solution, each as 81 characters.
    void SetGame(std::string_view shown, std::string_view puzzle, std::string_view solution)
    {
        const Grid81 shownGrid = GridOf(shown);
        Board().m_puzzle = GridOf(puzzle);
        Board().m_solution = GridOf(solution);
        for (int i = 0; i < 81; ++i) {
            Text(i) = shownGrid[i] != 0 ? std::to_string(shownGrid[i]) : std::string();
            Board().m_cells[i]->m_given = Board().m_puzzle[i] != 0;
        }
        Board().Redraw();
    }

    std::string Shown()
    {
        std::string cells;
        for (const auto& cell : Board().m_cells)
            cells += cell->m_text.empty() ? std::string(".") : cell->m_text;
        return cells;
    }

    GameState State()
    {
        GameState state;
        for (const auto& cell : Board().m_cells) {
            state.texts.push_back(cell->m_text);
            state.givens.push_back(cell->m_given);
        }
        state.puzzle = Board().m_puzzle;
        state.solution = Board().m_solution;
        state.hintsUsed = m_dialog->m_hintsUsed;
        state.level = m_dialog->m_level;
        state.listRow = m_dialog->m_levelList->currentRow();
        state.showSmall = Board().m_showSmall;
        return state;
    }

    // A full press and release where the focus rests, as the player makes it.
    void Click(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_dialog->m_levelList, key, modifiers);
    }
    static Qt::Key DigitKey(char digit) { return static_cast<Qt::Key>(Qt::Key_0 + (digit - '0')); }

    void Press(int id) { static_cast<QAbstractButton*>(m_dialog->GetDlgItem(id))->click(); }
    void QuickGame(int level)
    {
        m_dialog->m_levelList->setCurrentRow(level - 1);
        Press(1007);
    }

    // The text of a button, check box or label.
    QString Caption(int id)
    {
        QWidget* control = m_dialog->GetDlgItem(id);
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text();
        auto* button = qobject_cast<QAbstractButton*>(control);
        return button ? button->text() : QString();
    }
    bool FocusOnList() { return m_dialog->focusWidget() == m_dialog->m_levelList; }
    // After a Quick Game: the six game buttons enabled and 1013 back to its first caption.
    void ExpectGameButtons()
    {
        for (const int id : {1003, 1004, 1014, 1011, 1008, 1009})
            EXPECT_TRUE(m_dialog->GetDlgItem(id)->isEnabled()) << id;
        EXPECT_EQ(Caption(1013), "Input game -> Solve");
    }

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    FixedSeedRandom m_random;
    std::unique_ptr<CMainDlg> m_dialog;
};
