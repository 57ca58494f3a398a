#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"
#include "launch/cfgfile.h"
#include "ui/captionfit.h"
#include "ui/languages.h"
#include "ui/picker.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include <random>

using namespace vantor;

namespace {

const QString startPreview = QStringLiteral("hl.exe -console -numericping -toconsole +exec vantortemp.cfg");

// Whether a user sees the control at its centre, or something laid over it.
bool reachable(Form1 &form, const QString &name)
{
    QWidget *widget = control(form, name);
    QWidget *top = form.childAt(widget->mapTo(&form, widget->rect().center()));
    return top && (top == widget || widget->isAncestorOf(top));
}

// The named controls of the windows, by name, with the windows themselves.
QMap<QString, QWidget *> namedControls(std::initializer_list<QWidget *> windows)
{
    QMap<QString, QWidget *> controls;
    for (QWidget *window : windows) {
        controls[window->objectName()] = window;
        for (QWidget *child : window->findChildren<QWidget *>())
            if (child->window() == window && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
                controls[child->objectName()] = child;
    }
    return controls;
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString captionOf(const QWidget *widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    const bool captioned = qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLabel *>(widget);
    return captioned ? widget->property("text").toString() : QString(); // a field's text is no caption
}

// Sets the options at random, texts of those letters beyond the typing limits included, the directory-not-found mode
// off.
void randomState(Form1 &form, std::mt19937 &random,
                 const QString &letters = QStringLiteral(" \"+-./:;\n019abmxzAZ\u00e9//exec map"))
{
    for (const Option &opt : optionCatalogue()) {
        QString text;
        for (auto length = random() % (opt.typingLimit + 9); length > 0; --length)
            text += letters[qsizetype(random() % letters.size())];
        if (opt.kind == OptionKind::Check)
            form.setCheck(opt.key, int(random() % 3));
        else if (opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar)
            form.setPosition(opt.key, opt.minimum + int(random() % (opt.maximum - opt.minimum + 1)));
        else if (opt.kind != OptionKind::ReadOnly)
            form.setText(opt.key, text);
    }
    form.setCheck("chkdnf", 0);
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { m_opened << url.toString(); }

private:
    // What a user sees of the windows in a language, and what goes to the game.
    struct Seen {
        QMap<QString, int> sizes;         // each named control's caption's pixels
        QMap<QString, QStringList> texts; // each named control's captions in turn, tooltip and spoken name
        QStringList heard;                // what a screen reader says of each control that takes the focus, sorted
        QString butgonow, helpText, cancel, imported;
        QStringList sent; // the command lines and CFG files of random states
    };
    static void look(const QLocale &locale, Seen &seen)
    {
        useLanguage(locale);
        Form1 form;
        frmdirnotfound dirNotFound;
        frmmap maps(&form);
        frmcfg cfgs(&form);
        QCoreApplication::processEvents(); // the captions are fitted once the window is up
        for (QWidget *widget : namedControls({&form, &dirNotFound, &maps, &cfgs})) {
            const QString name = widget->objectName(), spoken = accessibleName(widget);
            QVERIFY2(captionFits(widget), qPrintable(locale.name() + ": " + name));
            seen.sizes[name] = QFontInfo(widget->font()).pixelSize();
            if (widget->focusPolicy() != Qt::NoFocus)
                seen.heard << widget->window()->objectName() + ": " + spoken;
            seen.texts[name] = QStringList{captionOf(widget), widget->toolTip(), spoken};
            // Every caption it shows in turn, as it shows it: whole, and never under 9 pixels.
            if (const QStringList captions = captionsOf(widget); captions.size() > 1) {
                seen.texts[name][0] = captions.join('\n');
                for (const QString &shown : captions) {
                    showCaption(widget, shown);
                    QVERIFY2(captionFits(widget) && QFontInfo(widget->font()).pixelSize() >= 9,
                             qPrintable(locale.name() + ": " + shown));
                }
                showCaption(widget, captions.first());
            }
            QVERIFY2(captionOf(widget).isEmpty() || QFontInfo(widget->font()).pixelSize() >= 9,
                     qPrintable(locale.name() + ": " + name));
        }
        seen.heard.sort();
        seen.butgonow = caption(form, "butgonow");
        seen.cancel = QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text();
        form.show();
        // What a paste says of 1, 3 and 5 options set, and of lines not used.
        QStringList said;
        for (const char *pasted : {"sv_cheats 1", "sv_cheats 1\nr_dynamic 0\nm_filter 1\nbind a b",
                                   "sv_cheats 1\nr_dynamic 0\nm_filter 1\ns_eax 1\ns_a3d 1\nbind a b\nbind c d\n"
                                   "bind e f\nbind g h\nbind i j"}) {
            QGuiApplication::clipboard()->setText(pasted);
            form.importClipboard->trigger();
            said << control<QGroupBox>(form, "cmdlinfram")->title();
        }
        seen.imported = said.join('|');
        act(form, "buthelp");
        seen.helpText = control<QPlainTextEdit>(form, "txthelp")->toPlainText();
        std::mt19937 random(25);
        for (int round = 0; round < 20; ++round) {
            randomState(form, random);
            seen.sent << preview(form) << QString::fromLocal8Bit(cfgFileContent(form));
        }
    }

private slots:
    void initTestCase() { useLanguage(QLocale(QLocale::English)); }
    void init() { storefile::remove(); }

    // The windows as designed: every named control's caption and tooltip, letter for letter, and each caption
    // readable whole; its place where the design fixes it, else in line with the controls it belongs with; its look
    // (bold, underlined, a pointer of its own, a caption against its right edge); no control of a page over another.
    // The main window keeps its size, can be minimized but not maximized, and its preview shows the command line
    // whatever sets its text.
    void windowsAsDesigned()
    {
        Form1 form;
        frmdirnotfound dirNotFound;
        frmmap maps(&form);
        frmcfg cfgs(&form);
        QCoreApplication::processEvents(); // the captions are fitted, and the icon set, once the window is up
        QVERIFY(!form.windowIcon().pixmap(32).isNull());
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
        control<QPlainTextEdit>(form, "prntcmdline")->setPlainText("edited");
        QCOMPARE(preview(form), startPreview);

        const QMap<QString, QWidget *> controls = namedControls({&form, &dirNotFound, &maps, &cfgs});
        QStringList texts, expected;
        QMap<QString, QStringList> looks; // the names of the controls that look so
        QStringList heard;                // the names of the controls that take the focus, window by window
        for (QWidget *widget : controls) {
            const QString spoken = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                          described = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
            texts << widget->objectName() + '\t' + captionOf(widget) + '\t' + widget->toolTip() + '\t' +
                         (spoken == captionOf(widget) ? QString() : spoken) +
                         (described.isEmpty() || described == widget->toolTip() ? QString() : '\t' + described);
            if (widget->focusPolicy() != Qt::NoFocus)
                heard << widget->window()->objectName() + ": " + spoken;
            QVERIFY2(captionFits(widget), qPrintable(widget->objectName()));
            const bool captioned = !captionOf(widget).isEmpty() && !widget->isWindow();
            for (const auto &[look, has] :
                 {std::pair{"bold", captioned && widget->font().bold()},
                  {"underlined", captioned && widget->font().underline()},
                  {"pointer", widget->cursor().shape() == Qt::PointingHandCursor},
                  {"right-aligned", captioned && widget->property("alignment").toInt() & Qt::AlignRight}})
                if (has)
                    looks[look] << widget->objectName();
        }
        for (const QStringList &row : dataTable("texts.tsv"))
            if (!row.first().contains(':')) // another language's
                expected << row.join('\t');
        expected.sort();
        QCOMPARE(texts, expected);
        heard.sort();
        QStringList once = heard;
        once.removeDuplicates();
        QCOMPARE(heard, once); // none twice

        const auto place = [&](const QString &name) {
            QWidget *widget = controls.value(name);
            return widget ? QRect(widget->mapTo(widget->window(), QPoint()), widget->size()) : QRect(-1, -1, 0, 0);
        };
        const QStringList relations{"left", "right", "top", "width", "height", "middle", "down", "offset"};
        for (const QStringList &row : dataTable("layout.tsv")) {
            const QStringList names = row.value(1).split(' '), rect = row.value(2).split(' ');
            if (QStringList{"bold", "underlined", "pointer", "right-aligned"}.contains(row[0])) {
                QStringList sorted = names;
                sorted.sort();
                QCOMPARE(looks.value(row[0]), sorted);
            } else if (row[0] == "rect") {
                QWidget *widget = controls.value(row[1]);
                const QRect at = widget && !widget->isWindow() ? widget->geometry() : place(row[1]);
                const int seen[] = {at.x(), at.y(), at.width(), at.height()};
                for (int i = 0; i < 4; ++i)
                    QVERIFY2(rect.value(i) == "-" || rect.value(i).toInt() == seen[i], qPrintable(row.join(' ')));
            } else {
                QList<int> values; // one for each control, or for each step between two
                for (qsizetype i = 0; i < names.size(); ++i) {
                    const QRect at = place(names[i]), before = place(names.value(i - 1));
                    const QList<int> edges{at.left(),
                                           at.right(),
                                           at.top(),
                                           at.width(),
                                           at.height(),
                                           2 * at.top() + at.height(),
                                           at.top() - before.top(),
                                           (at.left() - before.left()) * 1000 + at.top() - before.top()};
                    if ((row[0] != "down" || i > 0) && (row[0] != "offset" || i % 2))
                        values << edges.value(relations.indexOf(row[0]), -1);
                }
                QVERIFY2(values.count(values.value(0)) == values.size() && !values.contains(-1),
                         qPrintable(row.join(' ')));
            }
        }

        // A picture (a label without text) or a page may lie beneath other controls.
        for (QWidget *parent : controls) {
            QList<QWidget *> laid;
            for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (controls.contains(child->objectName()) && child->isVisibleTo(parent) &&
                    !qobject_cast<QGroupBox *>(child) && !(qobject_cast<QLabel *>(child) && captionOf(child).isEmpty()))
                    laid << child;
            for (QWidget *a : laid)
                for (QWidget *b : laid)
                    QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " over " + b->objectName()));
        }
        // The explanation reads as one text: its paragraphs in one size.
        QSet<int> sizes;
        for (QLabel *paragraph : dirNotFound.findChildren<QLabel *>(QRegularExpression("^Labeldirnotfound")))
            sizes << paragraph->font().pixelSize();
        QCOMPARE(sizes.size(), 1);
        // A caption that cannot fit is drawn in 9 pixels all the same, never smaller.
        showCaption(control(form, "butclose"), QString(40, 'W'));
        QCOMPARE(QFontInfo(control(form, "butclose")->font()).pixelSize(), 9);
    }

    // Every caption keeps a contrast of at least 4.5:1 with what lies behind it, on every page, in a light palette and
    // a dark one: its control's own background, or what shows through a control that has none (a page, the comic).
    void captionsReadInLightAndDark()
    {
        const auto luminance = [](QRgb rgb) { // the web's accessibility guidelines' measure, plus their 0.05
            const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb)) + 0.05;
        };
        const QPalette desktop = QApplication::palette();
        QStringList unreadable;
        // The dark palette keeps Qt's blue for links, meant for a light window.
        for (const QPalette &palette : {desktop, QPalette(QColor(0x30, 0x30, 0x30))}) {
            QApplication::setPalette(palette);
            Form1 form;
            frmdirnotfound dirNotFound;
            form.show();
            dirNotFound.show();
            QCoreApplication::processEvents(); // the captions are fitted once the window is up
            // A link made readable keeps the desktop's colour for links, only lighter or darker.
            QCOMPARE(control(form, "corvanalink")->palette().color(QPalette::Link).hslHue(),
                     palette.color(QPalette::Link).hslHue());
            for (const char *page : {"", "butmulti", "Command1|butperf", "backsnd|buthelp", "helpbrask"}) {
                act(form, page);
                for (QWidget *widget : namedControls({&form, &dirNotFound})) {
                    QWidget *window = widget->window(),
                            *top = window->childAt(widget->mapTo(window, widget->rect().center()));
                    if (widget == window || !widget->isEnabled() || captionOf(widget).isEmpty() || !top ||
                        (top != widget && !widget->isAncestorOf(top))) // greyed, or covered by a page on top
                        continue;
                    const bool button = qobject_cast<QPushButton *>(widget);
                    const QRgb text =
                        widget->palette().color(button ? QPalette::ButtonText : widget->foregroundRole()).rgb();
                    QImage behind(1, 1, QImage::Format_RGB32);
                    behind.fill(widget->palette().color(button ? QPalette::Button : widget->backgroundRole()));
                    if (!button && !widget->autoFillBackground()) { // what shows through it
                        widget->hide();
                        behind = window->grab({widget->mapTo(window, QPoint()), widget->size()}).toImage();
                        widget->show();
                    }
                    for (int i = 0; i < behind.width() * behind.height(); ++i) {
                        const double a = luminance(text),
                                     b = luminance(behind.pixel(i % behind.width(), i / behind.width()));
                        if (std::max(a, b) / std::min(a, b) < 4.5) {
                            unreadable << widget->objectName() + (palette == desktop ? " (light)" : " (dark)");
                            break;
                        }
                    }
                }
            }
        }
        QApplication::setPalette(desktop);
        unreadable.removeDuplicates();
        QCOMPARE(unreadable.join(", "), QString());
    }

    // In the first of the user's languages that Vantor speaks (English where it speaks none): each caption, and each
    // that a control shows in turn, readable whole and never under 9 pixels, and at rest no smaller than in English
    // but where the table says; each control still told apart by a screen reader; the language's rows of the texts'
    // table, Qt's own texts, the paste's count and the help page in that language; what goes to the game stays as in
    // English, over random states.
    void speaksTheUsersLanguage_data() { cases(__func__); }
    void speaksTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, butgonow);
        QFETCH(QString, help);
        QFETCH(QString, cancel);
        QFETCH(QString, imported);
        QFETCH(QString, smaller);
        Seen english, seen;
        look(QLocale(QLocale::English), english);
        QCOMPARE(useLanguage(QLocale(locale)), language);
        look(QLocale(locale), seen);
        useLanguage(QLocale(QLocale::English));
        QCOMPARE(seen.butgonow, butgonow);
        QCOMPARE(seen.cancel, cancel); // Qt's own texts too
        QCOMPARE(seen.imported, imported);
        // Its rows of the texts' table: the captions that a control shows in turn, its tooltip, its name, where given.
        for (const QStringList &row : dataTable("texts.tsv")) {
            if (row.first().section(':', 0, 0) != language)
                continue;
            QStringList shown = seen.texts[row.first().section(':', 1)];
            shown[0] = shown[0].section('\n', 0, int(row[1].count('\n')));
            for (int column = 1; column < row.size(); ++column)
                QVERIFY2(row[column].isEmpty() || shown.value(column - 1) == row[column],
                         qPrintable(row.first() + ": " + shown.join(" / ")));
        }
        QVERIFY2(seen.helpText.contains(help), qPrintable(seen.helpText.left(200)));
        QCOMPARE(seen.helpText == english.helpText, language == "en");
        QCOMPARE(seen.sent, english.sent);
        QStringList once = seen.heard;
        once.removeDuplicates();
        QCOMPARE(seen.heard, once);
        QCOMPARE(seen.sizes.keys(), english.sizes.keys());
        for (const QString &name : seen.sizes.keys())
            QVERIFY2(seen.sizes[name] >= english.sizes[name] || smaller.split(' ').contains(name),
                     qPrintable(
                         QString("%1: %2 px, %3 in English").arg(name).arg(seen.sizes[name]).arg(english.sizes[name])));
    }

    // The windows grow with a desktop font larger than their own 11 pixels, in quarter steps, never past the font.
    void windowScale_data() { cases(__func__); }

    void windowScale()
    {
        QFETCH(QString, pixels);
        QFETCH(QString, scale);
        QCOMPARE(vantor::windowScale(pixels.toInt()), scale.toDouble());
    }

    // Whatever the user (or a slot loaded from STORE) does, the controls show what follows from it.
    void userActions_data()
    {
        cases(__func__);
        row("program-set text is kept, and may not grow",
            {"", "customcmd:" + QString(100, 'x') + "|customcmd=y", "customcmd=" + QString(100, 'x')});
        // Typed beyond its limit, a field keeps what came first; txtpush has none.
        // clang-format off
        for (const auto &[key, limit] : {std::pair{"txtmap", 30}, {"txtcfg", 18}, {"customcmd", 90}, {"txtmod", 16},
                 {"txtmaxp", 2}, {"txtrate", 5}, {"txtfpslan", 3}, {"txtfpsnet", 3}, {"txtdecal", 4}, {"txtpush", 0},
                 {"txtmkcfg", 14}}) // clang-format on
            row(qPrintable(QString("%1 typed").arg(key)), {"", QString("%1:|%1=%2").arg(key, QString(limit + 5, '1')),
                                                           QString("%1=%2").arg(key, QString(limit ? limit : 5, '1'))});
    }

    void userActions()
    {
        QFETCH(QString, store);
        QFETCH(QString, actions);
        QFETCH(QString, expected);
        storefile::write(store.toUtf8());
        Form1 form;
        form.show();
        act(form, actions);
        expected.replace("HOME", QDir::homePath());
        QCOMPARE(shown(form, expected), expected);
    }

    // Start-up loads the Default slot when it is saved, then takes the Game directory from the store, asking for one
    // while none was ever chosen.
    void startUp_data() { cases(__func__); }

    void startUp()
    {
        QFETCH(QString, store);
        QFETCH(QString, steam);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        storefile::write(store.toUtf8());
        QDir steamFolder(QDir::home().filePath(steam.section('/', 0, 0))); // gone again once Vantor has started
        QVERIFY(steam.isEmpty() || QDir::home().mkpath(steam + "/steamapps/common/Half-Life"));
        QString asked = "-";
        setFolderDialog([&](QWidget *, const QString &title, const QString &start) {
            if (title == QLatin1String("Please select your \\Half-Life\\ directory:") &&
                !QApplication::windowIcon().isNull()) // the dialog carries Vantor's icon too
                asked = start;
            return answer;
        });
        Form1 form;
        answerFolderDialog(QString());
        QVERIFY(steam.isEmpty() || steamFolder.removeRecursively());
        int chosen = 0;
        for (int slot = 1; slot <= 3; ++slot)
            chosen += slot * control<QRadioButton>(form, QStringLiteral("def%1opt").arg(slot))->isChecked();
        const auto stored = storefile::read();
        const QStringList seen{asked,
                               form.text("hldir"),
                               QString::number(chosen),
                               QString::number(form.check("chkdev")),
                               stored["other"]["hldir"],
                               stored["General"]["def"]};
        QCOMPARE(seen.join('|'), expected.replace("HOME", QDir::homePath()));
        QCOMPARE(control(form, "load2")->isEnabled(), store.contains("[two]"));
        QVERIFY(!control(form, "load1")->isEnabled());
    }

    // Browse opens in the Game directory there is, and puts a chosen folder on screen and in the store at once;
    // cancelled, it keeps the folder there is.
    void browse()
    {
        for (const QString &answer : {QString(), QStringLiteral("/new hl")}) {
            QTemporaryDir stored;
            storefile::write("[other]\nhldir=" + stored.path().toUtf8() + "\n");
            Form1 form;
            QString opened;
            setFolderDialog([&](QWidget *, const QString &, const QString &start) { return opened = start, answer; });
            click(form, "buthldir");
            answerFolderDialog(QString());
            const QString expected = answer.isEmpty() ? stored.path() : answer;
            QCOMPARE(opened + '|' + form.text("hldir") + '|' + storefile::read()["other"]["hldir"],
                     stored.path() + '|' + expected + '|' + expected);
        }
    }

    // Every click shows its stage at once, also one made while earlier ones wait, and the caption comes back 3
    // seconds after the latest. Clicks 3, 6 and 9, and no others, delete everything, on disk at once, and leave the
    // window as it was; the twelfth ends the program once its flash is over.
    void deleteAllStages()
    {
        storefile::write("[General]\ndef=1\n[one]\nscrlskill=1\n[other]\nhldir=/hl\n");
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30))); // a dark one: light text
        Form1 form;
        form.show();
        click(form, "chkdev");
        QStringList seen;
        QElapsedTimer clock;
        qint64 lastClick = 0, ended = 0;
        connect(&form, &Form1::programEnding, [&] { ended = clock.elapsed(); });
        // Each click 100 ms into the wait of the one before; 50 ms after it, a look at its caption and at the store
        // on disk, then a save that gives the next click something to delete.
        const auto clicks = [&](int count) {
            clock.start();
            for (int i = 0; i < count; ++i) {
                QTimer::singleShot(100 * i, &form, [&] {
                    lastClick = clock.elapsed();
                    click(form, "butdelsav");
                });
                QTimer::singleShot(100 * i + 50, &form, [&] {
                    QWidget *button = control(form, "butdelsav");
                    seen << caption(form, "butdelsav") + (storefile::read().isEmpty() ? " (deleted)" : "") +
                                (notified() == caption(form, "butdelsav") ? "" : " (unsaid)") +
                                (captionFits(button) && QFontInfo(button->font()).pixelSize() >= 9 ? "" : " (cut)");
                    click(form, "save2");
                });
            }
        };
        clicks(3);
        QTRY_COMPARE(seen.size(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(caption(form, "butdelsav"), QStringLiteral("Delete all saved settings"), 5000);
        QVERIFY(clock.elapsed() - lastClick >= 3000);
        QCOMPARE(storefile::read().keys(), QStringList{"two"}); // only what was saved since
        QVERIFY(!control(form, "load1")->isEnabled() && !control(form, "def1opt")->isEnabled());
        QCOMPARE(shown(form, "chkdev|hldir"), QStringLiteral("chkdev=1|hldir=/hl"));

        // The closing flash after the twelfth click: the colours of the General Options page, each for its time.
        struct : QObject {
            QStringList colours;
            QList<qint64> at; // ms on the clock
            QElapsedTimer *clock;
            bool eventFilter(QObject *page, QEvent *event) override
            {
                if (event->type() == QEvent::PaletteChange) {
                    const QPalette now = static_cast<QWidget *>(page)->palette();
                    colours << now.color(QPalette::Window).name() + ' ' + now.color(QPalette::WindowText).name();
                    at << clock->elapsed();
                }
                return false;
            }
        } flash;
        flash.clock = &clock;
        control(form, "Frame1")->installEventFilter(&flash);
        clicks(9);
        QTRY_VERIFY_WITH_TIMEOUT(ended, 6000);
        QCOMPARE(seen, (QStringList{"Are you sure?", "Are you really, really sure?", "OK, they're deleted (deleted)",
                                    "I just did that", "No, really, I deleted them!",
                                    "Oh alright, I'll re-delete them (deleted)", "What, again?!?", "I'm tired, go away",
                                    "OK, but this is the last time (deleted)", "STOP CLICKING ME!!!",
                                    "You're starting to annoy me...", "That's it! You're dead, man!"}));
        // The flash's colours, each with dark text on it, whatever the desktop's palette.
        QStringList colours{"#ff0000", "#ff8000", "#ffff00", "#ff8000", "#ff0000",
                            "#ff8000", "#ffff00", "#ffff80", "#ffffc0", "#ffffff"};
        QCOMPARE(flash.colours, colours.replaceInStrings(QRegularExpression("$"), " #000000"));
        QApplication::setPalette(desktop);
        const int from[] = {0, 800, 900, 1000, 1100, 1200, 1300, 1400, 1600, 1800, 2000, 2600}; // the end last
        flash.at.prepend(lastClick);
        flash.at << ended;
        for (int i = 1; i < 12; ++i) // a wait may end late, never early
            QVERIFY2(flash.at[i] - flash.at[i - 1] >= from[i] - from[i - 1] - 5 &&
                         flash.at[i] - lastClick <= from[i] + 400,
                     qPrintable(QString("step %1 at %2 ms").arg(i).arg(flash.at[i] - lastClick)));
    }

    void resetEndsWithNoDefaultSlot()
    {
        storefile::write(
            "[General]\ndef=1\n[one]\nscrlskill=1\n[two]\nscrlskill=1\n[three]\nscrlskill=1\n[other]\nhldir=/hl\n");
        Form1 form;
        form.show();
        QString chosen;
        for (const char *button : {"def3opt", "def2opt"}) {
            click(form, button);
            chosen += storefile::read()["General"]["def"];
        }
        QCOMPARE(chosen, QStringLiteral("32"));
        QSignalSpy ending(&form, &Form1::programEnding);
        click(form, "resetset");
        QCOMPARE(ending.count(), 1);
        const auto stored = storefile::read();
        QCOMPARE(stored["General"]["def"] + stored["one"]["scrlskill"] + stored["other"]["hldir"],
                 QStringLiteral("01/hl"));
    }

    // A wait of nothing, or one begun once the program ends, handles no event; ending stops a wait at once.
    void pauses()
    {
        Form1 form;
        form.show();
        bool delivered = false;
        const auto post = [&] {
            delivered = false;
            QTimer::singleShot(0, &form, [&] { delivered = true; });
        };
        post();
        form.Pause(0);
        form.Pause(-1);
        QVERIFY(!delivered);
        QTimer::singleShot(50, &form, [&] { click(form, "butclose"); });
        form.Pause(1e30f); // as good as forever, until the program ends
        QVERIFY(form.isEnding() && !form.isVisible());
        post();
        form.Pause(1.0f);
        QVERIFY(!delivered);
    }
    // Pages lie over one another: after the clicks, each control named is within the reach of the mouse and of Tab,
    // or covered where a '!' leads its name; the bottom strip stays usable on every page. The focus goes to the page
    // on top, and Tab and Shift+Tab move it on to nothing but what can be seen.
    void pagesAreLayers_data() { cases(__func__); }

    void pagesAreLayers()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, reach);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        act(form, clicks);
        QStringList tabbed; // as Tab reaches them, then Shift+Tab
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            for (int step = 0; step < 45; ++step) {
                QWidget *focus = form.focusWidget();
                QVERIFY2(focus && reachable(form, focus->objectName()),
                         focus ? qPrintable(focus->objectName()) : "none");
                tabbed << focus->objectName();
                QTest::keyClick(focus, key);
                QVERIFY2(form.focusWidget() != focus, qPrintable(focus->objectName()));
            }
        }
        const QStringList named = reach.split(' ');
        qsizetype last = -1; // where Tab reached the control named before; the first has the focus
        for (const QString &name : named + QString("buthldir hldir butmkcfg txtmkcfg chkclosrun chksavrun butgonow "
                                                   "butdelsav resetset butclose")
                                               .split(' ')) {
            QWidget *widget = control(form, name.mid(name.startsWith('!')));
            const bool covered = name.startsWith('!'), tabs = widget->isEnabled() && !covered;
            const qsizetype at = tabbed.indexOf(name);
            QVERIFY2(reachable(form, widget->objectName()) != covered && (at >= 0) == tabs &&
                         QAccessible::queryAccessibleInterface(widget)->state().invisible == covered,
                     qPrintable(name));
            if (tabs && named.contains(name)) {
                QVERIFY2(last < 0 ? at == 0 : at > last, qPrintable(name + " in " + tabbed.join(' ')));
                last = at;
            }
        }
    }

    void enterRunsUnlessAButtonHasTheFocus()
    {
        GameFolder game; // Runs start a stand-in game there, and Vantor stays open
        storefile::write("[other]\nhldir=" + game.dir.path().toUtf8() + "\n");
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        act(form, "chkclosrun");
        QSignalSpy run(control<QPushButton>(form, "butgonow"), &QPushButton::clicked);
        QSignalSpy help(control<QPushButton>(form, "buthelp"), &QPushButton::clicked);
        QSignalSpy ending(&form, &Form1::programEnding);
        act(form, "txtmkcfg=keyed");
        for (const char *name :
             {"chkcheat", "customcmd", "buthelp", "txthelp", "txtmkcfg"}) { // the name makes its file
            control(form, name)->setFocus();
            QTest::keyClick(control(form, name), Qt::Key_Return);
        }
        QVERIFY(run.count() == 3 && help.count() == 1 && ending.isEmpty() && QFile::exists(game.cfg("keyed.cfg")));
        QTest::keyClick(control(form, "chkdev"), Qt::Key_Escape);
        QCOMPARE(ending.count(), 1);
    }

    // The preview's menu (the setup check's too) and Ctrl+Shift+V read the clipboard, and a CFG file dropped anywhere
    // or a text dropped off the fields is read too: options are set, their handling runs, and the title says for 3
    // seconds how many, holding nothing up. In a field, Ctrl+Shift+V pastes into it and a text dropped in goes in.
    void importing()
    {
        QTemporaryDir folder;
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // The preview's menu offers both, opened with the right mouse button or, reached with Shift+Tab, with
        // Shift+F10, and the setup check after them; Bring in here finds no launch options. Its text is selected and
        // copied with keys.
        auto *line = control<QPlainTextEdit>(form, "prntcmdline");
        QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, line->viewport()->mapTo(&form, QPoint(5, 5)));
        for (int opened = 0; opened < 2; ++opened) {
            QTRY_VERIFY(QApplication::activePopupWidget());
            QList<QAction *> items = QApplication::activePopupWidget()->actions();
            QCOMPARE(items.at(items.size() - 4)->text() + '|' + items.at(items.size() - 3)->text() + '|' +
                         items.last()->text(),
                     "Paste Command Line or CFG|Bring in Steam's Launch Options|Check Setup");
            if (opened)
                items.at(items.size() - 3)->trigger();
            QApplication::activePopupWidget()->close();
            control(form, "customcmd")->setFocus();
            QTest::keyClick(form.focusWidget(), Qt::Key_Backtab);
            QTest::keyClick(line, Qt::Key_F10, Qt::ShiftModifier);
        }
        QCOMPARE(control<QGroupBox>(form, "cmdlinfram")->title(), "Steam keeps no launch options for Half-Life");
        QApplication::activePopupWidget()->close();
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClick(line, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), startPreview);
        const auto title = [&] { return control<QGroupBox>(form, "cmdlinfram")->title(); };
        QGuiApplication::clipboard()->setText("hl.exe -dev -console +map c2a5 -zone 2048");
        const auto pastePlain = [&] {
            QTest::keyClick(form.focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        };
        control(form, "chkdev")->setFocus();
        shownFor(3, "7 options set", pastePlain, title);
        QCOMPARE(shown(form, "chktocon|txtmap|prntcmdline"),
                 "chktocon=1|txtmap=c2a5|prntcmdline=hl.exe -console -toconsole -dev +exec vantortemp.cfg -zone 2048");
        act(form, "txtcfg:");
        control(form, "txtcfg")->setFocus();
        pastePlain(); // as typed, up to the field's limit
        QCOMPARE(shown(form, "txtcfg|cmdlinfram"), "txtcfg=hl.exe -dev -conso|cmdlinfram=Current Command Line:");

        QFile cfg(folder.filePath("Mine.CFG"));
        QVERIFY(cfg.open(QIODevice::WriteOnly) && cfg.write("bind w +forward\nsv_cheats 0\n") > 0);
        cfg.close();
        QMimeData file, text;
        file.setUrls({QUrl::fromLocalFile(cfg.fileName())});
        file.setText(cfg.fileName()); // as file managers give it
        text.setText("my.cfg");
        // Each drop goes to the control under it, and from there to the window where the control ignores it.
        const auto drop = [&](QMimeData *dropped, const char *onto) {
            QWidget *target = control(form, onto);
            QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(target->rect().center(), Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
            QElapsedTimer clock;
            clock.start();
            QVERIFY(QCoreApplication::sendEvent(target, &enter) && enter.isAccepted());
            QVERIFY(QCoreApplication::sendEvent(target, &drop) && drop.isAccepted() && clock.elapsed() < 500);
        };
        act(form, "txtcfg:");
        shownFor(
            3, "1 option set, 1 line not used", [&] { drop(&file, "txtcfg"); }, title);
        drop(&text, "txtcfg");
        QCOMPARE(shown(form, "txtcfg|chkcheat|cmdlinfram"),
                 "txtcfg=my.cfg|chkcheat=0|cmdlinfram=Current Command Line:");
        shownFor(
            3, "0 options set, 1 line not used", [&] { drop(&text, "chkdev"); }, title);

        // Steam's launch options for Half-Life, of the user who logged in last, brought in as a few switches: what
        // they name is set, every other option stays, words no control takes join Custom Parameters once.
        const char *kept = "chkdev|chknumping|chktocon|customcmd|txtmap";
        const QString before = shown(form, kept);
        form.importSteamOptions->trigger();
        QCOMPARE(title(), "Steam keeps no launch options for Half-Life");
        QCOMPARE(shown(form, kept), before);
        const QString steam = QDir::home().filePath(".steam/steam"), config = steam + "/userdata/1/config";
        QFile logins(steam + "/config/loginusers.vdf"), options(config + "/localconfig.vdf");
        QVERIFY(QDir().mkpath(steam + "/config") && QDir().mkpath(config) && logins.open(QIODevice::WriteOnly) &&
                logins.write(R"("users" { "76561197960265729" { "MostRecent" "1" } })") > 0 &&
                options.open(QIODevice::WriteOnly) &&
                options.write(R"("UserLocalConfigStore" { "Software" { "Valve" { "Steam" { "apps" { "70" { )"
                              R"("LaunchOptions" "SDL_VIDEODRIVER=x11 %command% -novid -numericping +map c2a5" )"
                              R"(} } } } } })") > 0);
        logins.close(), options.close();
        form.importSteamOptions->trigger();
        QCOMPARE(shown(form, QStringLiteral("cmdlinfram|") + kept),
                 "cmdlinfram=2 options set|chkdev=1|chknumping=1|chktocon=1|"
                 "customcmd=SDL_VIDEODRIVER=x11 %command% -zone 2048 -novid|txtmap=c2a5");
        form.importSteamOptions->trigger(); // twice changes nothing more
        QVERIFY(QDir(QDir::home().filePath(".steam")).removeRecursively());
        QCOMPARE(shown(form, "cmdlinfram|customcmd"),
                 "cmdlinfram=0 options set|customcmd=SDL_VIDEODRIVER=x11 %command% -zone 2048 -novid");
    }

    // The way back, for random states with quotes, blanks, $, ' and = in Custom Parameters and names, with and without
    // a launch prefix, wrappers with options included: the preview, and the line that vantor --print shows, each
    // pasted into a window at other values, then the CFG file, give the same preview and CFG file again. (Custom
    // Parameters are typed as the way back writes them; a mod's name goes whole through the command line only
    // without blanks and double quotes.)
    void wayBack()
    {
        GameFolder folder(false);
        QTemporaryDir bin;
        QVERIFY(writeFakeProgram(folder.dir.filePath("hl.sh")));
        for (const char *wrapper : {"gamemoderun", "mangohud", "gamescope"})
            QVERIFY(writeFakeProgram(bin.filePath(wrapper)));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QStringList prefixes{
            "", "", "A=1 gamemoderun", "mangohud --dlsym", "gamescope -f -W 1280 --", "B=\"it's\" C=a=b"};
        // Each word typed for the game's parameters, and for a shell, as after %command%.
        const std::pair<const char *, const char *> words[]{{"-novid", "-novid"},
                                                            {"+name", "+name"},
                                                            {"\"John Doe\"", "\"John Doe\""},
                                                            {"it's", "\"it's\""},
                                                            {"$x", "\"\\$x\""},
                                                            {"a=b", "a=b"},
                                                            {"\"\"\"\"q\"\"\"\"", "\"\\\"q\\\"\""},
                                                            {"back\\slash", "\"back\\\\slash\""},
                                                            {"5$", "\"5\\$\""}};
        std::mt19937 random(29);
        for (int round = 0; round < 10; ++round) {
            Form1 form, other;
            randomState(form, random, QStringLiteral(" \"$'=.019ab"));
            randomState(other, random);
            QString mod;
            for (auto length = random() % 6; length > 0; --length)
                mod += QStringLiteral("$'=.ab")[qsizetype(random() % 6)];
            const QString prefix = prefixes[qsizetype(random() % prefixes.size())];
            QStringList custom{prefix.isEmpty() ? QString() : prefix + " %command%"};
            for (auto count = random() % 5; count > 0; --count) {
                const auto &word = words[random() % std::size(words)];
                custom << (prefix.isEmpty() ? word.first : word.second);
            }
            custom.removeAll(QString());
            act(form, "txtmod:" + mod + "|customcmd:" + custom.join(' '));
            storefile::write("[General]\ndef=1\n[other]\nhldir=" + folder.dir.path().toUtf8() + "\n");
            form.saveset(1);
            const QByteArray cfg = cfgFileContent(form); // repairs the numeric fields first, as Run does
            const QString line = preview(form);
            QProcess print;
            print.start(QStringLiteral(VANTOR_BINARY), {"--print"});
            QVERIFY(print.waitForFinished(30000) && print.exitCode() == 0);
            const QByteArray printed = print.readAllStandardOutput();
            QCOMPARE(printed.mid(printed.indexOf('\n') + 1), cfg);
            for (const QString &text : {line, QString::fromUtf8(printed.left(printed.indexOf('\n')))}) {
                for (const QString &pasted : {text, QString::fromLocal8Bit(cfg)}) {
                    QGuiApplication::clipboard()->setText(pasted);
                    other.importClipboard->trigger();
                }
                QCOMPARE(preview(other), line);
                QCOMPARE(cfgFileContent(other), cfg);
            }
        }
        qputenv("PATH", path);
    }

    // The help text cannot be changed. Where each comic panel stands after the clicks, "-" for a hidden one; the
    // page keeps its state while hidden.
    void helpPages()
    {
        Form1 form;
        form.show();
        act(form, "buthelp");
        auto *help = control<QPlainTextEdit>(form, "txthelp");
        const QString text = help->toPlainText();
        QScrollBar *place = help->verticalScrollBar(); // where the reader is
        place->setValue(place->maximum() / 2);
        const int at = place->value();
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        help->paste();
        act(form, "txthelp=x\b|backhlp");
        QVERIFY(help->toPlainText() == text && !text.contains('{') && at > 0 && place->value() == at);
        for (const char *part : {"tovrik@corvana.example", "https://corvana.example/\n",
                                 "https://corvana.example/vantor/\n", "5.  Disclaimer:"})
            QVERIFY2(text.contains(QLatin1String(part)), part);
        QStringList seen;
        for (const char *clicks :
             {"buthelp|helpbrask", "braskscrlr", "brask3but|braskscrlr", "brask2but", "braskscrlr|braskscrlr",
              "brask4but|braskscrlr|braskbackbut|helpbrask", "braskscrll"}) {
            act(form, clicks);
            QStringList places;
            for (const char *name : {"brask1", "brask2", "brask3", "brask4"})
                places << (control(form, name)->isVisibleTo(&form) ? QString::number(control(form, name)->x()) : "-");
            seen << places.join(' ');
        }
        QCOMPARE(seen, (QStringList{"8 - - -", "-152 - - -", "- - -104 -", "- 8 - -", "- -152 - -", "- - - -120",
                                    "- - - 136"}));

        // Every picture at its size, once a page that shows it has been opened.
        act(form, "braskbackbut|backhlp|butperf");
        QStringList sizes;
        for (const char *name : {"brask1", "brask2", "brask3", "brask4", "braskback", "Image1"})
            sizes << QString("%1x%2")
                         .arg(control<QLabel>(form, name)->pixmap().width())
                         .arg(control<QLabel>(form, name)->pixmap().height());
        QCOMPARE(sizes.join(' '), "635x195 635x195 583x188 599x189 222x222 32x32");
        // A screen reader is offered each panel as a picture (described: texts.tsv), and the backdrop as none.
        for (const char *name : {"brask1", "brask2", "brask3", "brask4", "braskback"})
            QVERIFY2((QAccessible::queryAccessibleInterface(control(form, name))->role() == QAccessible::Graphic) ==
                         (name != QLatin1String("braskback")),
                     name);
    }

    // Console Speed reached with Tab shows where the keyboard is: a mark around it of at least 3:1 against what it
    // covers, in a light palette and a dark one.
    void consoleSpeedShowsItsFocus()
    {
        const QPalette desktop = QApplication::palette();
        const auto luminance = [](QRgb pixel) {
            double sum = 0;
            for (const auto &[part, weight] :
                 {std::pair{qRed(pixel), 0.2126}, {qGreen(pixel), 0.7152}, {qBlue(pixel), 0.0722}})
                sum += weight * (part <= 10 ? part / 3295.0 : std::pow((part / 255.0 + 0.055) / 1.055, 2.4));
            return sum + 0.05;
        };
        for (const QColor window : {QColor(0xef, 0xef, 0xef), QColor(0x30, 0x30, 0x30)}) {
            QApplication::setPalette(QPalette(window));
            Form1 form;
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QWidget *bar = control(form, "scrlcon");
            const QImage before = bar->grab().toImage();
            control(form, "scrlskill")->setFocus();
            QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
            QCOMPARE(form.focusWidget(), bar);
            const QImage after = bar->grab().toImage();
            int marked = 0;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x) {
                    const double a = luminance(before.pixel(x, y)), b = luminance(after.pixel(x, y));
                    marked += std::max(a, b) / std::min(a, b) >= 3;
                }
            QVERIFY2(marked >= bar->width(), qPrintable(QString("%1 pixels marked").arg(marked)));
        }
        QApplication::setPalette(desktop);
    }

    // A tooltip wider than the window's text shows on lines of a readable width; a short one on one line.
    void tooltipsWrap()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const auto &[name, wraps] : {std::pair{"chkflip", true}, {"chkclosrun", false}}) {
            QWidget *box = control(form, name);
            QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(box, &hover);
            QTRY_VERIFY(QToolTip::isVisible());
            const QStringList shown = QToolTip::text().split('\n');
            QCOMPARE(shown.join(' '), box->toolTip());
            QCOMPARE(shown.size() > 1, wraps);
            const QFontMetrics metrics(QToolTip::font());
            for (qsizetype i = 0; i < shown.size(); ++i) // each line as full as the width lets it be
                QVERIFY2(metrics.horizontalAdvance(shown[i]) <= 360 &&
                             (i + 1 == shown.size() ||
                              metrics.horizontalAdvance(shown[i] + ' ' + shown[i + 1].section(' ', 0, 0)) > 360),
                         qPrintable(shown[i]));
            QToolTip::hideText();
        }
    }

    void linksOpenTheirPages()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        Form1 form;
        form.show();
        act(form, "corvanalink"); // a link opens with a click, Space, Enter, or a screen reader's action
        const QPoint onLink = control(form, "corvanalink")->mapTo(&form, QPoint(6, 6));
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, onLink);
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, onLink + QPoint(0, 40)); // let go elsewhere
        QTest::keyClick(control(form, "corvanalink"), Qt::Key_X);                             // and with no other key
        act(form, "butperf");
        QTest::keyClick(control(form, "Image1"), Qt::Key_Space);
        QTest::keyClick(control(form, "Image1"), Qt::Key_Enter, Qt::KeypadModifier);
        act(form, "buthelp");
        QTest::keyClick(control(form, "Label7"), Qt::Key_Return);
        act(form, "helpbrask");
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(control(form, "Label9"));
        QVERIFY(link->role() == QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(m_opened, (QStringList{"https://corvana.example/", "https://corvana.example/tovrik/",
                                        "https://corvana.example/tovrik/", "https://corvana.example/vantor/",
                                        "https://corvana.example/vantor/depressed/"}));
    }

    // Vantor's own command line and then its CFG file, pasted into the window in any state, give both back as they
    // were, whatever its switching rules make of the order: over random states of the options (the
    // directory-not-found mode off), texts beyond the typing limits included.
    void pastedBackWhole()
    {
        Form1 form;
        std::mt19937 random(70);
        for (int round = 0; round < 60; ++round) {
            randomState(form, random);
            const QByteArray cfg = cfgFileContent(form);
            const QString line = preview(form);
            randomState(form, random);
            for (const QString &text : {line, QString::fromLocal8Bit(cfg)}) {
                QGuiApplication::clipboard()->setText(text);
                form.importClipboard->trigger();
            }
            QCOMPARE(preview(form), line);
            QCOMPARE(cfgFileContent(form), cfg);
        }
    }

    // Whatever is pasted into the fields that the command line carries, they hold it whole, and the preview shows it
    // on one line and settles (text that reads back otherwise than it was set once set off a rebuild without end). A
    // line longer than the preview stays one line, to be scrolled sideways.
    void pastedTextKeepsThePreviewOneLine()
    {
        const QString text = QStringLiteral(" \u00A0a\rb\nc\u2028d\u2029\uFDD0\t\u0001");
        Form1 form;
        form.show();
        act(form, "chkmod:1|chkcfg:1|chkdnf:1");
        QGuiApplication::clipboard()->setText(text);
        for (const char *name : {"txtmod", "txtcfg", "customcmd"}) {
            control<QLineEdit>(form, name)->selectAll();
            QTest::keyClick(control(form, name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(form.text(name), text);
        }
        QVERIFY2(!preview(form).contains(QRegularExpression(QStringLiteral("[\r\n]"))), qPrintable(preview(form)));
        act(form, "customcmd:" + QString("-zone 2048 ").repeated(20));
        auto *shown = control<QPlainTextEdit>(form, "prntcmdline");
        QTRY_COMPARE(shown->document()->firstBlock().layout()->lineCount(), 1);
        QVERIFY(shown->horizontalScrollBar()->isVisible() && shown->horizontalScrollBar()->maximum() > 0);
    }

    void numericFieldsOnFocusLoss()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        act(form, "butmulti|txtfpslan:|txtmaxp:33");
        control(form, "txtfpslan")->setFocus();
        QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(control(form, "txtfpslan"), &menuOpens);
        QWidget elsewhere; // the user turns to another window, and back
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form) && control(form, "txtfpslan")->hasFocus());
        QCOMPARE(form.text("txtfpslan"), QString()); // empty while edited: a context menu or a window is no leaving
        control(form, "txtmaxp")->setFocus();
        control(form, "txtrate")->setFocus();
        QCOMPARE(shown(form, "txtfpslan|txtmaxp"), QStringLiteral("txtfpslan=45|txtmaxp=16"));
    }

    // The directory-not-found mode turns off what only the CFG file can carry, until it ends.
    void dirNotFoundModeDisablesWhatOnlyTheFileCarries()
    {
        Form1 form;
        form.show();
        const auto enabled = [&] {
            QStringList names;
            for (QWidget *widget :
                 form.findChildren<QWidget *>(QRegularExpression("^(chk|txt|scrl|but|back|multi|fram|help|Command1)")))
                if (widget->isEnabled())
                    names << widget->objectName();
            names.sort();
            return names.join(' ');
        };
        const QString all = enabled();
        act(form, "buthelp|helpbrask|chkdnf");
        QCOMPARE(enabled(),
                 QStringLiteral(
                     "Command1 backhlp backsnd butclose butdelsav butgonow buthelp buthldir butperf chkcfg chkcheat "
                     "chkclosrun chkdev chkdnf chkmmx chkmod chknumping chksavrun chktocon framhelp frammod helpbrask "
                     "multifram txtcfg txthelp txtmkcfg txtmod"));
        act(form, "chkdnf");
        QCOMPARE(enabled(), all);
        QCOMPARE(preview(form), startPreview);
    }

private:
    QStringList m_opened;
};

VANTOR_TEST_MAIN(Form1Test, QApplication)

#include "tst_form1.moc"
