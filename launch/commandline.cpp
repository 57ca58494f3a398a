#include "commandline.h"

#include "optionview.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vantor {
namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

constexpr char placeholder[] = "%command%";

} // namespace

QList<ShellWord> shellWords(const QString &text, bool *balanced)
{
    QList<ShellWord> words;
    QChar quote;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        ShellWord &word = words.emplace_back(ShellWord{{}, i, i});
        for (; i < text.size() && (!quote.isNull() || !text[i].isSpace()); ++i) {
            const QChar c = text[i], next = i + 1 < text.size() ? text[i + 1] : QChar();
            if (quote == u'\'' && c == quote) {
                quote = QChar();
            } else if (quote == u'\'') { // everything stands for itself up to the closing quote
                word.value += c;
            } else if (quote == u'"') { // a backslash keeps only the few characters that double quotes give meaning
                if (c == quote)
                    quote = QChar();
                else if (c == u'\\' && QStringLiteral("$`\"\\\n").contains(next) && !next.isNull())
                    word.value += text[++i];
                else
                    word.value += c;
            } else if (c == u'\'' || c == u'"') {
                quote = c;
            } else if (c == u'\\' && !next.isNull()) {
                word.value += text[++i];
            } else {
                word.value += c;
            }
        }
        word.end = i;
    }
    if (balanced)
        *balanced = quote.isNull();
    return words;
}

QString shellQuoted(QString word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    return QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
}

LaunchPrefix readLaunchPrefix(const QString &customParameters)
{
    bool balanced = true;
    const QList<ShellWord> words = shellWords(customParameters, &balanced);
    qsizetype at = -1, placeholders = 0;
    for (qsizetype i = 0; i < words.size(); ++i)
        if (words[i].value == QLatin1String(placeholder) && placeholders++ == 0)
            at = i;
    if (at < 0)
        return {{}, {}, customParameters, {}};
    LaunchPrefix prefix;
    if (placeholders > 1)
        prefix.problem = QCoreApplication::translate("LaunchPrefix", "%command% stands there more than once");
    else if (!balanced)
        prefix.problem = QCoreApplication::translate("LaunchPrefix", "a quote is not closed");
    // Assignments first, as a shell reads them: a word like --backend=sdl after the wrapper's name is its argument.
    static const QRegularExpression assignment(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*="));
    for (qsizetype i = 0; i < at; ++i)
        (prefix.wrapper.isEmpty() && assignment.match(words[i].value).hasMatch() ? prefix.environment : prefix.wrapper)
            << words[i].value;
    prefix.parameters = customParameters.mid(words[at].end);
    if (prefix.parameters.startsWith(QLatin1Char(' ')))
        prefix.parameters.remove(0, 1); // the blank that parted them
    return prefix;
}

QString LaunchPrefix::shellWords() const
{
    QStringList words;
    for (const QString &word : environment + wrapper)
        words << shellQuoted(word);
    return words.join(QLatin1Char(' '));
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
        (prefix.isEmpty() ? QString() : prefix.shellWords() + QLatin1Char(' ')) + QStringLiteral("hl.exe") + parameters;
    // Besides the line breaks, the two characters that a text document takes for the edges of a frame.
    for (QChar &c : line)
        if (isLineBreak(c) || c == u'\uFDD0' || c == u'\uFDD1')
            c = u' ';
    return line;
}

} // namespace vantor
