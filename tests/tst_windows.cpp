// The windows as a user sees and hears them: every caption, tooltip, place and spoken name, in every language; what
// reads in a light palette and a dark one; the window's scale; the help pages, the links and the keyboard's marks.

#include "support/form1helpers.h"

using namespace vantor;

namespace {

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

} // namespace

class WindowsTest : public QObject {
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
        FETCH(locale, language, butgonow, help, cancel, imported, smaller);
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
        FETCH(pixels, scale);
        QCOMPARE(vantor::windowScale(pixels.toInt()), scale.toDouble());
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
        QTest::mouseClick(control(form, "corvanalink"), Qt::LeftButton, {}, QPoint(6, 6)); // a double click opens once
        QTest::mouseDClick(control(form, "corvanalink"), Qt::LeftButton, {}, QPoint(6, 6));
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) // and no other button
            QTest::mouseClick(control(form, "corvanalink"), button, {}, QPoint(6, 6));
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(control(form, "corvanalink"), &held); // nor once for each repeat of a held key
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
        QCOMPARE(m_opened,
                 (QStringList{"https://corvana.example/", "https://corvana.example/", "https://corvana.example/tovrik/",
                              "https://corvana.example/tovrik/", "https://corvana.example/vantor/",
                              "https://corvana.example/vantor/depressed/"}));
    }

private:
    QStringList m_opened;
};

VANTOR_TEST_MAIN(WindowsTest, QApplication)

#include "tst_windows.moc"
