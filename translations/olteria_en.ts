<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Building</name>
    <message>
        <source>Ферма</source>
        <translation>Farm</translation>
    </message>
    <message>
        <source>Рудник</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Больница</source>
        <translation>Hospital</translation>
    </message>
</context>
<context>
    <name>DataLocation</name>
    <message>
        <source>нет файла %1</source>
        <translation>there is no file %1</translation>
    </message>
    <message>
        <source>%1 — не обычный файл</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>файл %1 больше %2 байт, а игра читает не больше</source>
        <translation>file %1 is larger than %2 bytes, the most the game reads</translation>
    </message>
    <message>
        <source>файл %1 не читается</source>
        <translation>file %1 cannot be read</translation>
    </message>
    <message>
        <source>Игре не хватает данных: %1.
Она искала свои данные (папки config и images) в папках:
%2</source>
        <translation>The game is missing its data: %1.
It looked for its data (the folders config and images) in:
%2</translation>
    </message>
</context>
<context>
    <name>DataSchema</name>
    <message>
        <source>Максимальное здоровье: %1</source>
        <translation>Maximum health: %1</translation>
    </message>
    <message>
        <source>Скорость: %1</source>
        <translation>Speed: %1</translation>
    </message>
    <message>
        <source>Атака: %1</source>
        <translation>Attack: %1</translation>
    </message>
    <message>
        <source>Расход магии на призыв: %1</source>
        <translation>Magic to summon: %1</translation>
    </message>
    <message>
        <source>Расход магии на использование: %1</source>
        <translation>Magic to use: %1</translation>
    </message>
    <message>
        <source>%1 - ускоренно добывает еду на ферме.</source>
        <translation>%1 - gathers food faster on the farm.</translation>
    </message>
    <message>
        <source>%1 - ускоренно добывает камень в руднике.</source>
        <translation>%1 - digs stone faster in the mine.</translation>
    </message>
    <message>
        <source>%1 - ускоренно ремонтирует здание.</source>
        <translation>%1 - repairs a building faster.</translation>
    </message>
    <message>
        <source>%1 - после её призыва, скорость восстановления здоровья всех пони увеличивается.</source>
        <translation>%1 - once she is summoned, every pony heals faster.</translation>
    </message>
    <message>
        <source>%1 - после её призыва, скорость выработки магии увеличивается.</source>
        <translation>%1 - once she is summoned, magic grows faster.</translation>
    </message>
    <message>
        <source>%1 - в момент призыва, все враги получают единовременный урон.</source>
        <translation>%1 - the moment she is summoned, every fruit takes a heavy blow.</translation>
    </message>
</context>
<context>
    <name>DialogMenu</name>
    <message>
        <source>Игра &quot;Оборона Ольтерии&quot;</source>
        <translation>The game &quot;Olteria Defence&quot;</translation>
    </message>
    <message>
        <source>Техническая демо-версия</source>
        <translation>Technical demo</translation>
    </message>
    <message>
        <source>Правила и управление:</source>
        <translation>Rules and controls:</translation>
    </message>
    <message>
        <source>Справа - иконки пони, которых можно призвать. На призыв нужна магия. Слева - иконки действий, которые можно выполнить. На действия нужна магия. Сверху - текущие ресурсы.</source>
        <translation>On the right are the ponies you can summon. A summon costs magic. On the left are the actions you can take. An action costs magic. At the top are your stores.</translation>
    </message>
    <message>
        <source>Магия накапливается самостоятельно. Еда и камни добываются на ферме и руднике. Магия расходуется на призыв пони и выполнение действий (при нулевой еде, пони теряют здоровье во время движения). Еда расходуется при движении и восстановлении/лечении пони. Камень расходуется при ремонте зданий.</source>
        <translation>Magic grows by itself. Food comes from the farm and stone from the mine. Magic pays for summons and actions (with no food left, ponies lose health while they walk). Ponies eat food while they walk and while they heal. Stone is spent on repairing buildings.</translation>
    </message>
    <message>
        <source>Перемещение пони - выделение пони мышью и щелчок в ту область, куда нужно идти. Если выделенную пони отправить в одну из клеток в здании, она займет эту клетку и начнет работать в здании. Пони, находящаяся в ферме - добывает еду. Находящаяся в руднике - добывает камень. В больнице пони ускоренно восстанавливают здоровье. Любая пони, находясь в здании, ремонтирует его, расходуя камень. </source>
        <translation>To move a pony, click her to select her, then click where she should go. Send the selected pony into one of a building&apos;s cells and she takes the cell and works in the building. A pony on the farm gathers food. A pony in the mine digs stone. In the hospital ponies heal faster. Any pony in a building repairs it, spending stone. </translation>
    </message>
    <message>
        <source>Во время игры, на здания и пони набегают восставшие фрукты. Они атакуют здания и пони, когда оказываются вблизи них. Атакуемые объекты имеют красную рамку. Аналогично, пони атакуют врагов, когда оказываются близко к ним. Движение не влияет на атаку. Разные враги имеют разные характеристики.</source>
        <translation>During the game, risen fruits charge at the buildings and the ponies. They attack buildings and ponies once they are close to them. Whatever is under attack has a red frame. Likewise, ponies attack the fruits close to them. Walking does not stop an attack. Each kind of fruit has its own strengths.</translation>
    </message>
    <message>
        <source>Получить информацию об объекте игры можно, нажав на него правую кнопку мыши (работает на врагах, понях, и иконках справа-слева).</source>
        <translation>Right-click anything in the game to read about it (fruits, ponies and the icons on the right and left).</translation>
    </message>
    <message>
        <source>Задача игры - уничтожить все волны противника. Поражение засчитывается, если разрушено любое здание или здоровье любой призванной пони уменьшилось до нуля.</source>
        <translation>Your goal is to destroy every wave of the enemy. You lose if any building is destroyed or if the health of any summoned pony drops to zero.</translation>
    </message>
    <message>
        <source>Каждая пони обладает особым бонусом.</source>
        <translation>Every pony has a special bonus.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Начать игру в легком режиме (минус 40% здоровья всех врагов)</source>
        <translation>Start an easy game (every fruit has 40% less health)</translation>
    </message>
    <message>
        <source>Испытать стандартный режим</source>
        <translation>Try the standard mode</translation>
    </message>
</context>
<context>
    <name>DialogUnitInfo</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>Игра не может перейти в папку %1.</source>
        <translation>The game cannot enter the folder %1.</translation>
    </message>
    <message>
        <source>Оборона Ольтерии</source>
        <translation>Olteria Defence</translation>
    </message>
</context>
<context>
    <name>GameTick</name>
    <message>
        <source>Магия: %1</source>
        <translation>Magic: %1</translation>
    </message>
    <message>
        <source>Еда: %1</source>
        <translation>Food: %1</translation>
    </message>
    <message>
        <source>Камень: %1</source>
        <translation>Stone: %1</translation>
    </message>
    <message>
        <source>Все фрукты на поле</source>
        <translation>All the fruits are on the field</translation>
    </message>
    <message>
        <source>Ещё фруктов: %1 · следующий через %2 с</source>
        <translation>Fruits to come: %1 · next in %2 s</translation>
    </message>
    <message>
        <source>Ещё фруктов: %1 · следующий сейчас</source>
        <translation>Fruits to come: %1 · next one now</translation>
    </message>
    <message>
        <source>Поражение!</source>
        <translation>Defeat!</translation>
    </message>
    <message>
        <source>Победа!</source>
        <translation>Victory!</translation>
    </message>
    <message>
        <source>Восставшие фрукты уничтожены, Ольтерия спасена.</source>
        <translation>The risen fruits are destroyed. Olteria is saved.</translation>
    </message>
</context>
<context>
    <name>GameWorld</name>
    <message>
        <source>Пони &apos;%1&apos;&apos; была сильно побита.</source>
        <translation>The pony &apos;%1&apos; was badly beaten.</translation>
    </message>
    <message>
        <source>Здание &apos;%1&apos;&apos; было разрушено.</source>
        <translation>The building &apos;%1&apos; was destroyed.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Оборона Ольтерии</source>
        <translation>Olteria Defence</translation>
    </message>
    <message>
        <source>Призыв %1</source>
        <translation>Summon %1</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
</context>
<context>
    <name>Monster</name>
    <message>
        <source>Описатель монстра %1 %2</source>
        <translation>Fruit %1: %2</translation>
    </message>
</context>
<context>
    <name>Pony</name>
    <message>
        <source>%1: здоровье %2/%3</source>
        <translation>%1: health %2/%3</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>Оборона Ольтерии</source>
        <translation>Olteria Defence</translation>
    </message>
</context>
</TS>
