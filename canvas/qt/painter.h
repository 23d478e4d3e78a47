// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include "canvas/picture.h"

class QPainter;
class QPdfWriter;

namespace trazalia::canvas {

// Pictures are drawn in logical pixels of 1/96 inch (kTwipsPerPixel); their operations arrive in
// twips.
inline constexpr int kLogicalDpi = 96;

// With its length: the pointer alone is not a constant under the sanitizers.
inline constexpr QLatin1String kFontFamily(kFontFamilyName, sizeof(kFontFamilyName) - 1);

// Records the resolution of an image rendered at that device pixel ratio, so that programs that
// read it show the image at the picture's size.
void SetResolution(QImage& image, qreal devicePixelRatio);

// The picture's size in logical pixels (7000 × 6000 twips is 466.67 × 400).
QSizeF LogicalSize(const Picture& picture);

// The face of printed text: kFontFamily, 8 pt at 96 dpi.
QFont PrintFont();

// The flags that draw a text in a zero-size box at its anchor point so that the anchor is the
// named point of the text.
int AlignmentFor(Anchor anchor);

// Fills the background and draws every operation in order, antialiased. The painter works in
// units of 1/scale logical pixel of the picture, origin at its top-left corner: a page printed at
// 1440 dpi replays at scale 15, one unit a twip, so that its PDF keeps the page's own numbers.
void Replay(const Picture& picture, QPainter& painter, qreal scale = 1);

// ceil(width / 15 × ratio) × ceil(height / 15 × ratio) pixels, with that device pixel ratio.
// Null when the ratio is not positive or the image is too large.
QImage RenderImage(const Picture& picture, qreal devicePixelRatio = 2);

// A PDF made in memory: one writer titled title, at that resolution (device units per inch), its
// pages of that size without margins, painted by paint. Empty when anything fails.
QByteArray WritePdf(const QString& title, int resolution, const QPageSize& page,
                    const std::function<bool(QPdfWriter&)>& paint);

enum class PictureFormat { Png, Svg, Pdf };

// By the path's extension, in any case: .png, .svg or .pdf.
std::optional<PictureFormat> FormatForPath(const QString& path);

// The file's bytes; empty when the picture cannot be rendered in that format.
QByteArray EncodePicture(const Picture& picture, PictureFormat format,
                         qreal pngDevicePixelRatio = 2);

// Writes the picture in the format the extension names, all or nothing. On failure returns false,
// leaves no file behind and, when error is given, says why in Spanish.
bool SavePicture(const Picture& picture, const QString& path, QString* error,
                 qreal pngDevicePixelRatio = 2);
// The same for a path given as bytes, which need not be text in the system's encoding.
bool SavePicture(const Picture& picture, const QByteArray& path, QString* error,
                 qreal pngDevicePixelRatio = 2);
// Any file's bytes, written the same way: all or nothing, only over a regular file.
bool SaveFile(const QByteArray& bytes, const QString& path, QString* error);
// The same for a path given as bytes.
bool SaveFile(const QByteArray& bytes, const QByteArray& path, QString* error);
// Adds a line (without its line break) to a text file that other writers, in this process or
// another, may add to at the same time, by this name or another that leads to the same file (a
// symbolic or a hard link); a new or empty file starts with the line first. The file itself is
// locked and appended to, so no writer's line is lost, links stay links, and a line a full disk
// cut short is taken back, leaving the earlier lines as they were.
bool AppendLine(const QByteArray& line, const QByteArray& first, const QString& path,
                QString* error);

}  // namespace trazalia::canvas
