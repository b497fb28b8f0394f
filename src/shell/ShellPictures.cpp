#include "shell/ShellPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr double TwoPi = 6.283185307179586;

struct Rosette {
    QPointF centre;
    double radius = 0;
    double depth = 0; // how far the petals swing in and out of the radius
    int petals = 0;
    int curves = 0;
};

struct WovenBand {
    double middle = 0; // vertical centre
    double amplitude = 0;
    double wavelength = 0;
    int curves = 0;
};

QPixmap blankPicture(const QSize &size)
{
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    picture.fill(Qt::black);
    return picture;
}

void fillVertically(QPainter &painter, const QSize &size, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
}

void fillRadially(QPainter &painter, const QSize &size, const QColor &centre, const QColor &edge)
{
    const QPointF middle(size.width() / 2.0, size.height() / 2.0);
    QRadialGradient gradient(middle, std::hypot(middle.x(), middle.y()));
    gradient.setColorAt(0, centre);
    gradient.setColorAt(1, edge);
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
}

// Closed curves whose radius swings around the same circle, each a step further out of
// phase than the last, so that together they weave a ring of petals.
void drawRosette(QPainter &painter, const Rosette &rosette, const QColor &colour)
{
    painter.setPen(QPen(colour, 0.8));
    painter.setBrush(Qt::NoBrush);
    const int steps = 1440;
    for (int curve = 0; curve < rosette.curves; ++curve) {
        const double phase = curve * TwoPi * 0.35 / rosette.curves;
        QPainterPath path;
        for (int step = 0; step <= steps; ++step) {
            const double angle = step * TwoPi / steps;
            const double swell = 0.7 + 0.3 * std::cos(rosette.petals / 2 * angle);
            const double radius =
                rosette.radius + rosette.depth * swell * std::sin(rosette.petals * angle + phase);
            const QPointF point(rosette.centre.x() + radius * std::cos(angle),
                                rosette.centre.y() + radius * std::sin(angle));
            if (step == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        painter.drawPath(path);
    }
}

// Waves across the whole width, phase-shifted against each other and swelling and
// narrowing along the band.
void drawWovenBand(QPainter &painter, const QSize &size, const WovenBand &band, const QColor &colour)
{
    painter.setPen(QPen(colour, 0.8));
    painter.setBrush(Qt::NoBrush);
    for (int curve = 0; curve < band.curves; ++curve) {
        const double phase = curve * TwoPi / band.curves;
        QPainterPath path;
        for (int x = 0; x <= size.width(); x += 2) {
            const double swell = 0.65 + 0.35 * std::cos(TwoPi * x / (3.2 * band.wavelength));
            const double y = band.middle
                             + band.amplitude * swell * std::sin(TwoPi * x / band.wavelength + phase);
            if (x == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        painter.drawPath(path);
    }
}

void drawFrame(QPainter &painter, const QSize &size, int inset, const QColor &colour)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(inset + 0.5, inset + 0.5, size.width() - 2 * inset - 1,
                            size.height() - 2 * inset - 1));
}

} // namespace

QPixmap ShellPictures::loginBackground(const QSize &size)
{
    QPixmap picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertically(painter, picture.size(), QColor(10, 22, 52), QColor(4, 58, 78));
    const double height = picture.height();
    drawWovenBand(painter, picture.size(), {height * 0.52, height * 0.16, picture.width() / 4.0, 14},
                  QColor(130, 205, 235, 42));
    drawWovenBand(painter, picture.size(), {height * 0.86, height * 0.05, picture.width() / 9.0, 8},
                  QColor(212, 175, 55, 60));
    drawFrame(painter, picture.size(), 5, QColor(212, 175, 55, 140));
    return picture;
}

QPixmap ShellPictures::mainBackground(const QSize &size)
{
    QPixmap picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRadially(painter, picture.size(), QColor(0, 0, 192), QColor(0, 0, 72));
    const QPointF centre(picture.width() / 2.0, picture.height() / 2.0);
    const double radius = std::min(picture.width(), picture.height()) * 0.30;
    drawRosette(painter, {centre, radius, radius * 0.18, 12, 36}, QColor(150, 185, 255, 55));
    drawRosette(painter, {centre, radius * 0.45, radius * 0.08, 8, 24}, QColor(212, 175, 55, 70));
    drawWovenBand(painter, picture.size(),
                  {picture.height() - 28.0, 10, picture.width() / 24.0, 10}, QColor(150, 185, 255, 45));
    return picture;
}

QPixmap ShellPictures::aboutPicture(const QSize &size)
{
    QPixmap picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRadially(painter, picture.size(), QColor(48, 6, 10), Qt::black);
    const QPointF centre(picture.width() / 2.0, picture.height() / 2.0);
    const double radius = std::min(picture.width(), picture.height()) * 0.36;
    drawRosette(painter, {centre, radius, radius * 0.16, 10, 30}, QColor(220, 60, 60, 50));
    drawRosette(painter, {centre, radius * 0.55, radius * 0.10, 6, 18}, QColor(212, 175, 55, 45));
    return picture;
}

QPixmap ShellPictures::splashPicture(const QSize &size)
{
    QPixmap picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillVertically(painter, picture.size(), QColor(10, 22, 52), QColor(4, 58, 78));
    const double height = picture.height();
    drawWovenBand(painter, picture.size(), {height * 0.62, height * 0.12, picture.width() / 3.0, 12},
                  QColor(130, 205, 235, 45));
    drawRosette(painter, {QPointF(height * 0.42, height * 0.38), height * 0.26, height * 0.05, 9, 24},
                QColor(212, 175, 55, 85));
    drawFrame(painter, picture.size(), 4, QColor(212, 175, 55, 140));
    return picture;
}

QIcon ShellPictures::windowIcon()
{
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 192));
        painter.drawRoundedRect(QRectF(0, 0, side, side), side / 6.0, side / 6.0);
        drawRosette(painter, {QPointF(side / 2.0, side / 2.0), side * 0.3, side * 0.1, 8, 12},
                    QColor(212, 175, 55, 200));
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}
