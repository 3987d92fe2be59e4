#include "dialogunitinfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
QFont boldFont(int pointSize)
{
    QFont font;
    font.setPointSize(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}
}

int DialogUnitInfo::openCount = 0;

void DialogUnitInfo::Form::setupUi(QDialog* dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("DialogUnitInfo"));
    dialog->resize(492, 472);

    pushButton = new QPushButton(dialog);
    pushButton->setObjectName(QStringLiteral("pushButton"));
    pushButton->setGeometry(200, 440, 75, 23);

    labInfo = new QLabel(dialog);
    labInfo->setObjectName(QStringLiteral("labInfo"));
    labInfo->setGeometry(10, 50, 471, 381);
    labInfo->setFont(boldFont(10));
    labInfo->setStyleSheet(QStringLiteral("border-radius: 8px;\n"
                                          "border: 2px solid rgb(0, 85, 127);\n"
                                          "color: rgb(40, 40, 40);\n"));
    labInfo->setFrameShape(QFrame::Panel);
    labInfo->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    labInfo->setWordWrap(true);
    labInfo->setMargin(10);

    labTitle = new QLabel(dialog);
    labTitle->setObjectName(QStringLiteral("labTitle"));
    labTitle->setGeometry(10, 20, 471, 20);
    labTitle->setFont(boldFont(14));
    labTitle->setStyleSheet(QStringLiteral("color: rgb(0, 85, 0);"));
    labTitle->setAlignment(Qt::AlignCenter);
    // Names and descriptions come from the data and are shown as written, never as markup.
    labTitle->setTextFormat(Qt::PlainText);
    labInfo->setTextFormat(Qt::PlainText);

    dialog->setWindowTitle(QCoreApplication::translate("DialogUnitInfo", "Dialog"));
    pushButton->setText(QCoreApplication::translate("DialogUnitInfo", "Закрыть"));
    labInfo->setText(QCoreApplication::translate("DialogUnitInfo", "TextLabel"));
    labTitle->setText(QCoreApplication::translate("DialogUnitInfo", "TextLabel"));

    QMetaObject::connectSlotsByName(dialog);
}

DialogUnitInfo::DialogUnitInfo(QWidget* parent)
    : QDialog(parent)
    , ui(new Form)
{
    ui->setupUi(this);
    setWindowTitle(tr("Описание"));
    ++openCount;
}

DialogUnitInfo::~DialogUnitInfo()
{
    --openCount;
}

void DialogUnitInfo::setInfo(const QString& title, const QString& text)
{
    ui->labTitle->setText(title);
    ui->labInfo->setText(text);
}

void DialogUnitInfo::showUnitInfo(QWidget* parent, const QString& title, const QString& text)
{
    // Guarded: should the parent go away during the nested loop, it takes the dialog with it.
    QPointer<DialogUnitInfo> dialog = new DialogUnitInfo(parent);
    dialog->setInfo(title, text);
    dialog->exec();
    delete dialog;
}

void DialogUnitInfo::on_pushButton_clicked()
{
    close();
}
