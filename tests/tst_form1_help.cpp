#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QToolTip>

using namespace vantor;

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
        act(form, "buthelp");
        auto *help = control<QPlainTextEdit>(form, "txthelp");
        const QString text = help->toPlainText();
        QVERIFY(text.contains(QLatin1String("5.  Disclaimer:")));
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        help->paste();
        act(form, "txthelp=x\b");
        QCOMPARE(help->toPlainText(), text);
    }

    // Where each panel stands after the clicks, "-" for a hidden one; the page keeps its state while hidden.
    void comicPanelsAreChosenAndScrolled()
    {
        Form1 form;
        form.show();
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
        for (const auto &[name, size] : {std::pair{"brask1", QSize(635, 195)},
                                         {"brask2", {635, 195}},
                                         {"brask3", {583, 188}},
                                         {"brask4", {599, 189}},
                                         {"braskback", {222, 222}},
                                         {"Image1", {32, 32}}})
            QCOMPARE(control<QLabel>(form, name)->pixmap().size(), size);
    }

    void linksOpenTheirPages()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        Form1 form;
        form.show();
        act(form, "corvanalink|butperf|Image1|buthelp|Label7|helpbrask|Label9");
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
