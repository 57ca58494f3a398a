#include "cfgfile.h"

#include "commandline.h"
#include "numbers.h"
#include "numericfields.h"
#include "options.h"
#include "optionview.h"
#include "weblinks.h"

#include <QDir>
#include <QSaveFile>

#include <array>
#include <string_view>

namespace vantor {
namespace {

constexpr std::array leadingLines{
    SwitchedLine{"chkcheat", "sv_cheats 1", "sv_cheats 0"},
    SwitchedLine{"chkcfg", "exec ", {}, "txtcfg"},
    SwitchedLine{"chkmmx", "r_mmx 1", "r_mmx 0"},
    SwitchedLine{"chkshad", "r_shadows 1", "r_shadows 0"},
    SwitchedLine{"chkthird", "chase_active 1", "chase_active 0"},
    SwitchedLine{"chkmfilt", "m_filter 1", "m_filter 0"},
    SwitchedLine{"chkflip", "gl_d3dflip 1", "gl_d3dflip 0"},
    SwitchedLine{"chkjoy", "joystick 1", "joystick 0"},
    SwitchedLine{"chkdownload", "cl_allowdownload 1", "cl_allowdownload 0"},
    SwitchedLine{"chkupload", "cl_allowupload 1", "cl_allowupload 0"},
    SwitchedLine{"chkhimodel", "cl_himodels 1", "cl_himodels 0"},
    SwitchedLine{"chklan", "sv_lan 1", "sv_lan 0"},
    SwitchedLine{"chkdynlit", "r_dynamic 1", "r_dynamic 0"},
    SwitchedLine{"chktexsort", "gl_texsort 1", "gl_texsort 0"},
    SwitchedLine{"chkweap", "r_drawviewmodel 1", "r_drawviewmodel 0"},
    SwitchedLine{"chkjunc", "gl_keeptjunctions 1", "gl_keeptjunctions 0"},
    SwitchedLine{"chkztrk", "gl_ztrick 1", "gl_ztrick 0"},
    SwitchedLine{"chkdm", "deathmatch 1", "deathmatch 0"},
    SwitchedLine{"chkhisnd", "hisound 1", "hisound 0"},
    SwitchedLine{"chk16bit", "loadas8bit 0", "loadas8bit 1"}, // 16-bit sound is not loading as 8-bit
    SwitchedLine{"chkreverb", "s_reverb 1", "s_reverb 0"},
    SwitchedLine{"chkprfsnd", "_snd_mixahead 0.100", "_snd_mixahead 0.200"},
    SwitchedLine{"chkeax", "s_eax 1", "s_eax 0"},
    SwitchedLine{"chka3d", "s_a3d 1", "s_a3d 0"},
};

constexpr std::array trailingLines{
    SwitchedLine{"chkmlook", "+mlook", "-mlook"},
    SwitchedLine{"chkmap", "map ", {}, "txtmap"},
};

constexpr std::array numericLines{
    NumericLine{"txtmaxp", "maxplayers ", "16"},  NumericLine{"txtrate", "rate ", "2500"},
    NumericLine{"txtfpsnet", "fps_modem ", "30"}, NumericLine{"txtpush", "pushlatency -", "300"},
    NumericLine{"txtfpslan", "fps_lan ", "45"},   NumericLine{"txtdecal", "r_decals ", "350"},
};

class Lines {
public:
    // A line break inside a text never starts a line of its own.
    void add(QString line)
    {
        line.remove(QLatin1Char('\r'));
        line.remove(QLatin1Char('\n'));
        m_content += line.toLocal8Bit();
        m_content += "\r\n";
    }
    void add(std::string_view line) { add(toQString(line)); }

    QByteArray content() const { return m_content; }

private:
    QByteArray m_content;
};

void addSwitched(Lines &lines, const OptionView &options, const SwitchedLine &line)
{
    const bool on = options.isOn(line.key);
    if (line.field.empty()) {
        lines.add(on ? line.on : line.off);
        return;
    }
    const QString text = options.text(line.field);
    if (on && !withoutLineBreaks(text).isEmpty())
        lines.add(toQString(line.on) + text);
}

enum class Verdict { Write, Skip, Recover };

Verdict judge(const OptionView &options, const NumericLine &line, QString &out)
{
    const QString text = options.text(line.field);
    if (text.isEmpty())
        return Verdict::Skip;
    const auto number = parseNumber(text);
    if (!number)
        return Verdict::Recover; // even with the box off, a text that is no number is put right
    const NumericField *field = numericField(line.field);
    if (!options.isOn(field->checkKey) || *number == 0)
        return Verdict::Skip;
    if (!field->sixteenBit) {
        out = toQString(line.prefix) + text;
        return Verdict::Write;
    }
    const auto whole = toInt16(*number);
    if (!whole)
        return Verdict::Recover;
    out = toQString(line.prefix) + QString::number(*whole);
    return Verdict::Write;
}

void addNumeric(Lines &lines, OptionView &options, const NumericLine &line)
{
    // The recovery text always passes, so a second look settles it.
    for (int look = 0; look < 2; ++look) {
        QString text;
        switch (judge(options, line, text)) {
        case Verdict::Write: lines.add(text); return;
        case Verdict::Skip: return;
        case Verdict::Recover: options.setText(line.field, toQString(line.recovery)); break;
        }
    }
}

} // namespace

QByteArray cfgFileContent(OptionView &options, const std::function<void()> &betweenSections)
{
    Lines lines;
    lines.add(std::string_view(cfgHeaderLine));
    lines.add(std::string_view("// this file can be safely deleted."));
    lines.add(QStringLiteral("// Web page: ") + QLatin1String(weblinks::homePage));
    lines.add(QString());
    lines.add(QString());

    for (const SwitchedLine &line : leadingLines)
        addSwitched(lines, options, line);
    for (const NumericLine &line : numericLines)
        addNumeric(lines, options, line);
    if (betweenSections)
        betweenSections();
    lines.add(QStringLiteral("skill ") + QString::number(options.position("scrlskill")));
    lines.add(QStringLiteral("scr_conspeed ") + QString::number(consoleSpeed(options.position("scrlcon"))));
    for (const SwitchedLine &line : trailingLines)
        addSwitched(lines, options, line);
    return lines.content();
}

std::span<const SwitchedLine> leadingCfgLines() { return leadingLines; }
std::span<const SwitchedLine> trailingCfgLines() { return trailingLines; }
std::span<const NumericLine> numericCfgLines() { return numericLines; }

QString cfgFilePath(const QString &gameDirectory, const QString &fileName)
{
    return gameDirectory + QStringLiteral("/valve/") + fileName;
}

bool writeCfgFile(const QString &path, OptionView &options, const std::function<void()> &betweenSections)
{
    QSaveFile file(path);
    // Unbuffered, so that a write the disk cuts short shows in the count: through Qt's buffer, a short write
    // would go unnoticed and the shortened file be put in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content = cfgFileContent(options, betweenSections);
    if (file.write(content) != content.size())
        return false; // a save file that is not committed is thrown away, and the old file stays
    return file.commit();
}

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QDir::separator());
}

} // namespace vantor
