#pragma once

// What reading a command line and reading a CFG file share: setting the options as a user would, and the CFG file's
// lines that the controls write.

#include "importer.h"
#include "options.h"
#include "optionview.h"

#include <QList>
#include <QString>

#include <set>
#include <string_view>

namespace vantor::importing {

// Sets options through the view as a user would type them, and keeps count.
class Setter {
public:
    explicit Setter(OptionView &options) : m_options(options) {}

    void check(std::string_view key, int state)
    {
        m_options.setCheck(key, state);
        m_set.insert(key);
    }
    void position(std::string_view key, int position)
    {
        m_options.setPosition(key, position);
        m_set.insert(key);
    }
    // A text longer than a user may type into the field is refused whole, unless Vantor itself wrote it: a picker
    // or a slot can put a longer one into the field.
    bool text(std::string_view key, const QString &text)
    {
        const int limit = option(key).typingLimit;
        if (!vantorsOwn && limit > 0 && text.toUcs4().size() > limit)
            return false;
        m_options.setText(key, text);
        m_set.insert(key);
        return true;
    }
    bool isOn(std::string_view key) const { return m_options.isOn(key); }

    int unused = 0;
    bool vantorsOwn = false; // what is read is Vantor's own command line or CFG file
    Imported result() const { return {int(m_set.size()), unused}; }

private:
    OptionView &m_options;
    std::set<std::string_view> m_set;
};

// A console command and its value, as a line gives them. Vantor's own lines are taken as they stand (one blank
// between the two, the value verbatim); a user's may have other blanks, a quoted value, upper case and a comment.
struct Command {
    QString name, value;
};
Command split(const QString &line, bool own);

// Sets the control that writes this line; false when no control writes it. NAMED gathers the keys of the boxes
// whose lines were there.
bool readCfgLine(Setter &set, const QString &line, bool own, std::set<std::string_view> &named);

// Whether a control writes a line of this command into the CFG file (+mlook, say).
bool isCfgCommand(const QString &name);

} // namespace vantor::importing
