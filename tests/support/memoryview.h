#pragma once

// Options held in memory, starting at the catalogue's start values: lets the launch and settings logic be tested
// without a window.

#include "launch/options.h"
#include "launch/optionview.h"

#include <map>
#include <string>

class MemoryView : public vantor::OptionView {
public:
    MemoryView()
    {
        for (const vantor::Option &opt : vantor::optionCatalogue()) {
            const QString start = vantor::toQString(opt.start);
            switch (opt.kind) {
            case vantor::OptionKind::Check: checks[std::string(opt.key)] = start.toInt(); break;
            case vantor::OptionKind::Slider:
            case vantor::OptionKind::ScrollBar: positions[std::string(opt.key)] = start.toInt(); break;
            default: texts[std::string(opt.key)] = start; break;
            }
        }
    }

    int check(std::string_view key) const override { return checks.at(std::string(key)); }
    QString text(std::string_view key) const override { return texts.at(std::string(key)); }
    int position(std::string_view key) const override { return positions.at(std::string(key)); }
    void setCheck(std::string_view key, int state) override { checks.at(std::string(key)) = state; }
    void setText(std::string_view key, const QString &text) override { texts.at(std::string(key)) = text; }
    void setPosition(std::string_view key, int position) override { positions.at(std::string(key)) = position; }

    std::map<std::string, int> checks;
    std::map<std::string, QString> texts;
    std::map<std::string, int> positions;
};
