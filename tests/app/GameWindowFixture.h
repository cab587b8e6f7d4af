// A shown game window over a private copy of data.dat, with a recording seam, known draws and boards as strings.
#pragma once

#include "CBoardWnd.h"
#include "CMainDlg.h"
#include "ControlIds.h"
#include "GameStrings.h"
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

// Everything a command may change, to compare before and after.
struct GameState {
    Game game;
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
    Game& TheGame() { return m_dialog->m_game; }

    // The first `count` cells, in index order, that are given (or not).
    std::vector<int> Cells(bool given, size_t count = 1)
    {
        std::vector<int> cells;
        for (int i = 0; i < 81 && cells.size() < count; ++i)
            if (TheGame().IsGiven(i) == given)
                cells.push_back(i);
        EXPECT_EQ(cells.size(), count) << "cells with given = " << given;
        cells.resize(count);
        return cells;
    }
    int FirstCell(bool given) { return Cells(given).front(); }
    char Digit(int index) { return Shown()[index]; }
    char Solution(int index) { return StringOf(TheGame().Solution())[index]; }
    std::string Shown(bool givensOnly = false) { return ::Shown(TheGame(), givensOnly); }
    void SetGame(std::string_view shown, std::string_view puzzle, std::string_view solution)
    {
        TheGame().Load(SavedGameOf(shown, puzzle, solution));
    }
    // Types `cells` into the board as the player would, '.' clearing.
    void Enter(std::string_view cells)
    {
        for (int i = 0; i < 81; ++i)
            TheGame().EnterDigit(i, cells[i] == '.' ? 0 : cells[i] - '0');
    }
    GameState State() { return {TheGame(), m_dialog->m_levelList->currentRow(), Board().ShowsSmallDigits()}; }

    // A full press and release where the focus rests, as the player makes it.
    void Click(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(m_dialog->m_levelList, key, modifiers); }
    void Type(int cell, Qt::Key key) { Board().SelectCell(cell); Click(key); }

    void Press(int id) { static_cast<QAbstractButton*>(m_dialog->GetDlgItem(id))->click(); }
    void QuickGame(int level) { m_dialog->m_levelList->setCurrentRow(level - 1); Press(IDC_QUICK_GAME); }
    void StartEntry() { m_ui.m_answers = {true}; Press(IDC_INPUT_GAME); }  // answered Yes: an empty board to enter a puzzle
    // The file dialogs answer with m_chosenPath, which stays for the next Save or Load Game.
    QString PathOf(const char* name) { return m_dir.filePath(QString::fromLatin1(name)); }
    void SaveAs(const char* name) { m_ui.m_chosenPath = PathOf(name); Press(IDC_SAVE_GAME); }
    void LoadFrom(const char* name) { m_ui.m_chosenPath = PathOf(name); Press(IDC_LOAD_GAME); }
    bool WaitForSolve() { return QTest::qWaitFor([this] { return !m_dialog->m_solveWorker.IsBusy(); }, 10000); }
    // For the sanitizers' slow builds, where a search may take longer than the moment the window waits for it.
    bool WaitForHelp() { return QTest::qWaitFor([this] { return !m_dialog->m_helpWorker.IsBusy(); }, 10000); }

    QString Caption(int id) { return m_dialog->GetDlgItem(id)->property("text").toString(); }
    bool FocusOnList() { return m_dialog->focusWidget() == m_dialog->m_levelList; }

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    FixedSeedRandom m_random;
    std::unique_ptr<CMainDlg> m_dialog;
};
