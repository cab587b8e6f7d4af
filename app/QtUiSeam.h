// The seam as the player sees it: Qt message boxes, file dialogs and the desktop's launcher.
#pragma once

#include "UiSeam.h"

class QWidget;

class QtUiSeam final : public UiSeam {
public:
    // The boxes and dialogs are owned by `owner` when given, else by the active window.
    explicit QtUiSeam(QWidget* owner = nullptr) : m_owner(owner) {}

    void ShowMessage(const QString& text) override;
    bool AskQuestion(const QString& text, const QString& caption) override;
    QString GetSaveFileName(const QString& dir, const QString& filter) override;
    QString GetOpenFileName(const QString& dir, const QString& filter) override;
    bool OpenWithDefaultProgram(const QString& path) override;

private:
    QWidget* Owner() const;

    QWidget* m_owner;
};
