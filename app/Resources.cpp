// Registration of the compiled resources and the icon built from them.
#include "Resources.h"

#include <QFile>

static void RegisterResources()
{
    Q_INIT_RESOURCE(tessaly);  // must be called outside any namespace
}

void InitTessalyResources()
{
    static const bool registered = (RegisterResources(), true);
    (void)registered;
}

QIcon TessalyIcon()
{
    InitTessalyResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/tessaly-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}
