#include "looklabel.h"

#include <QPainter>
#include <QPixmapCache>

#include <cmath>

namespace {
QString cacheKey(const QString& styleSheet, qint64 picture, const QSize& size, int alignment, bool enabled,
                 qreal ratio)
{
    return QStringLiteral("olteria-look|%1|%2|%3x%4|%5|%6|")
               .arg(picture)
               .arg(alignment)
               .arg(size.width())
               .arg(size.height())
               .arg(enabled ? 1 : 0)
               .arg(ratio)
        + styleSheet;
}
}

LookLabel::LookLabel(QWidget* parent)
    : QLabel(parent)
{
    // The style sheet's background and border come with the cached look: Qt must not draw the
    // background first, or every antialiased edge would be drawn twice.
    setAttribute(Qt::WA_NoSystemBackground);
}

bool LookLabel::Key::operator==(const Key& other) const
{
    return picture == other.picture && size == other.size && alignment == other.alignment
        && enabled == other.enabled && qFuzzyCompare(ratio, other.ratio) && styleSheet == other.styleSheet;
}

QPixmap LookLabel::pictureShown() const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return pixmap();
#else
    return pixmap(Qt::ReturnByValue);
#endif
}

LookLabel::Key LookLabel::keyFor(qreal ratio) const
{
    return { styleSheet(), pictureShown().cacheKey(), size(), static_cast<int>(alignment()), isEnabled(), ratio };
}

QPixmap LookLabel::look(qreal ratio) const
{
    Key key = keyFor(ratio);
    if (key == shownKey && !shownLook.isNull())
        return shownLook;
    const QString name = cacheKey(key.styleSheet, key.picture, key.size, key.alignment, key.enabled, ratio);
    QPixmap found;
    if (!QPixmapCache::find(name, &found)) {
        found = drawLook(*this, ratio);
        QPixmapCache::insert(name, found);
    }
    shownKey = std::move(key);
    shownLook = found;
    return found;
}

// A hidden, parentless label styled as this one draws the look: Qt's own style-sheet engine,
// once, onto a transparent ground.
QPixmap LookLabel::drawLook(const LookLabel& label, qreal ratio)
{
    QLabel model;
    model.setStyleSheet(label.styleSheet());
    model.setAlignment(label.alignment());
    model.setPixmap(label.pictureShown());
    model.setEnabled(label.isEnabled());
    model.resize(label.size());
    const QSize pixels(static_cast<int>(std::ceil(label.width() * ratio)),
                       static_cast<int>(std::ceil(label.height() * ratio)));
    QPixmap look(pixels);
    look.setDevicePixelRatio(ratio);
    look.fill(Qt::transparent);
    model.render(&look, QPoint(), QRegion(), QWidget::RenderFlags());
    return look;
}

void LookLabel::paintEvent(QPaintEvent* /*event*/)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    // The painter's scale is the screen's pixel ratio, or the ratio of the image the label is
    // rendered into: the look is drawn for the pixels it lands on.
    const qreal ratio = painter.deviceTransform().m11();
    painter.drawPixmap(0, 0, look(ratio > 0 ? ratio : 1.0));
}
