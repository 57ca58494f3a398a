#include "vdf.h"

namespace vantor {
namespace {

class Reader {
public:
    explicit Reader(const QString &text) : m_text(text) {}

    // Reads keys into BLOCK up to its closing brace, or to the end at the top. False where the text broke off.
    bool block(Vdf &block, bool top)
    {
        for (;;) {
            QString key;
            switch (next(key)) {
            case Token::End: return top;
            case Token::Close: return !top;
            case Token::Open: return false; // a block without a key
            case Token::Text: break;
            }
            Vdf entry{key, {}, {}};
            QString value;
            const Token token = next(value);
            if (token == Token::Open) {
                const bool whole = this->block(entry, false);
                block.children << entry; // with what was read of it
                if (!whole)
                    return false;
                continue;
            } else if (token == Token::Text) {
                entry.value = value;
            } else {
                return false;
            }
            block.children << entry;
        }
    }

private:
    enum class Token { Text, Open, Close, End };

    Token next(QString &text)
    {
        for (;;) {
            while (m_at < m_text.size() && m_text[m_at].isSpace())
                ++m_at;
            const bool comment = m_text.mid(m_at, 2) == QLatin1String("//");
            if (!comment && (m_at >= m_text.size() || m_text[m_at] != u'[')) // [$WIN32] is a condition
                break;
            const qsizetype end = m_text.indexOf(comment ? u'\n' : u']', m_at);
            m_at = end < 0 ? m_text.size() : end + 1;
        }
        if (m_at >= m_text.size())
            return Token::End;
        const QChar c = m_text[m_at++];
        if (c == u'{' || c == u'}')
            return c == u'{' ? Token::Open : Token::Close;
        if (c != u'"') { // a bare token runs to a blank, a brace or a quote
            text = c;
            while (m_at < m_text.size() && !m_text[m_at].isSpace() && !QStringLiteral("{}\"").contains(m_text[m_at]))
                text += m_text[m_at++];
            return Token::Text;
        }
        for (; m_at < m_text.size() && m_text[m_at] != u'"'; ++m_at) {
            const QChar escaped = m_at + 1 < m_text.size() ? m_text[m_at + 1] : QChar();
            if (m_text[m_at] == u'\\' && QStringLiteral("\"\\nt").contains(escaped) && !escaped.isNull()) {
                ++m_at;
                text += escaped == u'n' ? u'\n' : escaped == u't' ? u'\t' : escaped;
            } else {
                text += m_text[m_at];
            }
        }
        if (m_at++ >= m_text.size())
            return Token::End; // a text cut short is no text
        return Token::Text;
    }

    QString m_text;
    qsizetype m_at = 0;
};

} // namespace

const Vdf *Vdf::child(const QString &name) const
{
    for (const Vdf &child : children)
        if (child.key.compare(name, Qt::CaseInsensitive) == 0)
            return &child;
    return nullptr;
}

const Vdf *Vdf::at(const QStringList &path) const
{
    const Vdf *node = this;
    for (const QString &name : path)
        if (!(node = node->child(name)))
            return nullptr;
    return node;
}

Vdf readVdf(const QByteArray &text)
{
    QString decoded = QString::fromUtf8(text);
    if (decoded.startsWith(QChar::ByteOrderMark))
        decoded.remove(0, 1);
    Vdf top;
    Reader(decoded).block(top, true);
    return top;
}

} // namespace vantor
