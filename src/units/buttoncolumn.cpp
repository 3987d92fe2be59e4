#include "buttoncolumn.h"

#include "dataschema.h"
#include "pictureloader.h"
#include "qmybutton.h"

#include <QVariant>

namespace {
constexpr int kIconSize = 30;
}

QList<QMyButton*> ButtonColumn::build(QWidget* field, int x, const QStringList& codes, const char* property,
                                      const TextOfCode& picture, const TextOfCode& tooltip)
{
    QList<QMyButton*> column;
    for (int n = 0; n < codes.size(); ++n) {
        QMyButton* button = new QMyButton(field);
        button->setGeometry(x, DataSchema::kColumnTop + DataSchema::kColumnStep * n, DataSchema::kColumnButtonSize,
                            DataSchema::kColumnButtonSize);
        button->setIcon(QIcon(PictureLoader::load(picture(codes.at(n)))));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setToolTip(tooltip(codes.at(n)));
        button->setProperty(property, codes.at(n));
        column.append(button);
    }
    return column;
}
