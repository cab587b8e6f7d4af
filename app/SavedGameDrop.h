// Saved games dropped on the game window from a file manager.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

// The path of the one local file that `data` carries when its name ends in .sav (in any
// case); empty for anything else, several files included.
QString DroppedSavedGame(const QMimeData& data);

// Lets `window` take a drop of one .sav file, as a copy so that the file manager never moves
// the file away; Qt hands it the drags over its children, the board among them, that do not
// take drops themselves. Any other drag is refused. The path reaches `onDrop` once the drop
// has ended, so a message about the file never holds up the drag's source. Owned by `window`.
class SavedGameDropFilter : public QObject {
public:
    SavedGameDropFilter(QWidget* window, std::function<void(const QString& path)> onDrop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_onDrop;
};
