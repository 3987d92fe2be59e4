#include "buttoncolumn.h"

#include "dataschema.h"
#include "qmybutton.h"

#include <QTextDocument>
#include <QVariant>

namespace {
constexpr int kIconSize = 30;

// A tooltip shows a text that looks like markup as markup; a name from the data is shown as
// written, so such a text goes escaped.
QString literalToolTip(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}
}

QList<QMyButton*> ButtonColumn::build(QWidget* field, int x, const QStringList& codes, const char* property,
                                      const PictureOfCode& picture, const TextOfCode& tooltip)
{
    if (!codes.isEmpty())
        coverStrip(field, strip(x, codes.size()));
    QList<QMyButton*> column;
    for (int n = 0; n < codes.size(); ++n) {
        QMyButton* button = new QMyButton(field);
        button->setGeometry(x, DataSchema::kColumnTop + DataSchema::kColumnStep * n, DataSchema::kColumnButtonSize,
                            DataSchema::kColumnButtonSize);
        button->setIcon(QIcon(picture(codes.at(n))));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setToolTip(literalToolTip(tooltip(codes.at(n))));
        button->setProperty(property, codes.at(n));
        column.append(button);
    }
    return column;
}

QRect ButtonColumn::strip(int x, int buttons)
{
    if (buttons <= 0)
        return QRect();
    return QRect(x, DataSchema::kColumnTop, DataSchema::kColumnButtonSize,
                 DataSchema::kColumnStep * (buttons - 1) + DataSchema::kColumnButtonSize);
}

// Beneath the buttons, above every unit: a press in a gap or on a hidden (cooling) button's place
// stops here and never goes on to the window, where it would send the selected pony. A greyed
// button keeps its presses itself.
void ButtonColumn::coverStrip(QWidget* field, const QRect& strip)
{
    QWidget* cover = new QWidget(field);
    cover->setObjectName(QStringLiteral("columnStrip"));
    cover->setGeometry(strip);
    cover->setAttribute(Qt::WA_NoMousePropagation);
}
