#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vantor::Form1 form;
    QObject::connect(&form, &vantor::Form1::programEnding, &app, [] { QCoreApplication::exit(0); });
    form.show();
    return app.exec();
}
