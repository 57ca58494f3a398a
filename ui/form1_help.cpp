// The Help page, the comic and the web links.

#include "form1.h"

#include "languages.h"

#include "launch/weblinks.h"

#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>

#include <array>

namespace vantor {
namespace {

// Where a comic panel stands, in pixels from the page's left, to show its left or its right part.
struct PanelPlace {
    int left, right;
};
constexpr std::array<PanelPlace, 4> panelPlaces{{{8, -152}, {8, -152}, {216, -104}, {136, -120}}};

QString helpText()
{
    // The help text in the language of the other texts, where there is one.
    QFile file(QStringLiteral(":/vantor/help_%1.txt").arg(language()));
    if (!file.exists())
        file.setFileName(QStringLiteral(":/vantor/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The addresses are kept with the others, not typed again here.
    return QString::fromUtf8(file.readAll())
        .replace(QLatin1String("{site}"), QLatin1String(weblinks::site))
        .replace(QLatin1String("{home}"), QLatin1String(weblinks::homePage))
        .replace(QLatin1String("{mail}"), QLatin1String(weblinks::authorMail));
}

} // namespace

void Form1::wireHelpAndComic()
{
    connect(txthelp, &QPlainTextEdit::textChanged, this, &Form1::zhelp);

    const std::pair<LinkLabel *, const char *> links[]{{corvanalink, weblinks::site},
                                                       {Label7, weblinks::homePage},
                                                       {Label9, weblinks::depressedPage},
                                                       {Image1, weblinks::authorPage}};
    for (const auto &[link, address] : links) {
        const QUrl url(QString::fromLatin1(address));
        connect(link, &LinkLabel::clicked, this, [url] { QDesktopServices::openUrl(url); });
    }

    QPushButton *choosers[] = {brask1but, brask2but, brask3but, brask4but};
    for (int panel = 0; panel < 4; ++panel)
        connect(choosers[panel], &QPushButton::clicked, this, [this, panel] { choosePanel(panel); });
    connect(braskscrll, &QPushButton::clicked, this, [this] { scrollPanels(false); });
    connect(braskscrlr, &QPushButton::clicked, this, [this] { scrollPanels(true); });

    // The pictures wait until a page that shows them is first opened: decoding a GIF loads Qt's image plugins. The
    // help text waits for the Help page likewise: laying out its many lines would only hold up the window.
    framsound->installEventFilter(this);
    braskfram->installEventFilter(this);
    framhelp->installEventFilter(this);
}

void Form1::choosePanel(int panel)
{
    QLabel *panels[] = {brask1, brask2, brask3, brask4};
    for (int i = 0; i < 4; ++i)
        panels[i]->setVisible(i == panel);
    scrollPanels(false);
}

void Form1::scrollPanels(bool toTheRight)
{
    QLabel *panels[] = {brask1, brask2, brask3, brask4};
    for (int i = 0; i < 4; ++i)
        panels[i]->move(toTheRight ? panelPlaces[i].right : panelPlaces[i].left, panels[i]->y());
}

void Form1::loadPictures()
{
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    const std::pair<QLabel *, const char *> pictures[]{{brask1, "brask1.gif"},       {brask2, "brask2.gif"},
                                                       {brask3, "brask3.gif"},       {brask4, "brask4.gif"},
                                                       {braskback, "braskback.gif"}, {Image1, "linkicon.gif"}};
    for (const auto &[label, name] : pictures)
        label->setPixmap(QPixmap(QStringLiteral(":/vantor/") + QLatin1String(name)));
}

void Form1::loadHelpText()
{
    if (m_helpLoaded)
        return;
    m_helpLoaded = true;
    // Quietly, or zhelp would put back the empty text it knew until now.
    const QSignalBlocker quiet(txthelp);
    txthelp->setPlainText(helpText());
    m_helpText = txthelp->toPlainText();
}

void Form1::zhelp()
{
    // Setting the text raises a change even when it is equal, and the change comes back here: compare first.
    if (txthelp->toPlainText() != m_helpText)
        txthelp->setPlainText(m_helpText);
}

} // namespace vantor
