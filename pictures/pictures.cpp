#include "pictures/pictures.hpp"

#include "pictures/convergence_chart.hpp"
#include "pictures/polygon_scene.hpp"
#include "runtime/file_target.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/system_errors.hpp"

#include <QBuffer>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSvgGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <new>
#include <system_error>
#include <unistd.h>

namespace pictures {

using runtime::host::translatedText;

namespace {

constexpr int noteHeight = 30;

// A QSaveFile that keeps the system's error number of its first failed
// write: QSvgGenerator and QPdfWriter ignore what their device answers, so
// the file is asked once they are done. Opened unbuffered, every write reaches
// the system here, where errno still names the cause.
class PictureFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;
    int writeError() const { return writeError_; }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        errno = 0;
        const qint64 written = QSaveFile::writeData(data, length);
        if (written != length && writeError_ == 0) {
            writeError_ = errno != 0 ? errno : EIO;
        }
        return written;
    }

private:
    int writeError_ = 0;
};

// The cause of a failure, in the user's language; fallback when the system
// gave no number.
QString causeOf(int error, const QString& fallback) {
    switch (error) {
    case 0:
        return fallback;
    case ENOENT: // of a file being written, only its folder can be missing
        return translatedText("Pictures", "la cartella non esiste");
    default:
        return QString::fromStdString(runtime::systemErrorText(error));
    }
}

QString cannotWrite(const QString& path, const QString& cause) {
    return translatedText("Pictures", "Impossibile scrivere '%1': %2").arg(path, cause);
}

QString outOfMemory(const QString& path, QSize size) {
    return translatedText("Pictures", "Memoria esaurita per '%1' di %2x%3 pixel")
        .arg(path)
        .arg(size.width())
        .arg(size.height());
}

// paint between the painter's begin() and end() on device. Out of memory,
// painting or end() throws, and QPainter's destructor, which may not throw,
// would end the painting again: the painter is then let go, a few bytes, and
// the exception goes on.
bool paintOn(QPaintDevice& device, const std::function<void(QPainter&)>& paint) {
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&device)) {
        return false;
    }
    try {
        paint(*painter);
        return painter->end();
    } catch (...) {
        [[maybe_unused]] const QPainter* const abandoned = painter.release();
        throw;
    }
}

// Qt's raster engine shares a fill of more than about a hundred rows among
// the threads of the global pool and waits for them; a thread that cannot
// start (a limit of processes or of memory) leaves it waiting for ever.
// Bands of fewer rows are filled on this thread alone: each band is painted
// whole, clipped to its own rows.
constexpr int bandRows = 64;

void paintInBands(QImage& image, const std::function<void(QPainter&)>& paint) {
    for (int top = 0; top < image.height(); top += bandRows) {
        QImage band(image.scanLine(top), image.width(), std::min(bandRows, image.height() - top),
                    image.bytesPerLine(), image.format());
        QPainter painter(&band);
        painter.translate(0, -top);
        paint(painter);
    }
}

// Paints the picture on file in format. Returns false when the painter
// cannot start; the file keeps the errors of its own writes. Running out of
// memory throws std::bad_alloc.
bool paintTo(QIODevice& file, calc::PictureFormat format, QSize size, const QString& title,
             const std::function<void(QPainter&)>& paint) {
    switch (format) {
    case calc::PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        // At 96 dots per inch a pixel of the picture is a pixel (CSS) of the SVG.
        svg.setResolution(96);
        svg.setTitle(title);
        svg.setDescription(QStringLiteral("Lavoro1"));
        return paintOn(svg, paint);
    }
    case calc::PictureFormat::Png: {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            throw std::bad_alloc();
        }
        image.fill(Qt::white);
        paintInBands(image, paint);
        // Encoded in memory (a few hundred kilobytes for these pictures), so
        // that a failed write is reported here and not by libpng on
        // standard error.
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        if (!QImageWriter(&buffer, "png").write(image)) {
            throw std::bad_alloc(); // a buffer in memory fails only for want of it
        }
        return file.write(encoded) == encoded.size();
    }
    case calc::PictureFormat::Pdf: {
        // A page of exactly the picture, a point to a pixel.
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Lavoro1"));
        pdf.setResolution(72);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!pdf.setPageSize(
                QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch))) {
            return false;
        }
        return paintOn(pdf, paint);
    }
    }
    return false;
}

// Writes what write puts on the file, which returns false when it could
// not, through a temporary file renamed over what path leads to; running out
// of memory is said by outOfMemory.
QString writeThrough(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const std::function<QString()>& outOfMemory,
                     const TemporaryFileOpened& opened) {
    // What the name leads to, read as the system reads it, in bytes: a
    // folder that links elsewhere, a link to a file not yet there, links that
    // go round. Only a regular file, or a new name in a folder, is written.
    const runtime::FileTarget target =
        runtime::resolveFileTarget(QFile::encodeName(path).constData());
    if (target.error != 0) {
        return cannotWrite(path, causeOf(target.error, {}));
    }
    if (target.kind == runtime::FileTarget::Kind::Folder) {
        return cannotWrite(path, translatedText("Pictures", "è una cartella"));
    }
    if (target.kind == runtime::FileTarget::Kind::Other) {
        return cannotWrite(path, translatedText("Pictures", "non è un file ordinario"));
    }
    // The folder reached through its descriptor: Qt makes names absolute
    // with the current folder's name, which it cannot hold unless UTF-8.
    const int folder = open(target.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        return cannotWrite(path, causeOf(errno, {}));
    }
    const auto closeFolder = qScopeGuard([folder] { close(folder); });
    const QByteArray throughFolder =
        "/proc/self/fd/" + QByteArray::number(folder) + '/' + target.name.c_str();
    const QString writtenPath = QFile::decodeName(throughFolder);
    if (QFile::encodeName(writtenPath) != throughFolder) {
        return cannotWrite(path, causeOf(EILSEQ, {}));
    }
    try {
        PictureFile file(writtenPath);
        // Qt's own words, for the rare failures with no system error, name
        // the file as the user did.
        const auto qtCause = [&] { return file.errorString().replace(writtenPath, path); };
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return cannotWrite(path, causeOf(errno, qtCause()));
        }
        if (opened) {
            opened(file.handle());
        }
        const bool written = write(file);
        if (file.writeError() != 0) {
            return cannotWrite(path, causeOf(file.writeError(), qtCause()));
        }
        if (!written) {
            return cannotWrite(path, qtCause());
        }
        // The name was checked before writing; a device, a FIFO or a link
        // put in the file's place since is not renamed over either (the
        // temporary file goes with file).
        if (!runtime::stillReplaceable(folder, target.name.c_str(), nullptr)) {
            return cannotWrite(path, translatedText("Pictures", "non è un file ordinario"));
        }
        errno = 0;
        if (!file.commit()) {
            return cannotWrite(path, causeOf(errno, qtCause()));
        }
        return {};
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

QString writePicture(const QString& path, QSize size, const QString& title,
                     const std::function<void(QPainter&)>& paint,
                     const TemporaryFileOpened& opened) {
    const std::optional<calc::PictureFormat> format = calc::pictureFormatOf(path.toStdString());
    if (!format) {
        return translatedText("Pictures", "Estensione sconosciuta in '%1': usare .svg, .png o .pdf")
            .arg(path);
    }
    if (size.width() < 1 || size.height() < 1) {
        return translatedText("Pictures", "Dimensioni non valide");
    }
    return writeThrough(
        path, [&](QIODevice& file) { return paintTo(file, *format, size, title, paint); },
        [&] { return outOfMemory(path, size); }, opened);
}

} // namespace

void paintDrawing(QPainter& painter, int step, QSize size, std::string_view decimalSeparator) {
    paintScene(painter, makeScene(step, QSizeF(size), decimalSeparator), lightColours());
}

void paintChart(QPainter& painter, const ConvergenceChart& chart, QSize size) {
    const std::unique_ptr<ConvergenceChart> copy = copyForExport(chart);
    const SceneColours colours = lightColours();
    painter.fillRect(QRect(QPoint(0, 0), size), colours.background);
    const QRectF chartArea(0, 0, size.width(), std::max(1, size.height() - noteHeight));
    {
        QGraphicsScene scene;
        scene.addItem(copy.get());
        // The scene deletes the items it still holds: copy is taken back
        // however rendering ends, out of memory included.
        const auto takeBack = qScopeGuard([&] { scene.removeItem(copy.get()); });
        copy->setGeometry(chartArea);
        scene.setSceneRect(chartArea);
        scene.render(&painter, chartArea, chartArea);
    }
    painter.setPen(colours.text);
    painter.setFont(sceneFont());
    painter.drawText(QRectF(10, chartArea.bottom(), size.width() - 20, noteHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, copy->note());
}

QString writeDrawing(const QString& path, int step, QSize size, std::string_view decimalSeparator,
                     const TemporaryFileOpened& opened) {
    return writePicture(
        path, size, translatedText("Pictures", "Poligoni al passo %1").arg(step),
        [&](QPainter& painter) { paintDrawing(painter, step, size, decimalSeparator); }, opened);
}

QString writeChart(const QString& path, const ConvergenceChart& chart, QSize size,
                   const TemporaryFileOpened& opened) {
    return writePicture(
        path, size, translatedText("Pictures", "Convergenza"),
        [&](QPainter& painter) { paintChart(painter, chart, size); }, opened);
}

QString writeFile(const QString& path, std::string_view contents) {
    return writeThrough(
        path,
        [&](QIODevice& file) {
            return file.write(contents.data(), static_cast<qint64>(contents.size())) ==
                   static_cast<qint64>(contents.size());
        },
        [&] { return cannotWrite(path, causeOf(ENOMEM, {})); }, {});
}

} // namespace pictures
