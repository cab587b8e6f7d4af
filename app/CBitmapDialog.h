// A dialog that paints a picture as its background, with static texts and check boxes over it.
#pragma once

#include "BackgroundLayout.h"

#include <QDialog>
#include <QPixmap>

class CBitmapDialog : public QDialog {
    Q_OBJECT
public:
    // Loads the picture once, from `picturePath` (a Qt resource path such as
    // ":/background.bmp"); a picture that cannot be loaded leaves the plain dialog colour.
    CBitmapDialog(const QString& picturePath, QWidget* parent, int mode);

    QSize PictureSize() const { return m_background.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    QPixmap m_background;
    int m_bkMode;
};
