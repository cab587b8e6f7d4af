// Every modal window and hand-over to the desktop (programs, clipboard) goes through this seam, so tests can replace it.
#pragma once

#include <QString>

// Game code never opens a message box, file dialog or external program itself: it asks the
// seam. QtUiSeam is the real one; the tests use a recording fake that answers at once.
class UiSeam {
public:
    virtual ~UiSeam() = default;

    // A plain message with an OK button, captioned with the application name
    // (QCoreApplication::applicationName). Returns once the player has dismissed it.
    virtual void ShowMessage(const QString& text) = 0;

    // A question with Yes and No buttons and no icon. True for Yes; No and closing the
    // box without an answer are false.
    virtual bool AskQuestion(const QString& text, const QString& caption) = 0;

    // A save-type file dialog opened in `dir`, offering the one filter `filter`
    // (Qt syntax, e.g. "SaveGame (*.sav)"). It never asks before replacing a file, since
    // the caller decides that. Returns the chosen path, or an empty string on cancel.
    virtual QString GetSaveFileName(const QString& dir, const QString& filter) = 0;

    // An open-type file dialog opened in `dir` with the one filter `filter`. Returns the
    // chosen existing file, or an empty string on cancel.
    virtual QString GetOpenFileName(const QString& dir, const QString& filter) = 0;

    // Hands `path` to the desktop's default program for its type and does not wait for it.
    // False when the desktop found no program or could not start it.
    virtual bool OpenWithDefaultProgram(const QString& path) = 0;

    // The desktop's clipboard: its text (empty when it holds none), and text put onto it.
    virtual QString ClipboardText() = 0;
    virtual void SetClipboardText(const QString& text) = 0;
};
