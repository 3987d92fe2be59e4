#include "chartwriter.h"

#include "gameworld.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace {
struct Series
{
    const char* name;
    QColor colour;
    int panel;
    bool rightAxis;
};
const Series kSeries[] = { { "Магия", QColor(200, 50, 200), 0, false },
                           { "Еда", QColor(200, 50, 50), 0, false },
                           { "Камень", QColor(40, 40, 40), 0, false },
                           { "Слабейшее здание", QColor(0, 150, 0), 1, false },
                           { "Монстры (правая ось)", QColor(230, 140, 0), 1, true } };
const QRect kPanels[] = { QRect(70, 45, 860, 230), QRect(70, 315, 860, 190) };
const QColor kGridColour(225, 225, 225);
constexpr int kGridSteps = 5;

float roundUp(float value, float step)
{
    return std::max(step, std::ceil(value / step) * step);
}
}

void ChartWriter::sample(const GameWorld& world, float lowestBuilding)
{
    const Sample s = { world.timeElapsed(), { world.magicAmount(), world.foodAmount(), world.stoneAmount(),
                                              lowestBuilding, static_cast<float>(world.monsters().size()) } };
    samples.append(s);
}

bool ChartWriter::write(const QString& path, const QString& title) const
{
    const float endTime = roundUp(samples.isEmpty() ? 0 : samples.last().time, 60);
    QImage image(1000, 550, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawText(QRect(0, 8, image.width(), 24), Qt::AlignCenter, title);
    painter.drawText(QRect(0, 525, image.width(), 20), Qt::AlignCenter, QStringLiteral("Время игры, минуты"));
    for (int panel = 0; panel < 2; ++panel) {
        const QRect& r = kPanels[panel];
        float top[2] = { 0, 0 }; // the highest values of the left and the right axis
        for (int i = 0; i < 5; ++i) {
            for (const Sample& s : kSeries[i].panel == panel ? samples : QVector<Sample>())
                top[kSeries[i].rightAxis] = std::max(top[kSeries[i].rightAxis], s.values[i]);
        }
        top[0] = roundUp(top[0], top[0] > 1000 ? 500 : 100);
        top[1] = roundUp(top[1], kGridSteps);
        auto x = [&](float t) { return r.left() + t / endTime * r.width(); };
        auto y = [&](float share) { return r.bottom() - share * r.height(); };
        // A grid line every minute and every fifth of the height, labelled outside the panel.
        for (float t = 0; t <= endTime; t += 60) {
            painter.fillRect(QRectF(x(t), r.top(), 1, r.height()), kGridColour);
            painter.drawText(QRectF(x(t) - 30, r.bottom() + 3, 60, 16), Qt::AlignCenter, QString::number(t / 60));
        }
        for (int i = 0; i <= kGridSteps; ++i) {
            const float share = static_cast<float>(i) / kGridSteps;
            painter.fillRect(QRectF(r.left(), y(share), r.width(), 1), kGridColour);
            painter.drawText(QRectF(0, y(share) - 8, r.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(share * top[0]));
            if (panel == 1)
                painter.drawText(QRectF(r.right() + 6, y(share) - 8, 60, 16), Qt::AlignVCenter,
                                 QString::number(share * top[1]));
        }
        painter.drawRect(r);
        for (int i = 0, entry = 0; i < 5; ++i) {
            const Series& series = kSeries[i];
            if (series.panel != panel)
                continue;
            QPolygonF line;
            for (const Sample& s : samples)
                line << QPointF(x(s.time), y(s.values[i] / top[series.rightAxis]));
            painter.setPen(QPen(series.colour, 2, series.rightAxis ? Qt::DashLine : Qt::SolidLine));
            painter.drawPolyline(line);
            // The legend stands in the panel's top left corner.
            const int ly = r.top() + 14 + 18 * entry++;
            painter.fillRect(r.left() + 4, ly - 9, 230, 18, QColor(255, 255, 255, 220));
            painter.drawLine(r.left() + 10, ly, r.left() + 40, ly);
            painter.setPen(Qt::black);
            painter.drawText(r.left() + 48, ly + 5, QString::fromUtf8(series.name));
        }
    }
    painter.end();
    return image.save(path);
}
