#include "building.h"
#include "gameworld.h"
#include "healthbar.h"
#include "looklabel.h"
#include "monster.h"
#include "pony.h"
#include "qclicklabel.h"
#include "testwindow.h"

#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

// What a player sees of the units, the bars and the cells stays the same pixel for pixel now
// that each look is drawn once and painted from a cache: every widget with a designed look is
// rendered both ways, as a plain QLabel with the same style sheet, picture, alignment and size
// would draw itself and as the game's widget paints it, over a ground with a colour gradient
// (the look's see-through parts must show what lies beneath), at pixel ratio 1 and 2.

namespace {
enum class Look { Fruit, Pony, SelectedPony, Cell, Bar };

// A round picture with antialiased, half-transparent edges, drawn for the ratio.
QPixmap roundPicture(qreal ratio)
{
    constexpr int kSide = 33;
    QPixmap picture(QSize(kSide, kSide) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(220, 120, 30, 200));
    painter.setPen(QPen(QColor(90, 30, 10), 1.5));
    painter.drawEllipse(QRectF(2.5, 2.5, kSide - 5, kSide - 5));
    return picture;
}

// The widget drawn alone, as the field's repaint draws it, over a gradient ground.
QImage rendered(QWidget& widget, qreal ratio)
{
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    {
        QPainter ground(&image);
        QLinearGradient gradient(0, 0, widget.width(), widget.height());
        gradient.setColorAt(0, QColor(40, 160, 60));
        gradient.setColorAt(1, QColor(230, 230, 200));
        ground.fillRect(QRect(QPoint(), widget.size()), gradient);
    }
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// How a plain QLabel shows the same designed look.
QImage renderedAsPlainLabel(const QLabel& label, qreal ratio)
{
    QLabel plain;
    plain.setStyleSheet(label.styleSheet());
    plain.setAlignment(label.alignment());
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    plain.setPixmap(label.pixmap());
#else
    plain.setPixmap(label.pixmap(Qt::ReturnByValue));
#endif
    plain.resize(label.size());
    return rendered(plain, ratio);
}

// Where an antialiased edge or a see-through fill lets the ground show, the old way blends each
// layer of the look (fill, border, picture) onto the ground, rounding to 8 bits each time; the
// cached look is blended onto a transparent pixmap first and onto the ground after, rounding once
// more. Such pixels differ by a level in a channel, by two where two layers' edges meet (a
// fruit's frame corner over its picture's edge, a cell's corner over its see-through fill at
// 200 %); an opaque pixel, a square bar's, is the same.
constexpr int kRoundingLevels = 2;

QString firstDifference(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = expected.pixel(x, y);
            const QRgb b = actual.pixel(x, y);
            const int worst = std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                         std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b)) });
            if (worst > kRoundingLevels)
                return QStringLiteral("pixel (%1, %2): %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(a, 8, 16, QLatin1Char('0'))
                    .arg(b, 8, 16, QLatin1Char('0'));
        }
    }
    return QString();
}

}

Q_DECLARE_METATYPE(Look)

class TestLooks : public QObject
{
    Q_OBJECT
private slots:
    void cachedLookShowsAsTheStyledLabel_data()
    {
        QTest::addColumn<Look>("look");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : { 1.0, 2.0 }) {
            const int percent = static_cast<int>(ratio * 100);
            QTest::addRow("a fruit's framed picture at %d %%", percent) << Look::Fruit << QString() << 0 << ratio;
            QTest::addRow("a pony's framed picture at %d %%", percent) << Look::Pony << QString() << 0 << ratio;
            QTest::addRow("a selected pony's picture at %d %%", percent) << Look::SelectedPony << QString() << 0 << ratio;
            QTest::addRow("a building's cell at %d %%", percent) << Look::Cell << QString() << 0 << ratio;
            QTest::addRow("a pony's side mark at %d %%", percent)
                << Look::Bar << HealthBar::sideMarkStyle() << HealthBar::kHeight << ratio;
            for (int width : { 0, 1, 2, 3, 20, 40 }) {
                QTest::addRow("a green bar %d px long at %d %%", width, percent)
                    << Look::Bar << HealthBar::greenStyle() << width << ratio;
                QTest::addRow("a red bar %d px long at %d %%", width, percent)
                    << Look::Bar << HealthBar::redStyle() << width << ratio;
                QTest::addRow("a track %d px long at %d %%", width, percent)
                    << Look::Bar << HealthBar::trackStyle() << width << ratio;
            }
        }
    }
    void cachedLookShowsAsTheStyledLabel()
    {
        QFETCH(Look, look);
        QFETCH(QString, style);
        QFETCH(int, width);
        QFETCH(qreal, ratio);
        TestWindow w(TestWindow::smallGame());
        LookLabel* shown = nullptr;
        LookLabel bar;
        switch (look) {
        case Look::Fruit:
            shown = w.addMonster(QStringLiteral("apple"), 200, 200);
            break;
        case Look::Pony:
        case Look::SelectedPony: {
            Pony* pony = w.summon(QStringLiteral("plain"));
            if (look == Look::SelectedPony)
                pony->toggleSelected();
            shown = pony;
            break;
        }
        case Look::Cell:
            shown = w.world->buildings().constFirst()->cellList().constFirst();
            break;
        case Look::Bar:
            bar.setStyleSheet(style);
            bar.resize(width, HealthBar::kHeight);
            shown = &bar;
            break;
        }
        QVERIFY(shown);
        if (look != Look::Bar && look != Look::Cell)
            shown->setPixmap(roundPicture(ratio));
        const QImage expected = renderedAsPlainLabel(*shown, ratio);
        QCOMPARE(firstDifference(expected, rendered(*shown, ratio)), QString());
        // Painted a second time, from the cache.
        QCOMPARE(firstDifference(expected, rendered(*shown, ratio)), QString());
    }
};

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
