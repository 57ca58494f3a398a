#include "terminal.h"

#include "ui/captionfit.h"
#include "ui/form1.h"
#include "ui/languages.h"

#include <QApplication>

#include <memory>
#include <vector>

namespace {

// The application, drawn larger when the desktop's font is larger than the windows': as QT_SCALE_FACTOR draws it,
// which Qt reads only as an application starts, so that one is started again. The game never sees the variable.
std::unique_ptr<QApplication> makeApplication(int &argc, char *argv[])
{
    static int count = argc;
    static std::vector<char *> arguments(argv, argv + argc + 1); // Qt takes its own options out of argv
    auto app = std::make_unique<QApplication>(argc, argv);
    // Offscreen nothing is shown (the terminal's options): no font is looked up, and --help ends with nothing to free.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return app;
    const qreal scale = vantor::windowScale(QFontInfo(QApplication::font()).pixelSize());
    if (scale <= 1)
        return app;
    app.reset();
    constexpr char variable[] = "QT_SCALE_FACTOR";
    const bool hadFactor = qEnvironmentVariableIsSet(variable);
    const QByteArray factor = qgetenv(variable);
    bool given = false;
    const double asked = factor.toDouble(&given);
    qputenv(variable, QByteArray::number((given && asked > 0 ? asked : 1.0) * scale));
    app = std::make_unique<QApplication>(count, arguments.data());
    if (hadFactor)
        qputenv(variable, factor);
    else
        qunsetenv(variable);
    return app;
}

} // namespace

int main(int argc, char *argv[])
{
    vantor::Terminal terminal(argc, argv);
    const auto app = makeApplication(argc, argv);
    // Docks and task switchers tie the window to the menu's entry by it (Wayland's app id; on X11 the entry names the
    // window's class, vantor, as StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvana.Vantor"));
    vantor::useLanguage();
    const auto asked = terminal.act();
    if (const int *status = std::get_if<int>(&asked))
        return *status;
    vantor::Form1 form(std::get<vantor::StartUp>(asked));
    QObject::connect(&form, &vantor::Form1::programEnding, app.get(), [] { QCoreApplication::exit(0); });
    form.show();
    return app->exec();
}
