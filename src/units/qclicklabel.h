#ifndef QCLICKLABEL_H
#define QCLICKLABEL_H

#include "looklabel.h"

class QMouseEvent;

// A plain clickable label: the cells of the buildings.
class QClickLabel : public LookLabel
{
    Q_OBJECT

public:
    explicit QClickLabel(QWidget* parent = nullptr);

    int centerX() const;
    int centerY() const;

Q_SIGNALS:
    void clicked(QClickLabel* sender, bool isleft);

public Q_SLOTS:
    void mousePressEvent(QMouseEvent* event) override;
};

#endif
