// The level list (IDC_LEVEL_LIST): one level is always selected; the player can only move it.
#pragma once

#include <QListWidget>

class LevelList : public QListWidget {
public:
    explicit LevelList(QWidget* parent);

protected:
    // Ctrl+click and Ctrl+Space on the selected level would leave the list without one.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};
