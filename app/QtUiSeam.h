// The seam as the player sees it: Qt message boxes, file dialogs and the desktop's launcher.
#pragma once

#include "UiSeam.h"

#include <memory>

class QMessageBox;
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

    // The box ShowMessage runs for `text`. A word too wide for a box, in practice a long file
    // name, is shortened in its middle with "…", so the box fits its screen while the words
    // around the name stay whole; the box wraps the rest at spaces.
    std::unique_ptr<QMessageBox> MessageBox(const QString& text) const;

private:
    QWidget* Owner() const;

    QWidget* m_owner;
};
