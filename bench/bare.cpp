// The yardstick for Vantor's start-up figures, run as "vantor_bare --text": a Qt Widgets window of Vantor's size,
// built the same way, that shows one line of text, which is what it takes Qt to load the system's font
// configuration. Without --text the window is empty.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(489, 337);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Bare window"), &window);
    window.show();
    return app.exec();
}
