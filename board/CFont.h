// A font chosen by face name and point size, for selecting into a DeviceContext.
#pragma once

#include <QFont>

#include <optional>
#include <string>

class CFont {
public:
    // Sized in points: the painted device's logical resolution turns them into pixels, and
    // the board's picture carries the screen's. Replaces any font created before.
    void CreatePointFont(int tenthsOfPoint, const std::string& faceName);

    bool IsCreated() const { return m_font.has_value(); }
    int TenthsOfPoint() const { return m_tenthsOfPoint; }
    const std::string& FaceName() const { return m_faceName; }
    // Only when IsCreated().
    const QFont& QtFont() const { return *m_font; }

private:
    std::optional<QFont> m_font;
    int m_tenthsOfPoint = 0;
    std::string m_faceName;
};
