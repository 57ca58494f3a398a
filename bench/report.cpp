#include "report.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/utsname.h>

namespace vantor::bench {
namespace {

std::string format(const char *pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

// Columns are padded by characters as shown, not bytes: "≤" takes three bytes and one column.
size_t shownWidth(const std::string &text)
{
    return size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string padded(const std::string &text, size_t width)
{
    return text + std::string(width - std::min(width, shownWidth(text)), ' ');
}

// The value of KEY in a file of "key: value" or key=value lines, such as /proc/cpuinfo or /etc/os-release.
std::string fileValue(const char *path, const std::string &key, char separator)
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(key, 0) != 0)
            continue;
        const size_t at = line.find(separator);
        if (at == std::string::npos)
            continue;
        std::string value = line.substr(at + 1);
        value.erase(0, value.find_first_not_of(" \t\""));
        value.erase(value.find_last_not_of(" \t\"") + 1);
        return value;
    }
    return {};
}

double loadAverage()
{
    double load[1] = {};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

std::string machine(double loadAtStart)
{
    std::ostringstream out;
    const std::string cpu = fileValue("/proc/cpuinfo", "model name", ':');
    out << "- CPU: " << (cpu.empty() ? "unknown model" : cpu) << ", " << std::thread::hardware_concurrency()
        << " logical processors; load average " << format("%.2f", loadAtStart) << " at the start, "
        << format("%.2f", loadAverage()) << " at the end\n";
    utsname system{};
    const std::string os = fileValue("/etc/os-release", "PRETTY_NAME", '=');
    out << "- OS: " << (os.empty() ? "unknown" : os);
    if (uname(&system) == 0)
        out << ", " << system.sysname << " " << system.release << " " << system.machine;
#ifdef __clang__
    const char *compiler = "Clang " __clang_version__;
#else
    const char *compiler = "GCC " __VERSION__;
#endif
    out << "\n- Qt " << qVersion() << ", built with " << compiler << "\n";
    char date[32] = "unknown";
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    out << "- Date: " << date << "\n";
    return out.str();
}

} // namespace

std::string grouped(long number)
{
    std::string digits = std::to_string(number < 0 ? -number : number);
    for (size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return (number < 0 ? "-" : "") + digits;
}

Report::Report() : m_loadAtStart(loadAverage()) {}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

void Report::ratio(const std::string &name, const char *unit, const std::vector<double> &vantor,
                   const std::vector<double> &reference, double limit, const char *vantorLabel,
                   const char *referenceLabel)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < std::min(vantor.size(), reference.size()); ++i)
        if (reference[i] > 0)
            ratios.push_back(vantor[i] / reference[i]);
    if (ratios.empty() || ratios.size() != vantor.size() || vantor.size() != reference.size()) {
        unmeasured(name, "no complete pairs of samples");
        return;
    }
    const double ratio = median(ratios);
    const std::string measured = std::string(vantorLabel) + " " + format("%.1f ", median(vantor)) + unit + ", " +
                                 referenceLabel + " " + format("%.1f ", median(reference)) + unit + ": ratio " +
                                 format("%.3f", ratio);
    check(name, measured, "ratio ≤ " + format("%.2f", limit), ratio <= limit);
}

void Report::bounded(const std::string &name, double value, const char *unit, double limit, const std::string &detail)
{
    const std::string measured = format("%.3f ", value) + unit + (detail.empty() ? "" : " (" + detail + ")");
    check(name, measured, "≤ " + format("%g ", limit) + unit, value <= limit);
}

void Report::check(const std::string &name, const std::string &measured, const std::string &goal, bool pass)
{
    m_rows.push_back({name, measured, goal, pass});
}

void Report::unmeasured(const std::string &name, const std::string &why)
{
    std::printf("%s: not measured: %s\n", name.c_str(), why.c_str());
    std::fflush(stdout);
    check(name, "not measured: " + why, "", false);
}

void Report::note(const std::string &text)
{
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    m_notes.push_back(text);
}

bool Report::passed() const
{
    return !m_rows.empty() && std::all_of(m_rows.begin(), m_rows.end(), [](const Row &row) { return row.pass; });
}

void Report::print() const
{
    size_t widths[3] = {shownWidth("Figure"), shownWidth("Measured"), shownWidth("Goal")};
    for (const Row &row : m_rows) {
        widths[0] = std::max(widths[0], shownWidth(row.figure));
        widths[1] = std::max(widths[1], shownWidth(row.measured));
        widths[2] = std::max(widths[2], shownWidth(row.goal));
    }
    const auto line = [&](const std::string &a, const std::string &b, const std::string &c, const char *d) {
        std::printf("%s  %s  %s  %s\n", padded(a, widths[0]).c_str(), padded(b, widths[1]).c_str(),
                    padded(c, widths[2]).c_str(), d);
    };
    std::printf("\n");
    line("Figure", "Measured", "Goal", "Verdict");
    line(std::string(widths[0], '-'), std::string(widths[1], '-'), std::string(widths[2], '-'), "-------");
    for (const Row &row : m_rows)
        line(row.figure, row.measured, row.goal, row.pass ? "PASS" : "FAIL");
    std::printf("%s\n", passed() ? "All figures within their limits." : "Some figures are over their limits.");
    std::fflush(stdout);
}

bool Report::writeMarkdown(const std::string &path, const std::string &title, const std::string &intro) const
{
    std::ofstream file(path);
    file << "# " << title << "\n\n" << intro << "\n\n## The machine\n\n" << machine(m_loadAtStart) << "\n## How\n\n";
    for (const std::string &note : m_notes)
        file << "- " << note << "\n";
    file << "\n## Figures\n\n| Figure | Measured | Goal | Verdict |\n|---|---|---|---|\n";
    for (const Row &row : m_rows)
        file << "| " << row.figure << " | " << row.measured << " | " << row.goal << " | "
             << (row.pass ? "PASS" : "**FAIL**") << " |\n";
    file << "\n" << (passed() ? "All figures within their limits." : "Some figures are over their limits.") << "\n";
    file.close();
    return bool(file);
}

} // namespace vantor::bench
