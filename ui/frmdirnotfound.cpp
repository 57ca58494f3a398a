#include "frmdirnotfound.h"

#include "captionfit.h"
#include "controls.h"

#include <QLabel>
#include <QPushButton>

namespace vantor {
namespace {

constexpr int paragraphWidth = 415; // the window's width within a margin of 8 pixels on either side

QLabel *makeParagraph(const char *name, const QString &text, QWidget *parent, int x, int y, int w, int h)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, y, w, h);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmdirnotfound::frmdirnotfound()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmdirnotfound"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Dir not Found  -  Help"));
    QFont small = font();
    small.setPixelSize(windowFontPixels);
    setFont(small);
    setFixedSize(431, 275);

    labeldirnotfound = makeParagraph("labeldirnotfound", tr("Error: Directory not found!"), this, 8, 8, 417, 17);
    labeldirnotfound->setAlignment(Qt::AlignCenter);
    QFont bold = labeldirnotfound->font();
    bold.setBold(true);
    labeldirnotfound->setFont(bold);

    Labeldirnotfound1 = makeParagraph(
        "Labeldirnotfound1",
        tr("Either Vantor could not find the directory you specified in the \"HL Dir\" field, or it could not find a "
           "Valve\\ or Valve\\maps\\ directory inside it. This may be because you specified the wrong directory, or "
           "it may be because of a compatibility bug in Vantor that only effects a few systems (don't know why or "
           "how to fix it). IF the directory shown in the \"HL Dir\" field is DEFINITELY CORRECT, you are probably "
           "one of the few people effected by the bug :(. Otherwise, click Browse and choose your Half-Life\\ "
           "directory."),
        this, 8, 32, paragraphWidth, 78);
    Labeldirnotfound2 =
        makeParagraph("Labeldirnotfound2",
                      tr("There is no proper fix for this yet: on a few systems Vantor cannot write to the disk, and "
                         "nobody knows why. If you know what causes it, please send an e-mail; the contact details are "
                         "on the Help page."),
                      this, 8, 120, paragraphWidth, 41);
    Labeldirnotfound3 =
        makeParagraph("Labeldirnotfound3",
                      tr("There is a partial fix, however, which will let you use a few basic features. To get these "
                         "features to work, click \"Help\" (on Vantor), then \"Feeling Depressed?\". There should be a "
                         "checkbox under the Brask strip. Turn it on."),
                      this, 8, 168, paragraphWidth, 39);
    Labeldirnotfound5 = makeParagraph(
        "Labeldirnotfound5",
        tr("Unusable options (almost all of them :(  ) will now be disabled. You can enable them again by "
           "going to Help/Depressed/ and unchecking the checkbox."),
        this, 8, 216, paragraphWidth, 26);

    dirbutclose = new QPushButton(tr("Close"), this);
    dirbutclose->setObjectName(QStringLiteral("dirbutclose"));
    dirbutclose->setGeometry(152, 248, 121, 25);
    dirbutclose->setDefault(true); // Enter; Esc rejects, which closes the window just the same
    connect(dirbutclose, &QPushButton::clicked, this, &QDialog::accept);

    fitCaptions(this);
    // The explanation reads as one text: every paragraph in the size at which all of them fit.
    fitTogether({Labeldirnotfound1, Labeldirnotfound2, Labeldirnotfound3, Labeldirnotfound5});
}

} // namespace vantor
