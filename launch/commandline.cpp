#include "commandline.h"

#include "optionview.h"

namespace vantor {
namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

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

    const QString custom = options.text("customcmd"), said = withoutLineBreaks(custom);
    if (!said.isEmpty() && said != QLatin1String(" "))
        params += QLatin1Char(' ') + custom;
    return params;
}

QString commandLinePreview(const QString &parameters)
{
    QString line = QStringLiteral("hl.exe") + parameters;
    // Besides the line breaks, the two characters that a text document takes for the edges of a frame.
    for (QChar &c : line)
        if (isLineBreak(c) || c == u'\uFDD0' || c == u'\uFDD1')
            c = u' ';
    return line;
}

} // namespace vantor
