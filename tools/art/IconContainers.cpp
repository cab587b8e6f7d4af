// The icon files Windows and macOS want, built from the same square pictures as the PNG icons.
#include "IconContainers.h"

#include <QBuffer>

#include <cstdint>

namespace {

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void PutLittle(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void PutBig32(QByteArray& out, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray MakeIco(const std::vector<QImage>& icons)
{
    // ICONDIR (6 bytes), one ICONDIRENTRY (16 bytes) per picture, then the PNG data.
    QByteArray out;
    PutLittle(out, 0, 2);  // reserved
    PutLittle(out, 1, 2);  // type: icon
    PutLittle(out, std::uint32_t(icons.size()), 2);
    std::uint32_t offset = 6 + 16 * std::uint32_t(icons.size());
    std::vector<QByteArray> images;
    for (const QImage& icon : icons) {
        images.push_back(Png(icon));
        PutLittle(out, icon.width() >= 256 ? 0 : std::uint32_t(icon.width()), 1);  // 0 stands for 256
        PutLittle(out, icon.height() >= 256 ? 0 : std::uint32_t(icon.height()), 1);
        PutLittle(out, 0, 1);   // no palette
        PutLittle(out, 0, 1);   // reserved
        PutLittle(out, 1, 2);   // colour planes
        PutLittle(out, 32, 2);  // bits per pixel
        PutLittle(out, std::uint32_t(images.back().size()), 4);
        PutLittle(out, offset, 4);
        offset += std::uint32_t(images.back().size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

QByteArray MakeIcns(const std::vector<QImage>& icons)
{
    // "icns", the file's length, then per picture: its slot type, its length with the
    // 8-byte entry header, and the PNG data; all lengths big-endian.
    QByteArray entries;
    for (const QImage& icon : icons) {
        const char* type = nullptr;
        switch (icon.width()) {
        case 16: type = "icp4"; break;
        case 32: type = "icp5"; break;
        case 64: type = "icp6"; break;
        case 128: type = "ic07"; break;
        case 256: type = "ic08"; break;
        case 512: type = "ic09"; break;
        default: continue;
        }
        const QByteArray png = Png(icon);
        entries.append(type, 4);
        PutBig32(entries, std::uint32_t(8 + png.size()));
        entries.append(png);
    }
    QByteArray out("icns", 4);
    PutBig32(out, std::uint32_t(8 + entries.size()));
    out.append(entries);
    return out;
}
