#include "calc/step_rows.hpp"
#include "certified/arb_values.hpp"
#include "pictures/convergence_chart.hpp"
#include "pictures/pictures.hpp"
#include "pictures/polygon_scene.hpp"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSet>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QValueAxis>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <numbers>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr QSize pictureSize(900, 600);

using Polygon = std::vector<QPointF>;

// The closed paths of an SVG document, each as its vertices without the
// closing repeat of the first: how QSvgGenerator writes drawn polygons.
std::vector<Polygon> closedPaths(const QByteArray& svg) {
    std::vector<Polygon> paths;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement ||
            reader.name() != QLatin1String("path")) {
            continue;
        }
        Polygon points;
        const QString d = reader.attributes().value(QLatin1String("d")).toString();
        static const QRegularExpression point(QStringLiteral("[ML]\\s*([-0-9.e]+),([-0-9.e]+)"));
        for (const QRegularExpressionMatch& match : point.globalMatch(d)) {
            points.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
        }
        if (points.size() > 3 && points.front() == points.back()) {
            points.pop_back();
            paths.push_back(points);
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return paths;
}

QByteArray paintedSvg(int step) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(pictureSize);
    svg.setViewBox(QRect(QPoint(0, 0), pictureSize));
    QPainter painter(&svg);
    pictures::paintScene(painter, pictures::makeScene(step, QSizeF(pictureSize), ","),
                         pictures::lightColours());
    painter.end();
    return buffer.data();
}

double distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// --- The main view -----------------------------------------------------------

class PaintedVertices : public ::testing::TestWithParam<int> {};

// The k-th vertex of the inscribed n-gon at (cos 2 pi k / n, sin 2 pi k / n),
// the circumscribed one's at the same angle and radius 1 / cos(pi / n), both
// within half a pixel, read back from what the painter drew.
TEST_P(PaintedVertices, LieWhereTheUnitCircleFormulaPutsThem) {
    const int step = GetParam();
    const pictures::PolygonScene scene = pictures::makeScene(step, QSizeF(pictureSize), ",");
    const std::vector<Polygon> polygons = closedPaths(paintedSvg(step));
    ASSERT_EQ(polygons.size(), 2u) << "the inscribed and the circumscribed polygon";
    const std::size_t n = std::size_t{6} << (step - 1);
    const long double pi = std::numbers::pi_v<long double>;
    const long double radii[] = {1.0L, 1.0L / std::cos(pi / static_cast<long double>(n))};
    for (std::size_t which = 0; which < 2; ++which) {
        SCOPED_TRACE(which == 0 ? "inscribed" : "circumscribed");
        const Polygon& drawn = polygons[which];
        ASSERT_EQ(drawn.size(), n);
        for (std::size_t k = 0; k < n; ++k) {
            const long double angle =
                2.0L * pi * static_cast<long double>(k) / static_cast<long double>(n);
            const long double r = radii[which] * static_cast<long double>(scene.radius);
            const QPointF expected(scene.centre.x() + static_cast<double>(r * std::cos(angle)),
                                   scene.centre.y() - static_cast<double>(r * std::sin(angle)));
            EXPECT_LE(distance(drawn[k], expected), 0.5) << "vertex " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, PaintedVertices, ::testing::Values(1, 2, 4),
                         [](const auto& test) { return "step" + std::to_string(test.param); });

// At step 500 the polygons have 1e151 vertices: only a few hundred are
// drawn, each a true vertex, and the drawn sides are not shorter than the
// smallest the view shows.
TEST(DrawnVertices, AreFewAndExactAtEveryStep) {
    for (const int step : {9, 10, 30, 500}) {
        SCOPED_TRACE(step);
        const pictures::PolygonScene scene = pictures::makeScene(step, QSizeF(pictureSize), ",");
        const double perimeter = 2.0 * std::numbers::pi * scene.radius;
        ASSERT_GT(scene.inscribed.size(), 6);
        EXPECT_LE(scene.inscribed.size(), perimeter / pictures::minimumSidePixels);
        EXPECT_GE(distance(scene.inscribed[0], scene.inscribed[1]), pictures::minimumSidePixels);
        EXPECT_EQ(scene.drawnEvery * static_cast<double>(scene.inscribed.size()), scene.sides);
        const auto last = static_cast<std::size_t>(scene.inscribed.size() - 1);
        // The last drawn vertex is vertex n - drawnEvery of the polygon.
        const double angle = -2.0 * std::numbers::pi / static_cast<double>(last + 1);
        const QPointF expected =
            scene.centre + QPointF(scene.radius * std::cos(angle), -scene.radius * std::sin(angle));
        EXPECT_LE(distance(scene.inscribed[static_cast<qsizetype>(last)], expected), 0.5);
    }
}

// --- The inset ---------------------------------------------------------------

// The height of the polyline over x, linearly between its points.
double heightAt(const QPolygonF& line, double x) {
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1];
        const QPointF b = line[i];
        if ((a.x() <= x && x <= b.x()) || (b.x() <= x && x <= a.x())) {
            return a.x() == b.x() ? a.y() : a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
        }
    }
    ADD_FAILURE() << "x = " << x << " outside the polyline";
    return 0.0;
}

// The gap the inset magnifies, 1 - cos(pi / n), from Arb's pi at 1400 bits
// (the cosine of pi / n, n up to 1e151, is 1 to 1000 bits) and rounded to
// binary64: proven, and independent of the drawing's own formulas.
double provenSagitta(int step) {
    constexpr slong bits = 1400;
    certified::Ball angle;
    arb_const_pi(angle, bits);
    arb_div_ui(angle, angle, 6, bits);
    arb_mul_2exp_si(angle, angle, 1 - step);
    certified::Ball sagitta;
    arb_cos(sagitta, angle, bits);
    arb_neg(sagitta, sagitta);
    arb_add_ui(sagitta, sagitta, 1, bits);
    EXPECT_GT(arb_rel_accuracy_bits(sagitta), 60);
    const arb_struct* proven = sagitta;
    return arf_get_d(arb_midref(proven), ARF_RND_NEAR);
}

// The followed side's ends: the middle two of the inset's vertices.
std::pair<QPointF, QPointF> followedSide(const QPolygonF& vertices) {
    const qsizetype middle = vertices.size() / 2;
    return {vertices[middle - 1], vertices[middle]};
}

// The inscribed side sags below the arc at its middle, and the circumscribed
// polygon's vertex, where in view, stands above the arc: both gaps at least 3
// pixels, at every step, also where the gap is far below binary64's ulp of 1.
TEST(Inset, KeepsCircleAndPolygonsPixelsApartAtEveryStep) {
    for (int step = calc::minimumSteps; step <= calc::maximumSteps; ++step) {
        SCOPED_TRACE(step);
        const pictures::PolygonScene scene = pictures::makeScene(step, QSizeF(pictureSize), ",");
        const QRectF frame = scene.insetFrame.adjusted(-0.5, -0.5, 0.5, 0.5);
        const auto [from, to] = followedSide(scene.insetInscribed);
        ASSERT_TRUE(frame.contains(from) && frame.contains(to));
        const double middle = (from.x() + to.x()) / 2.0;
        ASSERT_GE(heightAt(scene.insetInscribed, middle) - heightAt(scene.insetCircle, middle), 3.0)
            << "inscribed side below the arc (y grows downwards)";
        const QPointF outerVertex = followedSide(scene.insetCircumscribed).second;
        if (frame.contains(outerVertex)) {
            ASSERT_GE(heightAt(scene.insetCircle, outerVertex.x()) - outerVertex.y(), 3.0)
                << "circumscribed vertex above the arc";
        }
    }
}

// The gap the inset draws is the proven one times the stated magnification,
// over a frame 1 radius high at x 1; the same rung at any size of drawing,
// and the gap seen shrinking from one step to the next within a rung.
TEST(Inset, StatesTheMagnificationOfTheProvenGapWhateverTheSize) {
    const struct {
        int step;
        const char* across;
        double power;
    } rows[] = {{1, "× 1,0 verso", 1.0},          {3, "× 10,0 verso", 1e1},
                {4, "× 100,0 verso", 1e2},        {21, "× 1,00·10¹² verso", 1e12},
                {100, "× 1,00·10⁶⁰ verso", 1e60}, {500, "× 1,00·10³⁰¹ verso", 1e301}};
    const auto drawnGapShare = [](const pictures::PolygonScene& scene) {
        const auto [from, to] = followedSide(scene.insetInscribed);
        const double middle = (from.x() + to.x()) / 2.0;
        return (heightAt(scene.insetInscribed, middle) - heightAt(scene.insetCircle, middle)) /
               scene.insetFrame.height();
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        for (const QSizeF size : {QSizeF(pictureSize), QSizeF(1920, 1000), QSizeF(360, 640)}) {
            const pictures::PolygonScene scene = pictures::makeScene(row.step, size, ",");
            EXPECT_TRUE(scene.insetCaption[1].startsWith(QString::fromUtf8(row.across)))
                << scene.insetCaption[1].toStdString();
            EXPECT_EQ(scene.acrossZoom, row.power);
            const double share = drawnGapShare(scene);
            EXPECT_NEAR(share / (provenSagitta(row.step) * row.power), 1.0, 1e-9);
            EXPECT_TRUE(share > 0.07 && share <= 0.7) << "the highest rung that keeps it in view";
        }
    }
    const double share2 = drawnGapShare(pictures::makeScene(2, QSizeF(pictureSize), ","));
    const double share3 = drawnGapShare(pictures::makeScene(3, QSizeF(pictureSize), ","));
    const double share4 = drawnGapShare(pictures::makeScene(4, QSizeF(pictureSize), ","));
    EXPECT_NEAR(share2 / share3, 4.0, 0.1) << "the same rung: the gap a quarter";
    EXPECT_NEAR(share4 / share3, 2.5, 0.1) << "ten times the magnification, a quarter the gap";
}

TEST(Scene, NamesTheSidesWithTheLocalesSeparator) {
    EXPECT_EQ(pictures::makeScene(2, QSizeF(pictureSize), ",").title,
              "Passo 2: poligoni di 12 lati");
    EXPECT_EQ(pictures::makeScene(500, QSizeF(pictureSize), ",").title,
              "Passo 500: poligoni di 9,820E+150 lati");
    EXPECT_EQ(pictures::makeScene(500, QSizeF(pictureSize), ".").title,
              "Passo 500: poligoni di 9.820E+150 lati");
}

// Every text fits in the drawing, at the size of Esplora's drawing in a
// 1280 x 704 window and at others, and the layout stays put from step to
// step: the longest title is step 50's, the widest captions step 500's.
TEST(Scene, FitsItsTextsInTheSameLayoutAtEveryStep) {
    const QFontMetricsF metrics(pictures::sceneFont());
    for (const QSizeF size : {QSizeF(665, 650), QSizeF(1280, 704), QSizeF(pictureSize)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        const QRectF frame = pictures::makeScene(1, size, ",").insetFrame;
        for (const int step : {1, 40, 50, 500}) {
            SCOPED_TRACE(step);
            const pictures::PolygonScene scene = pictures::makeScene(step, size, ",");
            EXPECT_EQ(scene.insetFrame, frame);
            EXPECT_LE(scene.textOrigin.x() + metrics.horizontalAdvance(scene.title), size.width())
                << scene.title.toStdString();
            for (const QString& line : scene.insetCaption) {
                EXPECT_LE(scene.captionOrigin.x() + metrics.horizontalAdvance(line), size.width())
                    << line.toStdString();
            }
        }
    }
}

// --- Files -------------------------------------------------------------------

class PictureFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { rows = calc::stepRows(500); }
    QString path(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }
    QByteArray contents(const QString& file) const {
        QFile read(file);
        EXPECT_TRUE(read.open(QIODevice::ReadOnly)) << file.toStdString();
        return read.readAll();
    }
    std::unique_ptr<pictures::ConvergenceChart> chartOf(int steps) const {
        auto chart = pictures::makeConvergenceChart(rows);
        chart->setShownSteps(steps);
        return chart;
    }

    static std::vector<calc::StepRow> rows;
    QTemporaryDir directory;
};
std::vector<calc::StepRow> PictureFiles::rows;

TEST_F(PictureFiles, SvgOfStep2ParsesAndHoldsTwoPolygonsOf12Vertices) {
    ASSERT_EQ(pictures::writeDrawing(path("poligoni.svg"), 2, pictureSize, ","), "");
    const std::vector<Polygon> polygons = closedPaths(contents(path("poligoni.svg")));
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].size(), 12u);
    EXPECT_EQ(polygons[1].size(), 12u);
    QXmlStreamReader reader(contents(path("poligoni.svg")));
    reader.readNextStartElement();
    EXPECT_EQ(reader.name(), QLatin1String("svg"));
    EXPECT_EQ(reader.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 900 600"));
}

TEST_F(PictureFiles, PngAndPdfHaveTheAskedSize) {
    const QSize asked(640, 480);
    const std::unique_ptr<pictures::ConvergenceChart> chart = chartOf(40);
    const struct {
        const char* name;
        QString error;
    } written[] = {
        {"poligoni.png", pictures::writeDrawing(path("poligoni.png"), 7, asked, ",")},
        {"grafico.png", pictures::writeChart(path("grafico.png"), *chart, asked)},
        {"poligoni.pdf", pictures::writeDrawing(path("poligoni.pdf"), 7, asked, ",")},
        {"grafico.pdf", pictures::writeChart(path("grafico.pdf"), *chart, asked)},
    };
    for (const auto& file : written) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(file.error, "");
        const QByteArray bytes = contents(path(file.name));
        ASSERT_FALSE(bytes.isEmpty());
        if (QString::fromLatin1(file.name).endsWith(QLatin1String(".png"))) {
            const QImage image = QImage::fromData(bytes, "PNG");
            EXPECT_EQ(image.size(), asked);
            // Not blank: drawn in more than the background's colour.
            const QImage small = image.scaled(64, 64);
            QSet<QRgb> colours;
            for (int y = 0; y < small.height(); ++y) {
                for (int x = 0; x < small.width(); ++x) {
                    colours.insert(small.pixel(x, y));
                }
            }
            EXPECT_GT(colours.size(), 3);
        } else {
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
            EXPECT_TRUE(bytes.contains("/MediaBox [0 0 640.000000 480.000000]"))
                << "a 640 x 480 point page";
        }
    }
}

// Qt's raster engine can share a large fill among the threads of the global
// pool and wait for them: with none to be had, as when no thread can start
// under a limit of processes or memory, a PNG must still be written. Here
// every thread of the pool is held until the PNGs are written, for a minute
// at most.
TEST_F(PictureFiles, PngIsWrittenWithNoThreadOfThePool) {
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int threads = pool.maxThreadCount();
    QSemaphore held;
    QSemaphore written;
    std::atomic<bool> heldInVain = false;
    for (int thread = 0; thread < threads; ++thread) {
        pool.start([&] {
            held.release();
            heldInVain = heldInVain || !written.tryAcquire(1, 60000);
        });
    }
    held.acquire(threads);
    const std::unique_ptr<pictures::ConvergenceChart> chart = chartOf(40);
    const QSize large(1500, 1000);
    EXPECT_EQ(pictures::writeDrawing(path("poligoni.png"), 40, large, ","), "");
    EXPECT_EQ(pictures::writeChart(path("grafico.png"), *chart, large), "");
    written.release(threads);
    pool.waitForDone();
    EXPECT_FALSE(heldInVain);
}

TEST_F(PictureFiles, ChartSvgNamesItsSeriesAndTheRunOutStep) {
    const std::unique_ptr<pictures::ConvergenceChart> chart = chartOf(40);
    ASSERT_EQ(pictures::writeChart(path("grafico.svg"), *chart, pictureSize), "");
    const QByteArray svg = contents(path("grafico.svg"));
    QXmlStreamReader reader(svg);
    QStringList texts;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1String("text")) {
            texts.append(reader.readElementText());
        }
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    const QString all = texts.join(QLatin1Char('|'));
    for (const char* expected :
         {"Limite inferiore", "Limite superiore", "Differenza", "Dimostrate: raddoppi",
          "Dimostrate: Huygens", "Dimostrate: Richardson", "binary64 esaurito (passo 26)",
          "Dal passo 26"}) {
        EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected;
    }
}

// The inset's lines end at its frame in every format: below the frame and
// its three lines of text nothing is drawn. (SVG output ignores a painter's
// clipping, so the lines must be cut before they are drawn.)
TEST_F(PictureFiles, InsetLinesStayInsideTheirFrameInSvgAndPng) {
    ASSERT_EQ(pictures::writeDrawing(path("poligoni.svg"), 4, pictureSize, ","), "");
    ASSERT_EQ(pictures::writeDrawing(path("poligoni.png"), 4, pictureSize, ","), "");
    QSvgRenderer renderer(path("poligoni.svg"));
    ASSERT_TRUE(renderer.isValid());
    QImage fromSvg(pictureSize, QImage::Format_ARGB32);
    fromSvg.fill(Qt::white);
    QPainter painter(&fromSvg);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pictureSize)));
    painter.end();

    // From the right of the main view's polygons to the edge, under the texts.
    const pictures::PolygonScene scene = pictures::makeScene(4, QSizeF(pictureSize), ",");
    const int left = static_cast<int>(scene.centre.x() + 1.01 * scene.radius) + 3;
    const int top = static_cast<int>(scene.insetFrame.bottom()) + 62;
    const QRect below(left, top, pictureSize.width() - left, pictureSize.height() - top);
    ASSERT_LT(left, scene.insetFrame.left());
    ASSERT_GT(below.height(), 20);
    for (const auto& [format, image] :
         {std::pair{"svg", fromSvg}, std::pair{"png", QImage(path("poligoni.png"))}}) {
        SCOPED_TRACE(format);
        int drawn = 0;
        for (int y = below.top(); y <= below.bottom(); ++y) {
            for (int x = below.left(); x <= below.right(); ++x) {
                drawn += qGray(image.pixel(x, y)) < 240 ? 1 : 0;
            }
        }
        EXPECT_EQ(drawn, 0) << "pixels drawn below the inset";
    }
}

TEST_F(PictureFiles, RefusesAnUnknownExtensionAndWritesNothing) {
    const QString error = pictures::writeDrawing(path("poligoni.gif"), 2, pictureSize, ",");
    EXPECT_TRUE(error.contains(QLatin1String(".svg, .png o .pdf"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path("poligoni.gif")));
    EXPECT_EQ(calc::pictureFormatOf("A.PDF"), calc::PictureFormat::Pdf);
}

// What another program may put in the file's place while the picture is
// drawn: only a regular file is then replaced, and what is there stays.
TEST_F(PictureFiles, ReplacesOnlyARegularFilePutInItsPlaceMeanwhile) {
    const struct {
        const char* what;
        std::function<void(const QByteArray&)> put;
        bool replaced;
    } cases[] = {
        {"a FIFO", [](const QByteArray& name) { ASSERT_EQ(mkfifo(name.constData(), 0600), 0); },
         false},
        {"a link",
         [](const QByteArray& name) { ASSERT_EQ(symlink("altrove", name.constData()), 0); }, false},
        {"another regular file",
         [](const QByteArray& name) {
             QFile file(QFile::decodeName(name));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const QByteArray name = QFile::encodeName(path("poligoni.svg"));
        QFile::remove(path("poligoni.svg"));
        ASSERT_TRUE(QFile(path("poligoni.svg")).open(QIODevice::WriteOnly));
        const QString error =
            pictures::writeDrawing(path("poligoni.svg"), 2, pictureSize, ",", [&](int) {
                ASSERT_EQ(unlink(name.constData()), 0);
                row.put(name);
            });
        struct stat status {};
        ASSERT_EQ(lstat(name.constData(), &status), 0);
        EXPECT_EQ(S_ISREG(status.st_mode), row.replaced);
        EXPECT_EQ(error.isEmpty(), row.replaced) << error.toStdString();
        EXPECT_EQ(
            QDir(directory.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 1)
            << "the temporary file stays";
        unlink(name.constData());
    }
}

} // namespace

// Step labels up to "500" need about 30 pixels each: a narrow chart labels
// fewer steps rather than eliding them, and a wide one still labels ten.
TEST_F(PictureFiles, StepLabelsHaveRoomAtEveryWidth) {
    for (const int width : {320, 500, 900, 1600}) {
        SCOPED_TRACE(width);
        const std::unique_ptr<pictures::ConvergenceChart> chart = chartOf(500);
        chart->resize(width, 400);
        QApplication::processEvents();
        const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
        const double intervals = 499.0 / axis->tickInterval();
        EXPECT_GE(chart->plotArea().width() / intervals, 30.0);
        EXPECT_LE(intervals, 10.0);
        if (width >= 900) {
            EXPECT_EQ(axis->tickInterval(), 50.0);
        }
    }
}
