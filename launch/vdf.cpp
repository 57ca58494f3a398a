#include "vdf.h"

namespace vantor {
namespace {

constexpr qsizetype deepest = 64; // blocks within blocks; Steam's own files go some ten deep

class Reader {
public:
    Reader(QStringView text, const QStringList &only) : m_text(text), m_only(only) {}

    // Reads keys into BLOCK up to its closing brace, or to the end at the top; with no BLOCK, passes over them. False
    // where the text broke off.
    bool block(Vdf *block, qsizetype depth)
    {
        const bool top = depth == 0;
        for (;;) {
            Vdf entry;
            const Piece key = next();
            switch (key.token) {
            case Token::End: return top;
            case Token::Close: return !top;
            case Token::Open: return false; // a block without a key
            case Token::Text: break;
            }
            const bool keep =
                block && (depth >= m_only.size() || key.text.compare(m_only[depth], Qt::CaseInsensitive) == 0);
            if (keep)
                entry.key = key.text.toString();
            const Piece value = next();
            if (value.token == Token::Open) {
                if (depth == deepest)
                    return false; // deeper than any file of Steam's: a broken one, or one made to use up the stack
                const bool whole = this->block(keep ? &entry : nullptr, depth + 1);
                if (keep)
                    block->children << std::move(entry); // with what was read of it
                if (!whole)
                    return false;
            } else if (value.token == Token::Text) {
                if (keep) {
                    entry.value = value.text.toString();
                    block->children << std::move(entry);
                }
            } else {
                return false;
            }
        }
    }

private:
    enum class Token { Text, Open, Close, End };
    // A token's text stands in the file, or, where it had escapes, in m_unescaped until the next token is read.
    struct Piece {
        Token token;
        QStringView text;
    };

    static bool endsBareToken(QChar c) { return c.isSpace() || c == u'{' || c == u'}' || c == u'"'; }

    Piece next()
    {
        const qsizetype size = m_text.size();
        for (;;) {
            while (m_at < size && m_text[m_at].isSpace())
                ++m_at;
            const bool comment = m_text.sliced(m_at).startsWith(u"//");
            if (!comment && (m_at >= size || m_text[m_at] != u'[')) // [$WIN32] is a condition
                break;
            const qsizetype end = m_text.indexOf(comment ? u'\n' : u']', m_at);
            m_at = end < 0 ? size : end + 1;
        }
        if (m_at >= size)
            return {Token::End, {}};
        const QChar c = m_text[m_at++];
        if (c == u'{' || c == u'}')
            return {c == u'{' ? Token::Open : Token::Close, {}};
        if (c != u'"') { // a bare token runs to a blank, a brace or a quote
            const qsizetype from = m_at - 1;
            while (m_at < size && !endsBareToken(m_text[m_at]))
                ++m_at;
            return {Token::Text, m_text.sliced(from, m_at - from)};
        }
        const qsizetype from = m_at;
        bool escapes = false;
        for (; m_at < size && m_text[m_at] != u'"'; ++m_at)
            if (m_text[m_at] == u'\\' && m_at + 1 < size && escapable(m_text[m_at + 1]))
                escapes = true, ++m_at;
        if (m_at++ >= size)
            return {Token::End, {}}; // a text cut short is no text
        const QStringView text = m_text.sliced(from, m_at - 1 - from);
        return {Token::Text, escapes ? unescaped(text) : text};
    }

    static bool escapable(QChar c) { return c == u'"' || c == u'\\' || c == u'n' || c == u't'; }

    QStringView unescaped(QStringView text)
    {
        m_unescaped.clear();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\\' && i + 1 < text.size() && escapable(text[i + 1])) {
                const QChar escaped = text[++i];
                m_unescaped += escaped == u'n' ? u'\n' : escaped == u't' ? u'\t' : escaped;
            } else {
                m_unescaped += text[i];
            }
        }
        return m_unescaped;
    }

    QStringView m_text;
    const QStringList &m_only;
    QString m_unescaped;
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

Vdf readVdf(const QByteArray &text, const QStringList &only)
{
    QString decoded = QString::fromUtf8(text);
    if (decoded.startsWith(QChar::ByteOrderMark))
        decoded.remove(0, 1);
    Vdf top;
    Reader(decoded, only).block(&top, 0);
    return top;
}

} // namespace vantor
