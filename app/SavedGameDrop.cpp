// Saved games dropped on the game window from a file manager.
#include "SavedGameDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

QString DroppedSavedGame(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QStringLiteral(".sav"), Qt::CaseInsensitive) ? path : QString();
}

SavedGameDropFilter::SavedGameDropFilter(QWidget* window, std::function<void(const QString&)> onDrop)
    : QObject(window), m_onDrop(std::move(onDrop))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool SavedGameDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    // Drag enter and move events are drop events too, which say where the drag would land.
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedSavedGame(*drop->mimeData());
    if (path.isEmpty() || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(this, [this, path] { m_onDrop(path); }, Qt::QueuedConnection);
    return true;
}
