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
constexpr double modPickerLimitMs = 300;
constexpr double pickerRatioLimit = 3;

bool touch(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

bool makeFiles(const std::string &folder, const char *pattern, int count)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    char name[32];
    for (int i = 0; i < count && !error; ++i) {
        std::snprintf(name, sizeof name, pattern, i);
        if (!touch(folder + name))
            return false;
    }
    return !error;
}

// GAME/valve/maps with the map files and as many others beside them, and a mod, GAME/cstrike, with as many maps of
// its own.
bool makeMapsFolders(const std::string &game)
{
    return makeFiles(game + "/valve/maps/", "map%05d.bsp", mapFiles) &&
           makeFiles(game + "/valve/maps/", "map%05d.wad", otherFiles) &&
           makeFiles(game + "/cstrike/maps/", "cs%05d.bsp", mapFiles) && touch(game + "/cstrike/liblist.gam");
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

// Times the picker RUNS times, after one not counted, with or without the mod, against listing its folders alone.
QString timePicker(Form1 &form, const QStringList &folders, std::vector<double> &opening, std::vector<double> &listing)
{
    QPointer<FilePicker> picker;
    // The first round, not counted, brings the folders into the cache and has Qt load what a list view needs.
    for (int round = 0; round <= pickerRepeats; ++round) {
        const Clock::time_point start = Clock::now();
        qsizetype listed = 0;
        for (const QString &folder : folders)
            listed += QDir(folder).entryList({QStringLiteral("*.bsp")}, QDir::Files).size();
        const double listMs = msSince(start);
        const double openMs = openMapPicker(form, picker);
        const qsizetype expected = mapFiles * folders.size();
        if (openMs < 0)
            return QStringLiteral("Browse opened no map picker");
        const bool missed = picker->findChild<QAbstractItemView *>()->model()->rowCount() != expected;
        closePicker(picker);
        if (listed != expected || missed)
            return QStringLiteral("the picker or the listing missed map files");
        if (round > 0) {
            opening.push_back(openMs);
            listing.push_back(listMs);
        }
    }
    return {};
}

} // namespace

void measurePickerCosts(Form1 &form, const std::string &scratch, Report &report, bool verbose)
{
    static constexpr char name[] = "map picker open";
    static constexpr char ratioName[] = "map picker / listing";
    static constexpr char modName[] = "map picker open, with a mod";
    report.note("Map picker: Browse clicked " + std::to_string(pickerRepeats) + " times, after one not counted, on " +
                grouped(mapFiles) + " .bsp files among " + grouped(otherFiles) +
                " others, until the list is shown and painted; against listing the .bsp files with QDir alone; "
                "medians, and the median of the ratios of each round's opening to its listing. Then as often with "
                "a mod whose own maps folder holds " +
                grouped(mapFiles) + " more");
    ScratchDir game("pickers", scratch);
    if (!game.valid() || !makeMapsFolders(game.path())) {
        for (const char *figure : {name, ratioName, modName})
            report.unmeasured(figure, "cannot make maps folders of " + grouped(2 * mapFiles + otherFiles) + " files");
        return;
    }
    const QString previous = form.text("hldir"), folder = QString::fromStdString(game.path());
    form.setText("hldir", folder);
    std::vector<double> opening, listing, modOpening, modListing;
    QString failure = timePicker(form, {folder + "/valve/maps/"}, opening, listing);
    form.setText("txtmod", QStringLiteral("cstrike"));
    form.setCheck("chkmod", 1);
    const QString modFailure =
        timePicker(form, {folder + "/valve/maps/", folder + "/cstrike/maps/"}, modOpening, modListing);
    form.setCheck("chkmod", 0);
    form.setText("hldir", previous);
    if (!failure.isEmpty()) {
        report.unmeasured(name, failure.toStdString());
        report.unmeasured(ratioName, failure.toStdString());
    } else {
        if (verbose) {
            const auto [least, most] = std::minmax_element(opening.begin(), opening.end());
            std::printf("  map picker open: min %.1f ms, max %.1f ms; listing alone: median %.1f ms\n", *least, *most,
                        median(listing));
        }
        report.bounded(name, median(opening), "ms", pickerLimitMs, "median of " + std::to_string(pickerRepeats));
        report.ratio(ratioName, "ms", opening, listing, pickerRatioLimit, "picker", "listing");
    }
    if (!modFailure.isEmpty())
        report.unmeasured(modName, modFailure.toStdString());
    else
        report.bounded(modName, median(modOpening), "ms", modPickerLimitMs,
                       "median of " + std::to_string(pickerRepeats));
}

} // namespace vantor::bench
