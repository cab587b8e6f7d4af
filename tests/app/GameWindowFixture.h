// A shown game window over a private copy of data.dat, with a recording seam and known draws.
#pragma once

#include "CBoardWnd.h"
#include "CMainDlg.h"
#include "FixedSeedRandom.h"
#include "RecordingUi.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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

    // The first cell, in index order, whose given flag is `given`.
    int FirstCell(bool given)
    {
        for (int i = 0; i < 81; ++i)
            if (Board().m_cells[i]->m_given == given)
                return i;
        ADD_FAILURE() << "no cell with given = " << given;
        return 0;
    }
    void Select(int index) { Board().m_selected = Board().m_cells[index].get(); }
    std::string& Text(int index) { return Board().m_cells[index]->m_text; }

    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const auto& cell : Board().m_cells)
            texts.push_back(cell->m_text);
        return texts;
    }

    // A full press and release where the focus rests, as the player makes it.
    void Click(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_dialog->m_levelList, key, modifiers);
    }

    void Press(int id) { static_cast<QAbstractButton*>(m_dialog->GetDlgItem(id))->click(); }

    QTemporaryDir m_dir;
    RecordingUi m_ui;
    FixedSeedRandom m_random;
    std::unique_ptr<CMainDlg> m_dialog;
};
