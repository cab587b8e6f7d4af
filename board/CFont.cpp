// CFont: the face and size kept for tests, the Qt font for painting.
#include "CFont.h"

void CFont::CreatePointFont(int tenthsOfPoint, const std::string& faceName)
{
    QFont font(QString::fromStdString(faceName));
    font.setPointSizeF(tenthsOfPoint / 10.0);
    m_font = font;
    m_tenthsOfPoint = tenthsOfPoint;
    m_faceName = faceName;
}
