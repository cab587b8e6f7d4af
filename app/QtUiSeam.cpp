// Qt message boxes, file dialogs and QDesktopServices behind the seam.
#include "QtUiSeam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace {

// Half the screen, as far as 500 pixels: where a message box starts to wrap its text.
int WidestWord(const QScreen* screen)
{
    return qMin(screen->availableGeometry().width() / 2, 500);
}

QString ShortenWidestWords(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        QStringList words = line.split(QLatin1Char(' '));
        for (QString& word : words) {
            if (metrics.horizontalAdvance(word) > width)
                word = metrics.elidedText(word, Qt::ElideMiddle, width);
        }
        line = words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QWidget* QtUiSeam::Owner() const
{
    return m_owner ? m_owner : QApplication::activeWindow();
}

std::unique_ptr<QMessageBox> QtUiSeam::MessageBox(const QString& text) const
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QCoreApplication::applicationName(), QString(),
                                             QMessageBox::Ok, Owner());
    box->setTextFormat(Qt::PlainText);
    box->setText(ShortenWidestWords(text, box->fontMetrics(), WidestWord(box->screen())));
    return box;
}

void QtUiSeam::ShowMessage(const QString& text)
{
    MessageBox(text)->exec();
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
