#include "launch/commandline.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include "ui/picker.h"

#include <QDir>
#include <QListView>
#include <QStringListModel>
#include <QTemporaryDir>

#include <memory>

using namespace vantor;

namespace {

// Maps and CFG files among other files and folders whose names only look like them.
struct GameFolder {
    QTemporaryDir dir;
    GameFolder()
    {
        for (const char *folder : {"valve/maps/folder.bsp", "valve/folder.cfg"})
            QDir(dir.path()).mkpath(QLatin1String(folder));
        for (const char *name : {"maps/c1a0.bsp", "maps/DM_X.BSP", "maps/c1a0.res", "maps/c1a0.bsp.txt", "autoexec.cfg",
                                 "Mine.CFG", "liblist.gam"})
            QFile(dir.filePath(QStringLiteral("valve/") + QLatin1String(name))).open(QIODevice::WriteOnly);
    }
};

// Form1 as it starts with that game directory stored.
std::unique_ptr<Form1> startWith(const QString &gameDirectory)
{
    storefile::write("[other]\nhldir=" + gameDirectory.toUtf8() + "\n");
    auto form = std::make_unique<Form1>();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("Form1 not shown");
    return form;
}

// Whether a click on a check box of Form1 gets through: it turns chkdev over either way. The click goes to the window,
// as the system's would, so that a modal picker can block it.
bool formTakesInput(Form1 &form)
{
    const int before = form.check("chkdev");
    QWidget *box = control(form, "chkdev");
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, box->mapTo(&form, QPoint(6, box->height() / 2)));
    return form.check("chkdev") != before;
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void listing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("end");      // appended to the game directory
        QTest::addColumn<QString>("replaced"); // by an empty file, or removed if it ends in '/'
        QTest::addColumn<QString>("window");   // with its caption; empty: no picker
        QTest::addColumn<QStringList>("listed");
        const QStringList maps{"c1a0.bsp", "DM_X.BSP"};
        QTest::newRow("maps") << "butmap" << "" << "" << "frmmap=Select a map:" << maps;
        QTest::newRow("cfgs") << "butcfg" << "" << "" << "frmcfg=Select a cfg:"
                              << QStringList{"autoexec.cfg", "Mine.CFG"};
        QTest::newRow("separator at the end") << "butmap" << "/" << "" << "frmmap=Select a map:" << maps;
        QTest::newRow("no maps folder") << "butmap" << "" << "valve/maps/" << "" << QStringList();
        QTest::newRow("maps is a file") << "butmap" << "" << "valve/maps" << "" << QStringList();
        QTest::newRow("no valve folder") << "butcfg" << "" << "valve/" << "" << QStringList();
    }

    void listing()
    {
        QFETCH(QString, button);
        QFETCH(QString, end);
        QFETCH(QString, replaced);
        QFETCH(QString, window);
        QFETCH(QStringList, listed);
        GameFolder folder;
        if (!replaced.isEmpty())
            QVERIFY(QDir(folder.dir.filePath(replaced)).removeRecursively());
        if (!replaced.isEmpty() && !replaced.endsWith('/'))
            QVERIFY(QFile(folder.dir.filePath(replaced)).open(QIODevice::WriteOnly));
        const auto form = startWith(folder.dir.path() + end);
        click(*form, qPrintable(button));

        auto *picker = form->findChild<FilePicker *>();
        if (window.isEmpty()) {
            QVERIFY(!picker);
            QVERIFY(form->dirNotFoundWindow() && form->dirNotFoundWindow()->isVisible());
            QVERIFY(formTakesInput(*form));
            return;
        }
        QVERIFY(picker && picker->isVisible());
        QCOMPARE(picker->objectName() + '=' + picker->windowTitle(), window);
        const QString list = "file" + button.mid(3);
        QCOMPARE(qobject_cast<QStringListModel *>(control<QListView>(*picker, qPrintable(list))->model())->stringList(),
                 listed);
    }

    // Every way of closing a picker; only OK, Enter and a double click set the field. Meanwhile Form1 takes no input.
    void closing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected"); // in the picker's field, which held "old"
        QTest::newRow("OK, nothing selected") << "butmap" << "OK" << "";
        QTest::newRow("Enter on a map") << "butmap" << "Enter" << "DM_X.BSP";
        QTest::newRow("double click on a map") << "butmap" << "double click" << "DM_X.BSP";
        QTest::newRow("map Cancel") << "butmap" << "Cancel" << "old";
        QTest::newRow("double click on a cfg") << "butcfg" << "double click" << "Mine.CFG";
        QTest::newRow("cfg Esc") << "butcfg" << "Esc" << "old";
        QTest::newRow("directory-not-found window") << "butmap" << "dir not found" << "old";
    }

    void closing()
    {
        QFETCH(QString, button);
        QFETCH(QString, how);
        QFETCH(QString, expected);
        const QString field = "txt" + button.mid(3);
        GameFolder folder;
        const auto form = startWith(folder.dir.path());
        form->setText(qPrintable(field), QStringLiteral("old"));
        click(*form, qPrintable(button));
        auto *picker = form->findChild<FilePicker *>();
        QVERIFY(picker);
        QVERIFY(!formTakesInput(*form));

        // The custom CFG reaches the command line only in the directory-not-found mode: there a rebuild shows.
        if (field == "txtcfg") {
            form->setCheck("chkcfg", 1);
            form->setCheck("chkdnf", 1);
        }
        const QStringList boxes = shown(*form, {"chkmap", "chkcfg"});
        auto *list = picker->findChild<QListView *>();
        const QModelIndex second = list->model()->index(1, 0);
        if (how == "OK") {
            click(*picker, qPrintable("butok" + button.mid(3)));
        } else if (how == "Enter") {
            list->setCurrentIndex(second);
            QTest::keyClick(list, Qt::Key_Return);
        } else if (how == "double click") {
            const QPoint at = list->viewport()->mapTo(picker, list->visualRect(second).center());
            QTest::mouseDClick(picker->windowHandle(), Qt::LeftButton, {}, at);
        } else if (how == "Cancel") {
            click(*picker, qPrintable("butcancel" + button.mid(3)));
        } else if (how == "Esc") {
            QTest::keyClick(list, Qt::Key_Escape);
        } else {
            QVERIFY(QDir(folder.dir.filePath(QStringLiteral("valve"))).removeRecursively());
            control<QPushButton>(*form, "butcfg")->click(); // from code, past the blocked window
            QVERIFY(form->dirNotFoundWindow());
        }
        QTRY_VERIFY(!form->findChild<FilePicker *>());
        QCOMPARE(form->text(qPrintable(field)), expected);
        QCOMPARE(preview(*form), commandLinePreview(buildParameters(*form)));
        QCOMPARE(shown(*form, {"chkmap", "chkcfg"}), boxes);
        QVERIFY(formTakesInput(*form));
    }
};

VANTOR_TEST_MAIN(PickersTest, QApplication)
#include "tst_pickers.moc"
