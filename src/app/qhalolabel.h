#ifndef QHALOLABEL_H
#define QHALOLABEL_H

#include <QLabel>

// A line of plain text with a light halo around its letters, so that it reads over whatever
// passes beneath it, a dark fruit included. Its style sheet, font and colours are the label's
// own; only the halo is added.
class QHaloLabel : public QLabel
{
    Q_OBJECT

public:
    explicit QHaloLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
