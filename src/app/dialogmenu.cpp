#include "dialogmenu.h"

#include "kindtable.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {
// Paragraphs a third as far apart as Qt's default, so that the rules fit above the buttons.
const char kHelpHead[] = "<html><head><style>p { margin-top: 0px; margin-bottom: 4px; }</style></head><body>";
const char kHelpTail[] = "<p align=\"justify\"><br/></p></body></html>";

// One paragraph of the rules; its text is translated in the context "DialogMenu".
struct Paragraph
{
    const char* align;
    bool lineBreakFirst;
    const char* text;
};

const Paragraph kRules[] = {
    { "center", false, QT_TRANSLATE_NOOP("DialogMenu", "Игра \"Оборона Ольтерии\"") },
    { "center", false, QT_TRANSLATE_NOOP("DialogMenu", "Техническая демо-версия") },
    { "center", false, QT_TRANSLATE_NOOP("DialogMenu", "Правила и управление:") },
    { "justify", false,
      QT_TRANSLATE_NOOP("DialogMenu", "Справа - иконки пони, которых можно призвать. На призыв нужна магия. "
                                      "Слева - иконки действий, которые можно выполнить. На действия нужна магия. "
                                      "Сверху - текущие ресурсы.") },
    { "justify", false,
      QT_TRANSLATE_NOOP("DialogMenu", "Магия накапливается самостоятельно. Еда и камни добываются на ферме и руднике. "
                                      "Магия расходуется на призыв пони и выполнение действий (при нулевой еде, пони "
                                      "теряют здоровье во время движения). Еда расходуется при движении и "
                                      "восстановлении/лечении пони. Камень расходуется при ремонте зданий.") },
    { "justify", false,
      QT_TRANSLATE_NOOP("DialogMenu", "Перемещение пони - выделение пони мышью и щелчок в ту область, куда нужно идти. "
                                      "Если выделенную пони отправить в одну из клеток в здании, она займет эту клетку "
                                      "и начнет работать в здании. Пони, находящаяся в ферме - добывает еду. "
                                      "Находящаяся в руднике - добывает камень. В больнице пони ускоренно "
                                      "восстанавливают здоровье. Любая пони, находясь в здании, ремонтирует его, "
                                      "расходуя камень. ") },
    { "justify", true,
      QT_TRANSLATE_NOOP("DialogMenu", "Во время игры, на здания и пони набегают восставшие фрукты. Они атакуют здания "
                                      "и пони, когда оказываются вблизи них. Атакуемые объекты имеют красную рамку. "
                                      "Аналогично, пони атакуют врагов, когда оказываются близко к ним. Движение не "
                                      "влияет на атаку. Разные враги имеют разные характеристики.") },
    { "justify", false,
      QT_TRANSLATE_NOOP("DialogMenu", "Получить информацию об объекте игры можно, нажав на него правую кнопку мыши "
                                      "(работает на врагах, понях, и иконках справа-слева).") },
    { "justify", false,
      QT_TRANSLATE_NOOP("DialogMenu", "Задача игры - уничтожить все волны противника. Поражение засчитывается, если "
                                      "разрушено любое здание или здоровье любой призванной пони уменьшилось до нуля.") },
};
// The last paragraph: this, then one sentence for each bonus a pony kind carries.
const char kBonusIntro[] = QT_TRANSLATE_NOOP("DialogMenu", "Каждая пони обладает особым бонусом.");

// Texts are escaped, so that they read as written in the menu's HTML: the sentences name
// ponies as the data writes them, never as a tag or a picture.
QString paragraph(const char* align, const QString& text, bool lineBreakFirst = false)
{
    return QStringLiteral("<p align=\"%1\">%2</p>")
        .arg(QLatin1String(align), (lineBreakFirst ? QStringLiteral("<br/>") : QString()) + text.toHtmlEscaped());
}

QString helpText()
{
    QString text = QLatin1String(kHelpHead);
    for (const Paragraph& rule : kRules)
        text += paragraph(rule.align, QCoreApplication::translate("DialogMenu", rule.text), rule.lineBreakFirst);
    const KindTable<PonyInfo> ponies(DataSchema::ponies());
    text += paragraph("justify", QCoreApplication::translate("DialogMenu", kBonusIntro) + QLatin1Char(' ')
                                     + DataSchema::bonusSentencesFor(ponies).join(QLatin1Char(' ')));
    return text + QLatin1String(kHelpTail);
}

QFont fontOf(QWidget* widget, int pointSize)
{
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}
}

DialogMenu::DialogMenu(QWidget* parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("DialogMenu"));
    resize(821, 632);

    pushButton = new QPushButton(this);
    pushButton->setObjectName(QStringLiteral("pushButton"));
    pushButton->setGeometry(70, 530, 601, 41);
    pushButton->setFont(fontOf(pushButton, 12));

    pushButton_2 = new QPushButton(this);
    pushButton_2->setObjectName(QStringLiteral("pushButton_2"));
    pushButton_2->setGeometry(70, 580, 601, 41);
    pushButton_2->setFont(fontOf(pushButton_2, 12));

    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(20, 20, 781, 511);
    label->setFont(fontOf(label, 10));
    label->setWordWrap(true);

    setWindowTitle(tr("Dialog"));
    pushButton->setText(tr("Начать игру в легком режиме (минус 40% здоровья всех врагов)"));
    pushButton_2->setText(tr("Испытать стандартный режим"));
    label->setText(helpText());

    QMetaObject::connectSlotsByName(this);
    easyMode = true;
}

void DialogMenu::on_pushButton_clicked()
{
    easyMode = true;
    hide();
}

void DialogMenu::on_pushButton_2_clicked()
{
    easyMode = false;
    hide();
}
