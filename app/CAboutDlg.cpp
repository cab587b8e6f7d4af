// The About box, laid out like the rest of the windows in dialog units.
#include "CAboutDlg.h"

#include "DialogUnits.h"
#include "Resources.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tessaly"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const QIcon icon = TessalyIcon();
    setWindowIcon(icon);
    const QRect client = DialogUnitsToPixels(0, 0, 235, 55);
    setFixedSize(client.size());
    setFont(DialogFont(font()));

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("128"));
    const QRect iconRect = DialogUnitsToPixels(11, 17, 20, 20);
    iconLabel->setGeometry(iconRect.left(), iconRect.top(), 32, 32);  // the icon's own size
    iconLabel->setPixmap(icon.pixmap(32, 32));

    auto* version = new QLabel(QStringLiteral("Tessaly Version 1.0"), this);
    version->setObjectName(QStringLiteral("-1"));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(DialogUnitsToPixels(40, 10, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(DialogUnitsToPixels(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
