#ifndef QHALOLABEL_H
#define QHALOLABEL_H

#include <QLabel>
#include <QPixmap>

// A line of plain text, never markup whatever the data writes, with a light halo around its
// letters, so that it reads over whatever passes beneath it, a dark fruit included. Its style
// sheet, font and colours are the label's own; only the halo is added. The letters and their
// halo are drawn once for each text and painted from then on.
class QHaloLabel : public QLabel
{
    Q_OBJECT

public:
    explicit QHaloLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawLetters();

    QPixmap letters;
    QString lettersText;
};

#endif
