// Background painting and transparent texts of the picture dialog.
#include "CBitmapDialog.h"

#include "Resources.h"

#include <QCheckBox>
#include <QChildEvent>
#include <QLabel>
#include <QPainter>

namespace {

// Labels and check boxes draw only their text and mark, so the picture shows around them;
// push buttons, lists and edit boxes keep their own background.
void KeepTransparent(QObject* child)
{
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget && (qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)))
        widget->setAutoFillBackground(false);
}

}  // namespace

CBitmapDialog::CBitmapDialog(const QString& picturePath, QWidget* parent, int mode)
    : QDialog(parent), m_bkMode(mode)
{
    InitTessalyResources();
    m_background.load(picturePath);
}

void CBitmapDialog::childEvent(QChildEvent* event)
{
    if (event->polished())
        KeepTransparent(event->child());
    QDialog::childEvent(event);
}

void CBitmapDialog::paintEvent(QPaintEvent* event)
{
    if (m_background.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (m_bkMode == PictureCentred)
        painter.fillRect(rect(), palette().window());
    for (const QRect& target : BackgroundTargets(m_bkMode, m_background.size(), size()))
        painter.drawPixmap(target, m_background);
}
