#include "shellwords.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace vantor {
namespace {

bool isNameStart(QChar c) { return c == u'_' || (c.unicode() < 128 && c.isLetter()); }
bool isNameCharacter(QChar c) { return isNameStart(c) || (c.unicode() < 128 && c.isDigit()); }

bool isName(QStringView text)
{
    return !text.isEmpty() && isNameStart(text.front()) && std::all_of(text.begin(), text.end(), isNameCharacter);
}

bool isPlain(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    return plain.match(word).hasMatch();
}

// Gathers the words of a reading as its characters come.
class Words {
public:
    explicit Words(ShellReading &reading) : m_reading(reading) {}

    bool fresh() const { return !m_open; }
    // Characters that stand for themselves, quoted or not.
    void add(const QString &text, qsizetype at)
    {
        open(at);
        m_word.value += text;
        m_kept = true;
    }
    // Quotes make a word even when they hold nothing.
    void quoted(qsizetype at)
    {
        open(at);
        m_kept = true;
    }
    // What an unquoted expansion gives is split at blanks, and makes no word where it is empty.
    void expanded(const QString &value, qsizetype at, qsizetype end)
    {
        for (const QChar c : value) {
            if (c == u' ' || c == u'\t' || c == u'\n') {
                close(end);
            } else {
                open(at);
                m_word.value += c;
            }
        }
    }
    void close(qsizetype end)
    {
        if (m_open && (m_kept || !m_word.value.isEmpty())) {
            m_word.end = end;
            m_reading.words << m_word;
        }
        m_open = m_kept = false;
        m_word = {};
    }

private:
    void open(qsizetype at)
    {
        if (!m_open)
            m_word.start = at;
        m_open = true;
    }

    ShellReading &m_reading;
    ShellWord m_word;
    bool m_open = false, m_kept = false;
};

// Expands the $ or ` at I of TEXT into WORDS; returns where the expansion ends, its last character.
qsizetype expand(const QString &text, qsizetype i, bool quoted, const QProcessEnvironment &environment, Words &words,
                 ShellReading &reading)
{
    const auto keep = [&](const QString &problem) {
        if (reading.problem.isEmpty())
            reading.problem = problem;
        words.add(text[i], i);
        return i;
    };
    const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
    if (text[i] == u'`' || next == u'(')
        return keep(QCoreApplication::translate("LaunchPrefix", "a command substitution ($(…) or `…`) is never run"));
    qsizetype end = i + 1;
    QString name;
    if (next == u'{') {
        end = text.indexOf(u'}', i + 2);
        if (end < 0 || !isName(QStringView(text).mid(i + 2, end - i - 2)))
            return keep(QCoreApplication::translate("LaunchPrefix", "only $NAME and ${NAME} are expanded, not %1")
                            .arg(end < 0 ? text.mid(i) : text.mid(i, end - i + 1)));
        name = text.mid(i + 2, end - i - 2);
        ++end;
    } else if (isNameStart(next)) {
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        name = text.mid(i + 1, end - i - 1);
    } else {
        words.add(QStringLiteral("$"), i); // before anything else a dollar sign stands for itself
        return i;
    }
    const QString value = environment.value(name);
    if (quoted)
        words.add(value, i);
    else
        words.expanded(value, i, end);
    return end - 1;
}

} // namespace

ShellReading readShellWords(const QString &text, const QProcessEnvironment *environment)
{
    ShellReading reading;
    Words words(reading);
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i], next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (quote == u'\'') { // everything stands for itself up to the closing quote
            if (c == quote)
                quote = QChar();
            else
                words.add(c, i);
        } else if (quote == u'"' && c == quote) {
            quote = QChar();
        } else if (c == u'\\' && !next.isNull() && (quote.isNull() || QStringLiteral("$`\"\\\n").contains(next))) {
            // In double quotes a backslash keeps only the few characters that they give meaning; before a line
            // break it joins two lines.
            if (next != u'\n')
                words.add(next, i);
            ++i;
        } else if (environment && (c == u'$' || c == u'`')) {
            i = expand(text, i, quote == u'"', *environment, words, reading);
        } else if (quote.isNull() && c.isSpace()) {
            words.close(i);
        } else if (quote.isNull() && (c == u'\'' || c == u'"')) {
            quote = c;
            words.quoted(i);
        } else if (quote.isNull() && environment && c == u'~' && words.fresh() &&
                   (next.isNull() || next == u'/' || next.isSpace())) {
            words.add(environment->value(QStringLiteral("HOME")), i);
        } else {
            words.add(c, i);
        }
    }
    words.close(text.size());
    reading.balanced = quote.isNull();
    return reading;
}

QString shellQuoted(QString word)
{
    if (isPlain(word))
        return word;
    return QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
}

QString typedForShell(const QString &word)
{
    if (isPlain(word))
        return word;
    const qsizetype equals = word.indexOf(u'=');
    if (equals > 0 && isName(QStringView(word).left(equals)))
        return word.left(equals + 1) + typedForShell(word.mid(equals + 1));
    QString typed = QStringLiteral("\"");
    for (const QChar c : word) {
        if (c == u'\\' || c == u'"' || c == u'$' || c == u'`')
            typed += u'\\';
        typed += c;
    }
    return typed + u'"';
}

QString typedForParameters(const QString &word)
{
    if (!word.isEmpty() && std::none_of(word.begin(), word.end(), [](QChar c) { return c.isSpace() || c == u'"'; }))
        return word;
    return QLatin1Char('"') + QString(word).replace(QLatin1Char('"'), QLatin1String("\"\"\"")) + QLatin1Char('"');
}

} // namespace vantor
