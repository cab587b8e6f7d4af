// The icon files Windows and macOS want, built from the same square pictures as the PNG icons.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// A Windows .ico holding each picture as a PNG entry (sizes up to 256).
QByteArray MakeIco(const std::vector<QImage>& icons);

// A macOS .icns holding each picture as a PNG entry; sizes 16, 32, 64, 128, 256 and 512
// have a slot, others are left out.
QByteArray MakeIcns(const std::vector<QImage>& icons);
