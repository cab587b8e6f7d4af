// A seam that answers at once and remembers what the game asked, so no test waits on a window.
#pragma once

#include "UiSeam.h"

#include <QString>
#include <QStringList>

#include <deque>

class RecordingUi final : public UiSeam {
public:
    void ShowMessage(const QString& text) override { m_messages << text; }
    bool AskQuestion(const QString& text, const QString& caption) override
    {
        m_questions << caption + ": " + text;
        const bool answer = !m_answers.empty() && m_answers.front();
        if (!m_answers.empty()) m_answers.pop_front();
        return answer;
    }
    QString GetSaveFileName(const QString& dir, const QString& filter) override { return Chosen("save", dir, filter); }
    QString GetOpenFileName(const QString& dir, const QString& filter) override { return Chosen("open", dir, filter); }
    bool OpenWithDefaultProgram(const QString& path) override { m_opened << path; return m_openSucceeds; }
    QString ClipboardText() override { return m_clipboard; }
    void SetClipboardText(const QString& text) override { m_clipboard = text; }

    QStringList m_messages;
    QStringList m_questions;     // "caption: text"
    std::deque<bool> m_answers;  // next answers to AskQuestion; No once used up
    QStringList m_fileDialogs;   // "save|open dir filter"
    QString m_chosenPath;        // what both file dialogs return
    QStringList m_opened;
    bool m_openSucceeds = true;
    QString m_clipboard;

private:
    QString Chosen(const QString& dialog, const QString& dir, const QString& filter)
    {
        m_fileDialogs << dialog + " " + dir + " " + filter;
        return m_chosenPath;
    }
};
