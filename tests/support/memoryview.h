#pragma once

// Options held in memory, starting at the catalogue's start values, with no change handling: the launch and settings
// logic tested without a window. Each value is kept as the text a slot stores, and every set is recorded in order.

#include "launch/options.h"
#include "launch/optionview.h"

#include <QStringList>

#include <map>
#include <string>

// Applies "key=value" settings to any view, by each option's kind.
inline void applySettings(vantor::OptionView &view, const QStringList &settings)
{
    for (const QString &setting : settings) {
        const std::string key = setting.section(QLatin1Char('='), 0, 0).toStdString();
        const QString value = setting.section(QLatin1Char('='), 1);
        const vantor::OptionKind kind = vantor::option(key).kind;
        if (kind == vantor::OptionKind::Check)
            view.setCheck(key, value.toInt());
        else if (kind == vantor::OptionKind::Slider || kind == vantor::OptionKind::ScrollBar)
            view.setPosition(key, value.toInt());
        else
            view.setText(key, value);
    }
}

class MemoryView : public vantor::OptionView {
public:
    MemoryView()
    {
        for (const vantor::Option &opt : vantor::optionCatalogue())
            values[std::string(opt.key)] = vantor::toQString(opt.start);
    }

    int check(std::string_view key) const override { return value(key).toInt(); }
    QString text(std::string_view key) const override { return value(key); }
    int position(std::string_view key) const override { return value(key).toInt(); }
    void setCheck(std::string_view key, int state) override { set(key, QString::number(state)); }
    void setText(std::string_view key, const QString &text) override { set(key, text); }
    void setPosition(std::string_view key, int position) override { set(key, QString::number(position)); }

    void apply(const QStringList &settings) { applySettings(*this, settings); }
    QString value(std::string_view key) const { return values.at(std::string(key)); }

    std::map<std::string, QString> values;
    QStringList changed;

private:
    void set(std::string_view key, const QString &value)
    {
        changed << vantor::toQString(key);
        values.at(std::string(key)) = value;
    }
};
