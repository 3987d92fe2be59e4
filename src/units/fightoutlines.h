#ifndef FIGHTOUTLINES_H
#define FIGHTOUTLINES_H

#include <QHash>
#include <QPixmap>
#include <QRect>

#include <vector>

class QLabel;
class QWidget;

// The outlines of the fruits that ponies stand on, drawn above the ponies: the shape of each
// covered fruit's picture traced in the hurt bar's red, so that a player sees at a glance which
// fruit a pony fights, while the pony keeps her own look. Each picture's outline is traced once;
// the outline labels are kept and reused from one layout to the next.
class FightOutlines
{
public:
    // The outlines lie right beneath the given widget of the field.
    FightOutlines(QWidget* field, QWidget* above);

    // One layout: begin(), an outline for each covered fruit, end().
    void begin();
    void outline(const QLabel* fruit);
    void end();

private:
    QPixmap shapeOf(const QLabel* fruit);
    static QRect shapeRect(const QLabel* fruit);
    QPixmap outlineOf(const QPixmap& picture);

    QWidget* field;
    QWidget* above;
    std::vector<QLabel*> labels;
    size_t used = 0;
    QHash<qint64, QPixmap> traced;
    QPixmap square;
};

#endif
