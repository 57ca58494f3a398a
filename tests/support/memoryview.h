#pragma once

// Options held in memory, starting at the catalogue's start values, with no change handling: the launch and settings
// logic tested without a window. Every set is recorded in order.

#include "launch/options.h"
#include "launch/optionview.h"

#include <QStringList>

#include <map>
#include <string>

inline bool isPositionKind(vantor::OptionKind kind)
{
    return kind == vantor::OptionKind::Slider || kind == vantor::OptionKind::ScrollBar;
}

// Applies "key=value" settings to any view: check boxes and sliders take a number, text fields the text after '='.
inline void applySettings(vantor::OptionView &view, const QStringList &settings)
{
    for (const QString &setting : settings) {
        const std::string key = setting.section(QLatin1Char('='), 0, 0).toStdString();
        const QString value = setting.section(QLatin1Char('='), 1);
        const vantor::OptionKind kind = vantor::option(key).kind;
        if (kind == vantor::OptionKind::Check)
            view.setCheck(key, value.toInt());
        else if (isPositionKind(kind))
            view.setPosition(key, value.toInt());
        else
            view.setText(key, value);
    }
}

class MemoryView : public vantor::OptionView {
public:
    MemoryView()
    {
        for (const vantor::Option &opt : vantor::optionCatalogue()) {
            const QString start = vantor::toQString(opt.start);
            const std::string key(opt.key);
            if (opt.kind == vantor::OptionKind::Check)
                checks[key] = start.toInt();
            else if (isPositionKind(opt.kind))
                positions[key] = start.toInt();
            else
                texts[key] = start;
        }
    }

    int check(std::string_view key) const override { return checks.at(std::string(key)); }
    QString text(std::string_view key) const override { return texts.at(std::string(key)); }
    int position(std::string_view key) const override { return positions.at(std::string(key)); }
    void setCheck(std::string_view key, int state) override { checks.at(set(key)) = state; }
    void setText(std::string_view key, const QString &text) override { texts.at(set(key)) = text; }
    void setPosition(std::string_view key, int position) override { positions.at(set(key)) = position; }

    void apply(const QStringList &settings) { applySettings(*this, settings); }

    // Any option's value as text, as a slot stores it.
    QString value(const std::string &key) const
    {
        if (checks.count(key))
            return QString::number(checks.at(key));
        return positions.count(key) ? QString::number(positions.at(key)) : texts.at(key);
    }

    std::map<std::string, int> checks;
    std::map<std::string, QString> texts;
    std::map<std::string, int> positions;
    QStringList changed;

private:
    std::string set(std::string_view key)
    {
        changed << vantor::toQString(key);
        return std::string(key);
    }
};
