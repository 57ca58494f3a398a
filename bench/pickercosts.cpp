#include "pickercosts.h"

#include "report.h"
#include "scratch.h"

#include "ui/form1.h"
#include "ui/picker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace vantor::bench {
namespace {

constexpr int mapFiles = 20000;
constexpr int otherFiles = 20000;
constexpr int pickerRepeats = 15;
constexpr double pickerLimitMs = 150;
constexpr double pickerRatioLimit = 3;

// GAME/valve/maps with the map files and as many others beside them.
bool makeMapsFolder(const std::string &game)
{
    const std::string maps = game + "/valve/maps/";
    std::error_code error;
    std::filesystem::create_directories(maps, error);
    if (error)
        return false;
    char name[32];
    for (int i = 0; i < mapFiles + otherFiles; ++i) {
        std::snprintf(name, sizeof name, i < mapFiles ? "map%05d.bsp" : "map%05d.wad", i % mapFiles);
        const int fd = ::open((maps + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    return true;
}

// Clicks Browse and waits until the picker is on screen; the time it took, or a negative value when no picker came.
double openMapPicker(Form1 &form, QPointer<FilePicker> &picker)
{
    const Clock::time_point start = Clock::now();
    form.butmap->click();
    picker = form.findChild<FilePicker *>(QStringLiteral("frmmap"));
    if (!picker)
        return -1;
    // Sleeps until events come rather than spinning; the timer wakes it now and then to give up after a while.
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    QTimer wake;
    wake.start(100);
    while (picker && !(picker->windowHandle() && picker->windowHandle()->isExposed())) {
        if (Clock::now() > deadline)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!picker)
        return -1;
    QCoreApplication::processEvents(); // the first paint
    return msSince(start);
}

void closePicker(QPointer<FilePicker> &picker)
{
    picker->close();
    while (picker)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void measurePickerCosts(Form1 &form, const std::string &scratch, Report &report, bool verbose)
{
    static constexpr char name[] = "map picker open";
    static constexpr char ratioName[] = "map picker / listing";
    report.note("Map picker: Browse clicked " + std::to_string(pickerRepeats) + " times, after one not counted, on " +
                grouped(mapFiles) + " .bsp files among " + grouped(otherFiles) +
                " others, until the list is shown and painted; against listing the .bsp files with QDir alone; "
                "medians, and the median of the ratios of each round's opening to its listing");
    ScratchDir game("pickers", scratch);
    if (!game.valid() || !makeMapsFolder(game.path())) {
        report.unmeasured(name, "cannot make a maps folder of " + grouped(mapFiles + otherFiles) + " files");
        report.unmeasured(ratioName, "no maps folder");
        return;
    }
    const QString previous = form.text("hldir");
    form.setText("hldir", QString::fromStdString(game.path()));
    const QString maps = QString::fromStdString(game.path() + "/valve/maps/");

    std::vector<double> opening, listing;
    QPointer<FilePicker> picker;
    QString failure;
    // The first round, not counted, brings the folder into the cache and has Qt load what a list view needs.
    for (int round = 0; round <= pickerRepeats && failure.isEmpty(); ++round) {
        const Clock::time_point start = Clock::now();
        const qsizetype listed = QDir(maps).entryList({QStringLiteral("*.bsp")}, QDir::Files).size();
        const double listMs = msSince(start);
        const double openMs = openMapPicker(form, picker);
        if (openMs < 0)
            failure = QStringLiteral("Browse opened no map picker");
        else if (listed != mapFiles || picker->findChild<QAbstractItemView *>()->model()->rowCount() != mapFiles)
            failure = QStringLiteral("the picker or the listing missed map files");
        if (picker)
            closePicker(picker);
        if (round > 0) {
            opening.push_back(openMs);
            listing.push_back(listMs);
        }
    }
    form.setText("hldir", previous);
    if (!failure.isEmpty()) {
        report.unmeasured(name, failure.toStdString());
        report.unmeasured(ratioName, failure.toStdString());
        return;
    }
    if (verbose) {
        const auto [least, most] = std::minmax_element(opening.begin(), opening.end());
        std::printf("  map picker open: min %.1f ms, max %.1f ms; listing alone: median %.1f ms\n", *least, *most,
                    median(listing));
    }
    report.bounded(name, median(opening), "ms", pickerLimitMs, "median of " + std::to_string(pickerRepeats));
    report.ratio(ratioName, "ms", opening, listing, pickerRatioLimit, "picker", "listing");
}

} // namespace vantor::bench
