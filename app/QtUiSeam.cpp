// Qt message boxes, file dialogs and QDesktopServices behind the seam.
#include "QtUiSeam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

QWidget* QtUiSeam::Owner() const
{
    return m_owner ? m_owner : QApplication::activeWindow();
}

void QtUiSeam::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    Owner());
    box.exec();
}

bool QtUiSeam::AskQuestion(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, Owner());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtUiSeam::GetSaveFileName(const QString& dir, const QString& filter)
{
    // The caller adds the extension and replaces files without asking, as the game always did.
    return QFileDialog::getSaveFileName(Owner(), QString(), dir, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtUiSeam::GetOpenFileName(const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(Owner(), QString(), dir, filter);
}

bool QtUiSeam::OpenWithDefaultProgram(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
