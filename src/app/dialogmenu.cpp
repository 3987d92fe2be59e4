#include "dialogmenu.h"

#include "kindtable.h"

#include <QLabel>
#include <QPushButton>

namespace {
const char kHelpText[] =
    // Paragraphs a third as far apart as Qt's default, so that the rules fit above the buttons.
    "<html><head><style>p { margin-top: 0px; margin-bottom: 4px; }</style></head><body>"
    "<p align=\"center\">Игра &quot;Оборона Ольтерии&quot;</p>"
    "<p align=\"center\">Техническая демо-версия</p>"
    "<p align=\"center\">Правила и управление:</p>"
    "<p align=\"justify\">Справа - иконки пони, которых можно призвать. На призыв нужна магия. "
    "Слева - иконки действий, которые можно выполнить. На действия нужна магия. "
    "Сверху - текущие ресурсы.</p>"
    "<p align=\"justify\">Магия накапливается самостоятельно. Еда и камни добываются на ферме и руднике. "
    "Магия расходуется на призыв пони и выполнение действий (при нулевой еде, пони теряют здоровье во время "
    "движения). Еда расходуется при движении и восстановлении/лечении пони. Камень расходуется при ремонте "
    "зданий.</p>"
    "<p align=\"justify\">Перемещение пони - выделение пони мышью и щелчок в ту область, куда нужно идти. "
    "Если выделенную пони отправить в одну из клеток в здании, она займет эту клетку и начнет работать в "
    "здании. Пони, находящаяся в ферме - добывает еду. Находящаяся в руднике - добывает камень. В больнице "
    "пони ускоренно восстанавливают здоровье. Любая пони, находясь в здании, ремонтирует его, расходуя "
    "камень. </p>"
    "<p align=\"justify\"><br/>Во время игры, на здания и пони набегают восставшие фрукты. Они атакуют "
    "здания и пони, когда оказываются вблизи них. Атакуемые объекты имеют красную рамку. Аналогично, пони "
    "атакуют врагов, когда оказываются близко к ним. Движение не влияет на атаку. Разные враги имеют разные "
    "характеристики.</p>"
    "<p align=\"justify\">Получить информацию об объекте игры можно, нажав на него правую кнопку мыши "
    "(работает на врагах, понях, и иконках справа-слева).</p>"
    "<p align=\"justify\">Задача игры - уничтожить все волны противника. Поражение засчитывается, если "
    "разрушено любое здание или здоровье любой призванной пони уменьшилось до нуля.</p>"
    "<p align=\"justify\">Каждая пони обладает особым бонусом. ";
// The bonus sentences come between these two, one for each bonus a pony kind carries.
const char kHelpTextEnd[] =
    "</p>"
    "<p align=\"justify\"><br/></p>"
    "</body></html>";

QString helpText()
{
    const KindTable<PonyInfo> ponies(DataSchema::ponies());
    // The sentences name ponies as the data writes them: escaped, they read as written in the
    // menu's HTML, never as a tag or a picture.
    return QString::fromUtf8(kHelpText) + DataSchema::bonusSentencesFor(ponies).join(QLatin1Char(' ')).toHtmlEscaped()
        + QString::fromUtf8(kHelpTextEnd);
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

    setWindowTitle(QStringLiteral("Dialog"));
    pushButton->setText(QStringLiteral("Начать игру в легком режиме (минус 40% здоровья всех врагов)"));
    pushButton_2->setText(QStringLiteral("Испытать стандартный режим"));
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
