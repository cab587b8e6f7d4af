// The About box, laid out like the rest of the windows in dialog units.
#include "CAboutDlg.h"

#include "ControlIds.h"
#include "DialogUnits.h"
#include "PlayerTexts.h"
#include "Resources.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(kAboutTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const QIcon icon = TessalyIcon();
    setWindowIcon(icon);
    const QRect client = DialogUnitsToPixels(0, 0, 235, 55);
    setFixedSize(client.size());
    setFont(DialogFont(font()));

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QString::number(IDR_MAINFRAME));
    const QRect iconRect = DialogUnitsToPixels(11, 17, 20, 20);
    iconLabel->setGeometry(iconRect.left(), iconRect.top(), 32, 32);  // the icon's own size
    iconLabel->setPixmap(icon.pixmap(32, 32));

    auto* version = new QLabel(Text(kVersionText), this);
    version->setObjectName(QString::number(IDC_STATIC));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(DialogUnitsToPixels(40, 10, 119, 8));

    auto* ok = new QPushButton(Text(kOkCaption), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setGeometry(DialogUnitsToPixels(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
