#ifndef BUTTONCOLUMN_H
#define BUTTONCOLUMN_H

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QMyButton;
class QWidget;

// A column of buttons from the top of the field downwards, placed as DataSchema says, one for
// each code, each carrying its code in a property: the action column on the left of the field and
// the summon column on the right.
class ButtonColumn
{
public:
    using TextOfCode = std::function<QString(const QString& code)>;
    using PictureOfCode = std::function<QPixmap(const QString& code)>;

    // The column is not bounded: buttons past DataSchema::kColumnCapacity run over the bottom of
    // the field.
    static QList<QMyButton*> build(QWidget* field, int x, const QStringList& codes, const char* property,
                                   const PictureOfCode& picture, const TextOfCode& tooltip);

private:
    // The column's strip, from its first button's top to its last button's bottom.
    static QRect strip(int x, int buttons);
    static void coverStrip(QWidget* field, const QRect& strip);
};

#endif
