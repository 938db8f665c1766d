// Draws Tessivo's pictures into the folder given on the command line:
// the application icon (two sizes), three toolbar icons, the list header
// strip and the preview's placeholder picture. Everything is vector drawing
// with QPainter, so the results only depend on Qt and the "Sans" font.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Colours shared by the pictures.
const QColor kWindow(43, 43, 43);        // the preview and window background
const QColor kLightShape(236, 236, 236); // toolbar glyph fill
const QColor kHalo(52, 52, 52, 210);     // edge that keeps light glyphs visible on light bars
const QColor kAccentBlue(64, 156, 255);
const QColor kAccentOrange(255, 160, 48);

// --- Helpers -----------------------------------------------------------------

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void startPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Separable box blur, three passes approximate a Gaussian; used for soft shadows.
void blur(QImage& image, int radius) {
    const int w = image.width();
    const int h = image.height();
    std::vector<QRgb> line(static_cast<size_t>(std::max(w, h)));
    auto pass = [&](int count, int length, auto pixel) {
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j)
                line[static_cast<size_t>(j)] = *pixel(i, j);
            for (int j = 0; j < length; ++j) {
                int sum[4] = {0, 0, 0, 0};
                int n = 0;
                for (int k = std::max(0, j - radius); k <= std::min(length - 1, j + radius); ++k, ++n) {
                    const QRgb c = line[static_cast<size_t>(k)];
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                    sum[3] += qAlpha(c);
                }
                *pixel(i, j) = qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
            }
        }
    };
    for (int p = 0; p < 3; ++p) {
        pass(h, w, [&](int y, int x) { return reinterpret_cast<QRgb*>(image.scanLine(y)) + x; });
        pass(w, h, [&](int x, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)) + x; });
    }
}

// Paints a soft shadow of whatever `shape` draws, offset by (dx, dy).
void drawShadow(QPainter& target, QSize size, qreal dx, qreal dy, int radius, int alpha,
                const std::function<void(QPainter&)>& shape) {
    QImage shadow = transparentImage(size.width(), size.height());
    {
        QPainter p(&shadow);
        startPainter(p);
        p.translate(dx, dy);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, alpha));
        shape(p);
    }
    blur(shadow, radius);
    target.drawImage(0, 0, shadow);
}

// Strokes `path` twice: a darker, wider edge first, then the light line, so
// the glyph stands out on dark and light toolbars alike.
void strokeWithHalo(QPainter& p, const QPainterPath& path, qreal width, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kHalo, width + 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void fillWithHalo(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    p.setPen(QPen(kHalo, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

QFont sansPixels(int pixels, QFont::Weight weight) {
    QFont font("Sans");
    font.setPixelSize(pixels);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// --- The landscape photo -----------------------------------------------------

// Sky, sun and two hills filling `r`; `detail` false drops the finer touches
// that would only be noise at toolbar size.
void drawLandscape(QPainter& p, const QRectF& r, bool detail) {
    p.save();
    p.setClipRect(r);
    p.setPen(Qt::NoPen);

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(46, 118, 210));
    sky.setColorAt(0.75, QColor(150, 200, 245));
    sky.setColorAt(1.0, QColor(205, 230, 250));
    p.fillRect(r, sky);

    const QPointF sunCentre(r.left() + r.width() * 0.70, r.top() + r.height() * 0.34);
    const qreal sunRadius = std::min(r.width(), r.height()) * 0.13;
    if (detail) {
        QRadialGradient glow(sunCentre, sunRadius * 2.6);
        glow.setColorAt(0.0, QColor(255, 240, 190, 150));
        glow.setColorAt(1.0, QColor(255, 240, 190, 0));
        p.setBrush(glow);
        p.drawEllipse(sunCentre, sunRadius * 2.6, sunRadius * 2.6);
    }
    QRadialGradient sun(sunCentre - QPointF(sunRadius * 0.3, sunRadius * 0.3), sunRadius * 1.2);
    sun.setColorAt(0.0, QColor(255, 246, 170));
    sun.setColorAt(1.0, kAccentOrange);
    p.setBrush(sun);
    p.drawEllipse(sunCentre, sunRadius, sunRadius);

    auto at = [&](qreal fx, qreal fy) {
        return QPointF(r.left() + r.width() * fx, r.top() + r.height() * fy);
    };

    QPainterPath far;
    far.moveTo(at(0.0, 0.72));
    far.cubicTo(at(0.18, 0.52), at(0.36, 0.50), at(0.55, 0.64));
    far.cubicTo(at(0.70, 0.74), at(0.86, 0.58), at(1.0, 0.62));
    far.lineTo(at(1.0, 1.0));
    far.lineTo(at(0.0, 1.0));
    far.closeSubpath();
    QLinearGradient farFill(at(0, 0.5), at(0, 1.0));
    farFill.setColorAt(0.0, QColor(128, 186, 104));
    farFill.setColorAt(1.0, QColor(84, 150, 80));
    p.setBrush(farFill);
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(at(0.0, 0.92));
    near.cubicTo(at(0.25, 0.66), at(0.52, 0.70), at(0.72, 0.84));
    near.cubicTo(at(0.84, 0.92), at(0.94, 0.86), at(1.0, 0.84));
    near.lineTo(at(1.0, 1.0));
    near.lineTo(at(0.0, 1.0));
    near.closeSubpath();
    QLinearGradient nearFill(at(0, 0.7), at(0, 1.0));
    nearFill.setColorAt(0.0, QColor(64, 140, 70));
    nearFill.setColorAt(1.0, QColor(36, 104, 52));
    p.setBrush(nearFill);
    p.drawPath(near);

    p.restore();
}

// A white-bordered print of the landscape, centred on `centre` and turned by
// `degrees`; `border` is the width of the white margin.
void drawPrint(QPainter& p, QPointF centre, QSizeF size, qreal degrees, qreal border) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    const QRectF outer(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    QLinearGradient paper(outer.topLeft(), outer.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(232, 234, 238));
    p.setPen(QPen(QColor(0, 0, 0, 70), 0.8));
    p.setBrush(paper);
    p.drawRoundedRect(outer, border * 0.5, border * 0.5);
    drawLandscape(p, outer.adjusted(border, border, -border, -border), true);
    p.restore();
}

// --- Application icon ----------------------------------------------------------

// The design lives on a 128-unit grid and is painted directly at the target
// size, so the small icon is rendered from the shapes, not scaled from pixels.
QImage drawAppIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter p(&image);
    startPainter(p);
    const qreal unit = size / 128.0;

    const QPointF bigCentre(54 * unit, 50 * unit);
    const QSizeF bigSize(86 * unit, 68 * unit);
    const qreal bigAngle = -8;
    const QPointF smallCentre(90 * unit, 89 * unit);
    const QSizeF smallSize(54 * unit, 42 * unit);
    const qreal smallAngle = 6;
    const int shadowRadius = std::max(2, qRound(4 * unit));

    auto printShape = [](QPointF c, QSizeF s, qreal a) {
        return [=](QPainter& sp) {
            sp.translate(c);
            sp.rotate(a);
            sp.drawRect(QRectF(-s.width() / 2, -s.height() / 2, s.width(), s.height()));
        };
    };
    drawShadow(p, image.size(), 0, 3 * unit, shadowRadius, 150, printShape(bigCentre, bigSize, bigAngle));
    drawPrint(p, bigCentre, bigSize, bigAngle, 5 * unit);
    drawShadow(p, image.size(), 0, 3 * unit, shadowRadius, 170,
               printShape(smallCentre, smallSize, smallAngle));
    drawPrint(p, smallCentre, smallSize, smallAngle, 3.5 * unit);

    // The curved arrow from the large print down to its smaller copy.
    const QPointF start(25 * unit, 97 * unit);
    const QPointF shaftEnd(50 * unit, 112 * unit);
    const QPointF tip(61 * unit, 107 * unit);
    QPainterPath shaft;
    shaft.moveTo(start);
    shaft.cubicTo(25 * unit, 110 * unit, 36 * unit, 116 * unit, shaftEnd.x(), shaftEnd.y());
    const QPointF along = (tip - shaftEnd) / std::hypot(tip.x() - shaftEnd.x(), tip.y() - shaftEnd.y());
    const QPointF across(-along.y(), along.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(shaftEnd - along * 2 * unit + across * 8 * unit);
    head.lineTo(shaftEnd - along * 2 * unit - across * 8 * unit);
    head.closeSubpath();

    const QColor edge(178, 92, 16);
    for (const auto& [colour, grow] : {std::pair{edge, 2.6}, std::pair{kAccentOrange, 0.0}}) {
        p.setPen(QPen(colour, (5.5 + grow) * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shaft);
        p.setPen(QPen(colour, (1.5 + grow) * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(colour);
        p.drawPath(head);
    }
    return image;
}

// --- Toolbar icons (32 x 32) -----------------------------------------------------

// A small photo card with the landscape: light frame, photo inset by 2.
void drawCard(QPainter& p, const QRectF& r) {
    QPainterPath frame;
    frame.addRoundedRect(r, 1.5, 1.5);
    fillWithHalo(p, frame, kLightShape);
    drawLandscape(p, r.adjusted(2, 2, -2, -2), false);
}

// Open: a stack of three photos.
QImage drawOpenIcon() {
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    startPainter(p);
    for (const QRectF& back : {QRectF(10.5, 4.5, 19, 15), QRectF(7.5, 7.5, 19, 15)}) {
        QPainterPath card;
        card.addRoundedRect(back, 1.5, 1.5);
        fillWithHalo(p, card, QColor(196, 198, 202));
    }
    drawCard(p, QRectF(3.5, 11.5, 21, 16));
    return image;
}

// Save: a photo sending a downward arrow into a tray.
QImage drawSaveIcon() {
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    startPainter(p);
    drawCard(p, QRectF(7.5, 2.5, 17, 13));

    QPainterPath tray;
    tray.moveTo(4.5, 20.5);
    tray.lineTo(4.5, 27.5);
    tray.lineTo(27.5, 27.5);
    tray.lineTo(27.5, 20.5);
    strokeWithHalo(p, tray, 2.4, kLightShape);

    QPainterPath arrow;
    arrow.moveTo(16, 12.5);
    arrow.lineTo(16, 23);
    arrow.moveTo(11.5, 18.5);
    arrow.lineTo(16, 23);
    arrow.lineTo(20.5, 18.5);
    strokeWithHalo(p, arrow, 2.6, kAccentBlue);
    return image;
}

// The digits 1, 2 and 3 as strokes in a 4.5 x 8 box at (x, y): drawn rather
// than typeset, so they stay crisp at toolbar size whatever fonts are present.
QPainterPath numbering(qreal x, qreal y) {
    QPainterPath digits;
    digits.moveTo(x + 0.6, y + 1.8); // 1
    digits.lineTo(x + 2.6, y);
    digits.lineTo(x + 2.6, y + 8);

    x += 5.5; // 2
    digits.moveTo(x, y + 1.4);
    digits.cubicTo(x + 1.2, y - 0.6, x + 4.6, y - 0.2, x + 4.4, y + 2.4);
    digits.cubicTo(x + 4.3, y + 3.8, x + 1.0, y + 6.0, x, y + 8);
    digits.lineTo(x + 4.6, y + 8);

    x += 6.0; // 3
    digits.moveTo(x, y + 0.8);
    digits.cubicTo(x + 1.6, y - 0.5, x + 4.4, y + 0.1, x + 4.2, y + 2.0);
    digits.cubicTo(x + 4.1, y + 3.4, x + 2.6, y + 3.7, x + 1.6, y + 3.7);
    digits.cubicTo(x + 3.2, y + 3.7, x + 4.8, y + 4.4, x + 4.6, y + 6.0);
    digits.cubicTo(x + 4.4, y + 8.3, x + 1.2, y + 8.6, x, y + 7.2);
    return digits;
}

// Rename: a numbered tag with a text cursor after the number.
QImage drawRenameIcon() {
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    startPainter(p);

    QPainterPath tag;
    tag.moveTo(1.5, 16);
    tag.lineTo(6.5, 9.5);
    tag.lineTo(29.5, 9.5);
    tag.lineTo(29.5, 22.5);
    tag.lineTo(6.5, 22.5);
    tag.closeSubpath();
    fillWithHalo(p, tag, kLightShape);
    p.setPen(QPen(kHalo, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5.5, 16), 1.3, 1.3);

    p.setPen(QPen(QColor(48, 48, 48), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(numbering(7.8, 12));

    QPainterPath cursor;
    cursor.moveTo(26.5, 6.5);
    cursor.lineTo(26.5, 25.5);
    cursor.moveTo(24.8, 6.5);
    cursor.lineTo(28.2, 6.5);
    cursor.moveTo(24.8, 25.5);
    cursor.lineTo(28.2, 25.5);
    strokeWithHalo(p, cursor, 1.5, kAccentBlue);
    return image;
}

// --- List header strip -------------------------------------------------------------

QImage drawListHeader() {
    QImage image(162, 33, QImage::Format_RGB32);
    QPainter p(&image);
    // Light, like the list rows below it, so that the black "Images" caption
    // the window draws over it reads well.
    QLinearGradient fill(0, 0, 0, image.height());
    fill.setColorAt(0.0, QColor(236, 236, 239));
    fill.setColorAt(1.0, QColor(200, 199, 205));
    p.fillRect(image.rect(), fill);
    p.fillRect(QRect(0, 0, image.width(), 1), QColor(250, 250, 252));
    p.fillRect(QRect(0, image.height() - 1, image.width(), 1), QColor(150, 149, 156));
    return image;
}

// --- Preview placeholder --------------------------------------------------------

// Shown fitted (never enlarged) on the preview's dark background, so its edges
// are exactly the window colour and it sits in the preview without a seam.
QImage drawSplash() {
    QImage image(560, 400, QImage::Format_RGB32);
    QPainter p(&image);
    startPainter(p);

    QRadialGradient light(QPointF(280, 190), 185);
    light.setColorAt(0.0, QColor(60, 60, 62));
    light.setColorAt(1.0, kWindow);
    p.fillRect(image.rect(), kWindow);
    p.fillRect(image.rect(), light);

    const QImage icon = drawAppIcon(160);
    p.drawImage(QPointF(280 - 80, 52), icon);

    p.setPen(QColor(222, 222, 222));
    p.setFont(sansPixels(38, QFont::DemiBold));
    p.drawText(QRectF(0, 228, 560, 50), Qt::AlignCenter, QStringLiteral("Tessivo"));

    p.setPen(QColor(160, 160, 160));
    p.setFont(sansPixels(16, QFont::Normal));
    p.drawText(QRectF(0, 282, 560, 30), Qt::AlignCenter,
               QStringLiteral("Open a photo or a folder of photos to begin."));
    return image;
}

// --- Output -------------------------------------------------------------------------

struct Output {
    const char* fileName;
    QImage (*draw)();
    const char* format;
    int quality;     // -1: the writer's default
    int compression; // -1: the writer's default; TIFF: 1 = LZW
};

bool writeOutput(const QDir& folder, const Output& out) {
    const QString path = folder.filePath(QString::fromLatin1(out.fileName));
    QImageWriter writer(path, out.format);
    if (out.quality >= 0)
        writer.setQuality(out.quality);
    if (out.compression >= 0)
        writer.setCompression(out.compression);
    if (!writer.write(out.draw())) {
        std::fprintf(stderr, "draw_resources: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Only fonts are needed from the platform; run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_resources OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "draw_resources: no such folder: %s\n", argv[1]);
        return 2;
    }

    const Output outputs[] = {
        {"tvoWindowCleanIcon128.png", [] { return drawAppIcon(128); }, "png", -1, -1},
        {"tvoWindowCleanIcon96.png", [] { return drawAppIcon(96); }, "png", -1, -1},
        {"images.png", drawOpenIcon, "png", -1, -1},
        {"save.png", drawSaveIcon, "png", -1, -1},
        {"rename.png", drawRenameIcon, "png", -1, -1},
        {"listboxHeadercopy2.tif", drawListHeader, "tiff", -1, 1},
        {"splashimageqz3.jpg", drawSplash, "jpeg", 92, -1},
    };
    bool ok = true;
    for (const Output& out : outputs)
        ok = writeOutput(folder, out) && ok;
    return ok ? 0 : 1;
}
