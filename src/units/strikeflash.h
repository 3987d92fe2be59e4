#ifndef STRIKEFLASH_H
#define STRIKEFLASH_H

#include <QPoint>
#include <QVector>
#include <QWidget>

class QTimer;

// A bolt of lightning on every fruit a summon strikes, seen for a moment. It lies over the
// whole field, lets every click through and exists on screen only while it flashes, so the
// frames of the rest of the game never paint it. Nothing in the step depends on it.
class StrikeFlash : public QWidget
{
    Q_OBJECT

public:
    explicit StrikeFlash(QWidget* field);

    void strike(const QVector<QPoint>& centres);
    // The centres it flashes on now; empty once the flash has faded.
    const QVector<QPoint>& bolts() const { return centres; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fade();

    QVector<QPoint> centres;
    QTimer* fadeTimer;
};

#endif
