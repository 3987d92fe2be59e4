#ifndef LOOKLABEL_H
#define LOOKLABEL_H

#include <QLabel>
#include <QPixmap>
#include <QString>

class QPaintEvent;
class QPainter;

// A label whose designed look, its style sheet's background and border with its picture on top,
// is drawn once per style sheet, picture, size and pixel ratio and then painted from a cache.
// Qt's style-sheet engine would draw every rounded border again on every repaint; a field of
// hundreds of units repaints hundreds of them a frame. The style sheet stays the one source of
// the look: a hidden label styled alike draws it, and styleSheet() reads as before. Text is
// not part of the look: a LookLabel shows a picture, or nothing but its frame.
class LookLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LookLabel(QWidget* parent = nullptr);

    // What the label shows at the given pixel ratio, exactly as a plain QLabel with the same
    // style sheet, picture, alignment and size would draw it on a transparent ground.
    QPixmap look(qreal ratio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Key
    {
        QString styleSheet;
        qint64 picture = 0;
        QSize size;
        int alignment = 0;
        bool enabled = true;
        qreal ratio = 0;

        bool operator==(const Key& other) const;
    };

    Key keyFor(qreal ratio) const;
    QPixmap pictureShown() const;
    static QPixmap drawLook(const LookLabel& label, qreal ratio);

    // The look last painted: most repaints paint the same look again, and find it here without
    // asking the shared cache.
    mutable Key shownKey;
    mutable QPixmap shownLook;
};

#endif
