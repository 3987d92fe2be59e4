#include "buttoncolumn.h"

#include "pictureloader.h"
#include "qmybutton.h"

#include <QTextDocument>
#include <QVariant>

namespace {
constexpr int kTop = 50;
constexpr int kStep = 45;
constexpr int kButtonSize = 40;
constexpr int kIconSize = 30;

// A tooltip shows a text that looks like markup as markup; a name from the data is shown as
// written, so such a text goes escaped.
QString literalToolTip(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}
}

QList<QMyButton*> ButtonColumn::build(QWidget* field, int x, const QStringList& codes, const char* property,
                                      const TextOfCode& picture, const TextOfCode& tooltip)
{
    QList<QMyButton*> column;
    for (int n = 0; n < codes.size(); ++n) {
        QMyButton* button = new QMyButton(field);
        button->setGeometry(x, kTop + kStep * n, kButtonSize, kButtonSize);
        button->setIcon(QIcon(PictureLoader::load(picture(codes.at(n)))));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setToolTip(literalToolTip(tooltip(codes.at(n))));
        button->setProperty(property, codes.at(n));
        column.append(button);
    }
    return column;
}

int ButtonColumn::capacity(int fieldHeight)
{
    return (fieldHeight - kTop - kButtonSize) / kStep + 1;
}
