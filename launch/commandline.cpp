#include "commandline.h"

#include "optionview.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

namespace vantor {
namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

constexpr char placeholder[] = "%command%";

} // namespace

LaunchPrefix readLaunchPrefix(const QString &customParameters, const QProcessEnvironment &environment)
{
    const QList<ShellWord> plain = readShellWords(customParameters).words;
    qsizetype placeholders = 0;
    for (const ShellWord &word : plain)
        placeholders += word.value == QLatin1String(placeholder);
    LaunchPrefix prefix;
    prefix.parameters = customParameters;
    if (placeholders == 0)
        return prefix;
    prefix.placeholder = true;
    // The placeholder is found before anything is expanded: a variable that holds the word is no placeholder.
    const ShellWord &at = *std::find_if(plain.begin(), plain.end(),
                                        [](const ShellWord &word) { return word.value == QLatin1String(placeholder); });
    const ShellReading before = readShellWords(customParameters.left(at.start), &environment);
    const ShellReading after = readShellWords(customParameters.mid(at.end), &environment);
    const ShellReading whole = readShellWords(customParameters);
    if (placeholders > 1)
        prefix.problem = QCoreApplication::translate("LaunchPrefix", "%command% stands there more than once");
    else if (!whole.balanced)
        prefix.problem = QCoreApplication::translate("LaunchPrefix", "a quote is not closed");
    else
        prefix.problem = before.problem.isEmpty() ? after.problem : before.problem;
    // Assignments first, as a shell reads them: a word like --backend=sdl after the wrapper's name is its argument.
    static const QRegularExpression assignment(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*="));
    for (const ShellWord &word : before.words)
        (prefix.wrapper.isEmpty() && assignment.match(word.value).hasMatch() ? prefix.environment : prefix.wrapper)
            << word.value;
    for (const ShellWord &word : after.words)
        prefix.arguments << word.value;
    prefix.typed = customParameters.left(at.start).trimmed();
    prefix.parameters = customParameters.mid(at.end);
    if (prefix.parameters.startsWith(QLatin1Char(' ')))
        prefix.parameters.remove(0, 1); // the blank that parted them
    return prefix;
}

QStringList gameArguments(const QString &parameters, const LaunchPrefix &prefix)
{
    if (!prefix.placeholder)
        return QProcess::splitCommand(parameters);
    QString own = parameters;
    if (const QString custom = QLatin1Char(' ') + prefix.parameters; prefix.parameters.size() && own.endsWith(custom))
        own.chop(custom.size());
    return QProcess::splitCommand(own) + prefix.arguments;
}

QString withoutLineBreaks(QString text)
{
    text.removeIf(isLineBreak);
    return text;
}

QString buildParameters(const OptionView &options)
{
    QString params = QStringLiteral(" -console");
    if (options.isOn("chknumping"))
        params += QStringLiteral(" -numericping");
    if (options.isOn("chktocon"))
        params += QStringLiteral(" -toconsole");
    if (options.isOn("chkdev"))
        params += QStringLiteral(" -dev");
    if (options.isOn("chkmod") && !withoutLineBreaks(options.text("txtmod")).isEmpty())
        params += QStringLiteral(" -game ") + options.text("txtmod");

    if (options.check("chkdnf") == 0) {
        // The CFG file carries MMX, cheats, the custom CFG and the custom map.
        params += QStringLiteral(" +exec ") + QLatin1String(temporaryCfgName);
    } else {
        // No CFG file can be written: carry what the command line can.
        if (options.isOn("chkmmx"))
            params += QStringLiteral(" +r_mmx 1");
        if (options.isOn("chkcheat"))
            params += QStringLiteral(" +sv_cheats 1");
        if (options.isOn("chkcfg") && !withoutLineBreaks(options.text("txtcfg")).isEmpty())
            params += QStringLiteral(" +exec ") + options.text("txtcfg");
    }

    const QString custom = readLaunchPrefix(options.text("customcmd")).parameters, said = withoutLineBreaks(custom);
    if (!said.isEmpty() && said != QLatin1String(" "))
        params += QLatin1Char(' ') + custom;
    return params;
}

QString commandLinePreview(const QString &parameters, const LaunchPrefix &prefix)
{
    if (!prefix.problem.isEmpty())
        return QCoreApplication::translate("LaunchPrefix", "Custom Parameters cannot be read: %1").arg(prefix.problem);
    QString line =
        (prefix.isEmpty() ? QString() : prefix.typed + QLatin1Char(' ')) + QStringLiteral("hl.exe") + parameters;
    // Besides the line breaks, the two characters that a text document takes for the edges of a frame.
    for (QChar &c : line)
        if (isLineBreak(c) || c == u'\uFDD0' || c == u'\uFDD1')
            c = u' ';
    return line;
}

} // namespace vantor
