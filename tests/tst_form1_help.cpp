#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QToolTip>

using namespace vantor;

namespace {

// Where each comic panel stands and whether it shows, as "x" or "-" for a hidden one.
QString panels(Form1 &form)
{
    QStringList places;
    for (const char *name : {"brask1", "brask2", "brask3", "brask4"}) {
        QWidget *panel = control(form, name);
        places << (panel->isVisibleTo(&form) ? QString::number(panel->x()) : QStringLiteral("-"));
    }
    return places.join(' ');
}

} // namespace

class Form1HelpTest : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { m_opened << url.toString(); }

private slots:
    void init() { storefile::write("[other]\nhldir=/hl\n"); }

    void helpTextCannotBeChanged()
    {
        Form1 form;
        form.show();
        click(form, "buthelp");
        auto *help = control<QPlainTextEdit>(form, "txthelp");
        const QString text = help->toPlainText();
        QVERIFY(text.contains(QLatin1String("5.  Disclaimer:")));
        QTest::keyClicks(help, QStringLiteral("x"));
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        help->paste();
        QTest::keyClick(help, Qt::Key_Backspace);
        QCOMPARE(help->toPlainText(), text);
    }

    void comicPanelsAreChosenAndScrolled()
    {
        Form1 form;
        form.show();
        const auto clicks = [&](const QString &buttons) {
            for (const QString &button : buttons.split(' ', Qt::SkipEmptyParts))
                click(form, qPrintable(button));
            return panels(form);
        };
        QCOMPARE(clicks("buthelp helpbrask"), QStringLiteral("8 - - -"));
        QCOMPARE(clicks("brask3but braskscrlr"), QStringLiteral("- - -104 -"));
        QCOMPARE(clicks("brask2but"), QStringLiteral("- 8 - -"));
        QCOMPARE(clicks("braskscrlr braskscrlr"), QStringLiteral("- -152 - -"));
        // The page keeps its state while it is hidden.
        QCOMPARE(clicks("brask4but braskscrlr braskbackbut helpbrask"), QStringLiteral("- - - -120"));
        QCOMPARE(clicks("braskscrll"), QStringLiteral("- - - 136"));

        // Every picture at its size, once a page that shows it has been opened.
        clicks("braskbackbut backhlp butperf");
        const std::pair<const char *, QSize> pictures[]{{"brask1", {635, 195}},    {"brask2", {635, 195}},
                                                        {"brask3", {583, 188}},    {"brask4", {599, 189}},
                                                        {"braskback", {222, 222}}, {"Image1", {32, 32}}};
        for (const auto &[name, size] : pictures)
            QCOMPARE(control<QLabel>(form, name)->pixmap().size(), size);
    }

    void linksOpenTheirPages()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        Form1 form;
        form.show();
        for (const char *name : {"corvanalink", "butperf", "Image1", "buthelp", "Label7", "helpbrask", "Label9"})
            click(form, name);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(m_opened,
                 (QStringList{"https://corvana.example/", "https://corvana.example/tovrik/",
                              "https://corvana.example/vantor/", "https://corvana.example/vantor/depressed/"}));
        QCOMPARE(control(form, "Label9")->cursor().shape(), Qt::PointingHandCursor);
    }

    void longTooltipsWrap()
    {
        Form1 form;
        form.show();
        QWidget *button = control(form, "butperf");
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(button, &help);
        const QStringList lines = QToolTip::text().split('\n');
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(' '), button->toolTip());
        for (const QString &line : lines)
            QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(line) < form.width());
    }

private:
    QStringList m_opened;
};

VANTOR_TEST_MAIN(Form1HelpTest, QApplication)

#include "tst_form1_help.moc"
