#pragma once
// Image decoding with a bound on the decoded size, for pictures that come from scripts, files named by
// scripts and the web: the header is read first, so a small file that claims a huge picture is refused
// before any pixel memory is taken.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace BoundedImage {

// Largest side and pixel count of a decoded picture (128 MiB of ARGB pixels).
constexpr int MaxSide = 16384;
constexpr qint64 MaxPixels = 32LL * 1024 * 1024;
// Largest file or body that is decoded at all.
constexpr qint64 MaxBytes = 32LL * 1024 * 1024;

// True when a picture of w by h pixels may be allocated.
bool SizeAllowed(qint64 w, qint64 h);
// The decoded picture, or a null image when the bytes are no picture or the picture is too large.
QImage Decode(const QByteArray& bytes);
// The same for a file; a null image when it is missing, unreadable, too large or no picture.
QImage ReadFile(const QString& path);

} // namespace BoundedImage
