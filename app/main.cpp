#include "terminal.h"

#include "ui/form1.h"
#include "ui/languages.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    vantor::Terminal terminal(argc, argv);
    QApplication app(argc, argv);
    // Docks and task switchers tie the window to the menu's entry by it (Wayland's app id; on X11 the entry names the
    // window's class, vantor, as StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvana.Vantor"));
    vantor::useLanguage();
    const auto asked = terminal.act();
    if (const int *status = std::get_if<int>(&asked))
        return *status;
    vantor::Form1 form(std::get<vantor::StartUp>(asked));
    QObject::connect(&form, &vantor::Form1::programEnding, &app, [] { QCoreApplication::exit(0); });
    form.show();
    return app.exec();
}
