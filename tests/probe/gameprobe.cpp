// A Qt generic plugin that the install test loads into the game (QT_QPA_GENERIC_PLUGINS=
// olteriaprobe) to see it without a screen: it answers the start menu and every message box,
// prints them and the game window's columns, buildings and cells, and quits soon after.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

class GameProbe : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "gameprobe.json")

public:
    // Qt owns the returned object and deletes it with the application.
    QObject* create(const QString&, const QString&) override
    {
        auto* timer = new QTimer;
        connect(timer, &QTimer::timeout, [] { look(); });
        timer->start(20);
        return timer;
    }

private:
    static void look()
    {
        static bool seenWindow = false;
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            std::printf("box: %s\n", qUtf8Printable(box->text()));
            box->accept();
        } else if (auto* easy = modal ? modal->findChild<QAbstractButton*>("pushButton") : nullptr) {
            std::puts("menu");
            easy->click();
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            // The window is shown before its start menu; it is described once the menu is gone.
            if (!seenWindow && !modal && qobject_cast<QMainWindow*>(window) && window->isVisible()) {
                seenWindow = true;
                describe(window);
                // Three ticks, long enough for an empty schedule's victory box.
                QTimer::singleShot(300, qApp, &QApplication::quit);
            }
        }
        std::fflush(stdout);
    }

    static void describe(const QWidget* window)
    {
        const int middle = window->width() / 2;
        int summons = 0, actions = 0, buildings = 0, cells = 0;
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            const QByteArray kind = child->metaObject()->className();
            const bool button = kind == "QMyButton" && child->isVisibleTo(window);
            summons += button && child->x() > middle;
            actions += button && child->x() < middle;
            cells += kind == "QClickLabel";
            // Building pictures are smaller than the field's picture beneath them.
            buildings += kind == "QLabel" && child->isVisibleTo(window) && child->width() < window->width() && !static_cast<const QLabel*>(child)->pixmap(Qt::ReturnByValue).isNull();
        }
        std::printf("window %s: %d summons, %d actions, %d buildings, %d cells\n", qUtf8Printable(window->windowTitle()), summons,
                    actions, buildings, cells);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const bool scaling = true; // Qt 6 always scales
#else
        const bool scaling = QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling);
#endif
        std::printf("GL integration %s, high-DPI scaling %s\n", qgetenv("QT_XCB_GL_INTEGRATION").constData(), scaling ? "on" : "off");
        // The first summon's tooltip names a pony from the catalogue, in the game's language.
        const QWidget* firstSummon = nullptr;
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (child->metaObject()->className() == QByteArray("QMyButton") && child->x() > middle
                && (!firstSummon || child->y() < firstSummon->y()))
                firstSummon = child;
        }
        if (firstSummon)
            std::printf("first summon: %s\n", qUtf8Printable(firstSummon->toolTip()));
    }
};

#include "gameprobe.moc"
