// A Qt generic plugin loaded into the game process by the install test
// (QT_QPA_GENERIC_PLUGINS=olteriaprobe): it answers the start menu, describes the game window
// on standard output and quits, so that an installed game can be seen without a screen.
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

class GameProbe : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "gameprobe.json")

public:
    // Qt owns and deletes the returned object with the application.
    QObject* create(const QString&, const QString&) override
    {
        auto* timer = new QTimer;
        connect(timer, &QTimer::timeout, &GameProbe::look);
        timer->start(20);
        return timer;
    }

private:
    static void look()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* easy = modal->findChild<QPushButton*>(QStringLiteral("pushButton"))) {
                std::puts("start menu answered");
                easy->click();
            }
            return;
        }
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(top) && top->isVisible()) {
                describe(top);
                QApplication::quit();
            }
        }
    }

    static void describe(const QWidget* window)
    {
        int summons = 0, actions = 0, buildings = 0, cells = 0;
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            const QByteArray kind = child->metaObject()->className();
            const bool shown = child->isVisibleTo(window);
            summons += kind == "QMyButton" && shown && child->x() > window->width() / 2;
            actions += kind == "QMyButton" && shown && child->x() < window->width() / 2;
            cells += kind == "QClickLabel" && shown;
            // The building pictures: labels with a picture smaller than the field's background.
            const auto* label = qobject_cast<const QLabel*>(child);
            buildings += kind == "QLabel" && !label->pixmap(Qt::ReturnByValue).isNull() && label->width() < window->width();
        }
        std::printf("window %s: %d summon buttons, %d action buttons, %d buildings with %d cells\n",
                    window->windowTitle().toUtf8().constData(), summons, actions, buildings, cells);
        std::fflush(stdout);
    }
};

#include "gameprobe.moc"
