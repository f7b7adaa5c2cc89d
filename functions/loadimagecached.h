#pragma once
// The program's one way to load an image by path: compiled-in resources (":/..."), and files named by the
// stored path forms that PluginTools::ResolvePath expands, with an optional cache that notices changed files.
// Resources must be registered by their owners first (the widget kit's with InitWidgetResources).

#include <QImage>
#include <QString>

// Answers a copy of the image, or a null image when the file is missing, unreadable or not an image.
// With useCache, files (never resources) are kept by their resolved path and read again once their
// modification time changes. Main thread only.
QImage LoadImageCached(const QString& path, bool useCache);

// The file that a picture path names. Stored paths name the data folder's files as "/Gfx/x.png"; on this
// system an absolute path begins with '/' as well, so a path whose data-folder reading names no file but
// which names an existing file as written is that file. Every other path resolves as ResolvePath says.
QString ResolveImagePath(const QString& path);
