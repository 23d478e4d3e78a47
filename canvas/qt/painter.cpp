// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/qt/painter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <numbers>
#include <variant>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSvgGenerator>

#include "canvas/qt/file_error.h"

namespace trazalia::canvas {
namespace {

constexpr qreal kPointsPerPixel = 72.0 / kLogicalDpi;

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }

QPointF ToPixels(Point point) {
    return QPointF(point.x / kTwipsPerPixel, point.y / kTwipsPerPixel);
}

// Qt draws width 0 as a hairline and refuses negative widths; the thinnest line is one pixel.
qreal PenWidth(int width) { return std::max(width, 1); }

// An exact size must not gain a pixel from floating-point noise.
int DevicePixels(qreal logical) { return static_cast<int>(std::ceil(logical - 1e-6)); }

// Text belongs to the picture: the same size in logical pixels on every device.
qreal DevicePoints(qreal points, const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device && device->logicalDpiY() > 0 ? points * kLogicalDpi / device->logicalDpiY()
                                               : points;
}

class OpPainter {
public:
    // scale: the painter's units in a logical pixel.
    OpPainter(QPainter& painter, QColor fore, qreal scale)
        : painter_(painter),
          fore_(fore),
          scale_(scale),
          capsAsDots_(painter.paintEngine() &&
                      painter.paintEngine()->type() == QPaintEngine::Raster) {}

    void operator()(const LineOp& op) const {
        DrawLine(op.from, op.to, op.color ? ToQColor(*op.color) : fore_, PenWidth(op.width),
                 op.dashed);
    }

    void operator()(const StrokeOp& op) const {
        DrawLine(op.from, op.to, ToQColor(op.color), op.width / kTwipsPerPixel, false);
    }

    void operator()(const CircleOp& op) const {
        const qreal start = std::abs(static_cast<qreal>(op.start));
        const qreal end = std::abs(static_cast<qreal>(op.end));
        DrawArc(op.centre, op.radius, ToQColor(op.color), PenWidth(op.width), start,
                start > end ? end - start + 2 * std::numbers::pi : end - start, op.start < 0,
                op.end < 0);
    }

    void operator()(const ArcOp& op) const {
        const qreal span = static_cast<qreal>(op.end) - op.start;
        DrawArc(op.centre, op.radius, ToQColor(op.color), op.width / kTwipsPerPixel, op.start,
                span < 0 ? span + 2 * std::numbers::pi : span, false, false);
    }

    void operator()(const PrintOp& op) const {
        painter_.setPen(fore_);
        painter_.drawText(QRectF(At(op.at), QSizeF()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                          QString::fromStdString(op.text));
    }

    void operator()(const TextOp& op) const {
        painter_.setPen(ToQColor(op.color));
        painter_.drawText(QRectF(At(op.at), QSizeF()), AlignmentFor(op.anchor),
                          QString::fromStdString(op.text));
    }

    void operator()(const LabelOp& op) const {
        const QFont picture = painter_.font();
        QFont font = picture;
        font.setPointSizeF(DevicePoints(op.style.points, painter_) * scale_);
        font.setBold(op.style.bold);
        painter_.setFont(font);
        painter_.setPen(ToQColor(op.color));
        QString text = QString::fromStdString(op.text);
        if (op.style.width > 0)
            text = QFontMetricsF(font, painter_.device())
                       .elidedText(text, Qt::ElideRight, op.style.width / kTwipsPerPixel * scale_);
        painter_.drawText(QRectF(At(op.at), QSizeF()), AlignmentFor(op.anchor), text);
        painter_.setFont(picture);
    }

private:
    QPointF At(Point point) const { return ToPixels(point) * scale_; }

    // width in logical pixels.
    void DrawLine(Point a, Point b, const QColor& color, qreal width, bool dashed) const {
        width *= scale_;
        const QPointF from = At(a);
        const QPointF to = At(b);
        if (dashed) {
            // Flat caps keep the dashes apart; the pattern is in line widths, as Qt's.
            painter_.setPen(Pen(color, width, Qt::DashLine, Qt::FlatCap));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawLine(from, to);
            return;
        }
        if (from == to) {
            // Not every output draws the round caps of a segment without length: draw the dot.
            Dot(from, color, width);
            return;
        }
        if (capsAsDots_) {
            // The raster engine fills a round-capped wide line through its general path filler,
            // several times slower than its line rasterizer for flat caps; the caps become dots.
            // It strokes a line with the pen alone, so the dots' brush may stay.
            painter_.setPen(Pen(color, width, Qt::SolidLine, Qt::FlatCap));
            painter_.drawLine(from, to);
            Dot(from, color, width);
            Dot(to, color, width);
            return;
        }
        painter_.setPen(Pen(color, width, Qt::SolidLine, Qt::RoundCap));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawLine(from, to);
    }

    // From start, span counter-clockwise (radians); with a radius from the centre to either end.
    void DrawArc(Point at, float radius, const QColor& color, qreal width, qreal start, qreal span,
                 bool fromCentre, bool toCentre) const {
        const QPointF centre = At(at);
        const qreal r = radius / kTwipsPerPixel * scale_;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        // Qt's angles run counter-clockwise on screen from 3 o'clock, like the picture's. Degrees
        // as qreal keep the precision that drawArc's sixteenths of a degree would lose.
        QPainterPath path;
        if (fromCentre) {
            path.moveTo(centre);  // arcTo joins it to the arc: the radius to the first end
        } else {
            path.arcMoveTo(box, qRadiansToDegrees(start));
        }
        path.arcTo(box, qRadiansToDegrees(start), qRadiansToDegrees(span));
        if (toCentre) path.lineTo(centre);

        painter_.setPen(Pen(color, width * scale_, Qt::SolidLine, Qt::RoundCap));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(path);
    }

    void Dot(QPointF at, const QColor& color, qreal width) const {
        painter_.setPen(Qt::NoPen);
        if (brush_.style() != Qt::SolidPattern || brush_.color() != color) brush_ = QBrush(color);
        painter_.setBrush(brush_);
        painter_.drawEllipse(at, width / 2, width / 2);
    }

    // The last pen made, again while neighbouring lines share it: a new pen is an allocation,
    // and the painter takes the same pen back at once.
    const QPen& Pen(const QColor& color, qreal width, Qt::PenStyle style,
                    Qt::PenCapStyle cap) const {
        if (pen_.color() != color || pen_.widthF() != width || pen_.style() != style ||
            pen_.capStyle() != cap)
            pen_ = QPen(color, width, style, cap, Qt::RoundJoin);
        return pen_;
    }

    QPainter& painter_;
    QColor fore_;
    qreal scale_;
    bool capsAsDots_;
    mutable QPen pen_{Qt::NoPen};
    mutable QBrush brush_{Qt::NoBrush};
};

QByteArray EncodePng(const Picture& picture, qreal devicePixelRatio) {
    QImage image = RenderImage(picture, devicePixelRatio);
    if (image.isNull()) return {};
    SetResolution(image, devicePixelRatio);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray EncodeSvg(const Picture& picture) {
    const QSizeF size = LogicalSize(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kLogicalDpi);
    svg.setSize(QSize(DevicePixels(size.width()), DevicePixels(size.height())));
    svg.setViewBox(QRectF(QPointF(), size));
    svg.setTitle(QStringLiteral("Trazalia"));
    svg.setDescription(QStringLiteral("Suma de vectores en el plano"));
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    Replay(picture, painter);
    if (!painter.end()) return {};
    return bytes;
}

}  // namespace

namespace {

// Qt dates a PDF "D:YYYYMMDDHHMMSSZ" at the time it is written; with SOURCE_DATE_EPOCH set, as
// reproducible builds set it, that time instead. Written over in place, digits for digits, so
// that the offsets of the objects after it stay true.
void Datar(QByteArray& pdf) {
    bool valid = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&valid);
    if (!valid || seconds < 0) return;
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    const QByteArray date = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
                                .toString(QStringLiteral("yyyyMMddHHmmss"))
                                .toLatin1() +
                            'Z';
    if (at < 0 || pdf.mid(at + key.size() + date.size(), 1) != ")" || date.size() != 15) return;
    pdf.replace(at + key.size(), date.size(), date);
}

}  // namespace

QByteArray WritePdf(const QString& title, int resolution, const QPageSize& page,
                    const std::function<bool(QPdfWriter&)>& paint) {
    // The writer's tables of fonts and objects are hashes: with a fixed seed the same drawing
    // gives the same bytes, run after run.
    QHashSeed::setDeterministicGlobalSeed();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Trazalia"));
    pdf.setResolution(resolution);
    if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()))) return {};
    if (!paint(pdf)) return {};
    Datar(bytes);
    return bytes;
}

namespace {

QByteArray EncodePdf(const Picture& picture) {
    // At 96 dpi the device units are the picture's logical pixels.
    const QPageSize page(LogicalSize(picture) * kPointsPerPixel, QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    return WritePdf(QStringLiteral("Trazalia"), kLogicalDpi, page, [&](QPdfWriter& pdf) {
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        Replay(picture, painter);
        return painter.end();
    });
}

}  // namespace

QSizeF LogicalSize(const Picture& picture) {
    return QSizeF(picture.Width() / kTwipsPerPixel, picture.Height() / kTwipsPerPixel);
}

void SetResolution(QImage& image, qreal devicePixelRatio) {
    const int dotsPerMeter = qRound(kLogicalDpi * devicePixelRatio / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

int AlignmentFor(Anchor anchor) {
    static constexpr std::array<Qt::Alignment, 9> kAlign{
        Qt::AlignLeft | Qt::AlignTop,        Qt::AlignHCenter | Qt::AlignTop,
        Qt::AlignRight | Qt::AlignTop,       Qt::AlignLeft | Qt::AlignVCenter,
        Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
        Qt::AlignLeft | Qt::AlignBottom,     Qt::AlignHCenter | Qt::AlignBottom,
        Qt::AlignRight | Qt::AlignBottom};
    return kAlign.at(static_cast<std::size_t>(anchor)).toInt() | Qt::TextDontClip;
}

QFont PrintFont() {
    QFont font(kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

void Replay(const Picture& picture, QPainter& painter, qreal scale) {
    painter.save();
    painter.fillRect(QRectF(QPointF(), LogicalSize(picture) * scale),
                     ToQColor(picture.BackColor()));
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    QFont font = PrintFont();
    font.setPointSizeF(DevicePoints(font.pointSizeF(), painter) * scale);
    painter.setFont(font);

    const OpPainter draw(painter, ToQColor(picture.ForeColor()), scale);
    for (const Op& op : picture.ops()) std::visit(draw, op);
    painter.restore();
}

QImage RenderImage(const Picture& picture, qreal devicePixelRatio) {
    const QSizeF size = LogicalSize(picture) * devicePixelRatio;
    // Far beyond any screen; it also keeps the conversion to int defined and refuses NaN.
    constexpr qreal kLimit = 1 << 15;
    if (!(devicePixelRatio > 0 && size.width() <= kLimit && size.height() <= kLimit)) return {};
    QImage image(DevicePixels(size.width()), DevicePixels(size.height()), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(devicePixelRatio);
    // The last device pixel may be only partly inside the picture; it shows the background too.
    image.fill(ToQColor(picture.BackColor()));
    QPainter painter(&image);
    Replay(picture, painter);
    return image;
}

std::optional<PictureFormat> FormatForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png") return PictureFormat::Png;
    if (suffix == u"svg") return PictureFormat::Svg;
    if (suffix == u"pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

QByteArray EncodePicture(const Picture& picture, PictureFormat format, qreal pngDevicePixelRatio) {
    switch (format) {
        case PictureFormat::Png:
            return EncodePng(picture, pngDevicePixelRatio);
        case PictureFormat::Svg:
            return EncodeSvg(picture);
        case PictureFormat::Pdf:
            return EncodePdf(picture);
    }
    return {};
}

namespace {

// Writes the bytes to path, all or nothing; on failure returns why.
std::optional<QString> WriteFile(const QByteArray& bytes, const QString& path) {
    // Only a regular file is replaced: renaming over a link to a device or a FIFO would put the
    // picture in place of the device itself.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return QCoreApplication::translate("Trazalia", "ya existe y no es un archivo normal");

    // The file appears only on commit, complete; until then it is a temporary beside it. Qt may
    // rename even after a failed flush, so every write and the flush are checked before.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Reason(OpenError(path, QIODevice::WriteOnly, errno));
    // Qt does not report a write cut short by a full disk or a size limit: errno tells.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int cause = errno;
        const bool failed = cause != 0 || file.error() != QFileDevice::NoError;
        file.cancelWriting();  // the temporary goes with the object; the old file stays
        return failed ? Reason(IoError(cause))
                      : QCoreApplication::translate("Trazalia", "no se pudo escribir entero");
    }
    errno = 0;
    if (!file.commit()) return Reason(IoError(errno));
    return std::nullopt;
}

// Writes the picture to path, all or nothing; on failure returns why.
std::optional<QString> Write(const Picture& picture, const QString& path,
                             qreal pngDevicePixelRatio) {
    const std::optional<PictureFormat> format = FormatForPath(path);
    if (!format)
        return QCoreApplication::translate("Trazalia",
                                           "extensión desconocida (se admiten .png, .svg y .pdf)");
    const QByteArray bytes = EncodePicture(picture, *format, pngDevicePixelRatio);
    if (bytes.isEmpty())
        return QCoreApplication::translate("Trazalia", "no se pudo generar el dibujo");
    return WriteFile(bytes, path);
}

// A name that is not text: written by write beside it under a name that is, reached through the
// folder's descriptor, then renamed to its own bytes.
std::optional<QString> WriteByBytes(
    const QByteArray& path, const std::function<std::optional<QString>(const QString&)>& write) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : path.left(std::max<qsizetype>(slash, 1));
    const QByteArray name = path.mid(slash + 1);
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return Reason(IoError(errno));
    struct stat st {};
    std::optional<QString> why;
    if (::fstatat(dir, name.constData(), &st, 0) == 0 && !S_ISREG(st.st_mode)) {
        why = QCoreApplication::translate("Trazalia", "ya existe y no es un archivo normal");
    } else {
        const QByteArray temporary = ".trazalia-" +
                                     QByteArray::number(QCoreApplication::applicationPid()) + '.' +
                                     QFileInfo(QFile::decodeName(name)).suffix().toLatin1();
        why = write(QStringLiteral("/proc/self/fd/%1/").arg(dir) + QString::fromLatin1(temporary));
        if (!why && ::renameat(dir, temporary.constData(), dir, name.constData()) != 0) {
            why = Reason(IoError(errno));
            ::unlinkat(dir, temporary.constData(), 0);
        }
    }
    ::close(dir);
    return why;
}

}  // namespace

bool SaveFile(const QByteArray& bytes, const QString& path, QString* error) {
    const std::optional<QString> why = WriteFile(bytes, path);
    if (why && error)
        *error = QCoreApplication::translate("Trazalia", "no se puede escribir «%1»: %2")
                     .arg(path, *why);
    return !why;
}

bool SaveFile(const QByteArray& bytes, const QByteArray& path, QString* error) {
    const QString text = QFile::decodeName(path);
    if (QFile::encodeName(text) == path) return SaveFile(bytes, text, error);
    const std::optional<QString> why =
        WriteByBytes(path, [&](const QString& temporary) { return WriteFile(bytes, temporary); });
    if (why && error)
        *error = QCoreApplication::translate("Trazalia", "no se puede escribir «%1»: %2")
                     .arg(text, *why);
    return !why;
}

bool AppendLine(const QByteArray& line, const QByteArray& first, const QString& path,
                QString* error) {
    const auto fallo = [&](const char* plantilla, std::error_code why) {
        if (error)
            *error = QCoreApplication::translate("Trazalia", plantilla).arg(path, Reason(why));
        return false;
    };
    constexpr char kNoSeEscribe[] = QT_TRANSLATE_NOOP("Trazalia", "no se puede escribir «%1»: %2");
    // The file the name leads to, through any link, added to where it is: a symbolic link and the
    // file's own name are one record, and a hard link keeps seeing it.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return fallo(kNoSeEscribe, OpenError(path, QIODevice::ReadWrite, errno));
    const auto cerrar = qScopeGuard([fd] { ::close(fd); });
    // Writers wait for each other on the file itself, whichever name each reached it by; each
    // then sees the lines the others added.
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR)
            return fallo(QT_TRANSLATE_NOOP("Trazalia", "no se puede bloquear «%1»: %2"),
                         IoError(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fallo(kNoSeEscribe, IoError(errno));
    if (!S_ISREG(st.st_mode))
        return fallo(kNoSeEscribe, std::make_error_code(std::errc::invalid_argument));
    QByteArray bytes;
    if (st.st_size == 0) {
        bytes = first + '\n';
    } else {
        char last = '\n';
        if (::pread(fd, &last, 1, st.st_size - 1) != 1) return fallo(kNoSeEscribe, IoError(errno));
        if (last != '\n') bytes = "\n";
    }
    bytes += line + '\n';
    // A line cut short by a full disk is taken back: the file keeps its earlier lines whole.
    for (qsizetype hecho = 0; hecho < bytes.size();) {
        const ssize_t n =
            ::write(fd, bytes.constData() + hecho, static_cast<std::size_t>(bytes.size() - hecho));
        if (n > 0) {
            hecho += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            const int cause = n == 0 ? ENOSPC : errno;
            if (::ftruncate(fd, st.st_size) != 0) {
                // Nothing more to do: the reason for the first failure is the one to tell.
            }
            return fallo(kNoSeEscribe, IoError(cause));
        }
    }
    return true;
}

bool SavePicture(const Picture& picture, const QString& path, QString* error,
                 qreal pngDevicePixelRatio) {
    const std::optional<QString> why = Write(picture, path, pngDevicePixelRatio);
    if (why && error)
        *error = QCoreApplication::translate("Trazalia", "no se puede escribir «%1»: %2")
                     .arg(path, *why);
    return !why;
}

bool SavePicture(const Picture& picture, const QByteArray& path, QString* error,
                 qreal pngDevicePixelRatio) {
    const QString text = QFile::decodeName(path);
    if (QFile::encodeName(text) == path)
        return SavePicture(picture, text, error, pngDevicePixelRatio);
    const std::optional<QString> why = WriteByBytes(path, [&](const QString& temporary) {
        return Write(picture, temporary, pngDevicePixelRatio);
    });
    if (why && error)
        *error = QCoreApplication::translate("Trazalia", "no se puede escribir «%1»: %2")
                     .arg(text, *why);
    return !why;
}

}  // namespace trazalia::canvas
