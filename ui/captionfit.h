#pragma once

// Captions made to fit the room their controls give them, and tooltips wrapped to a window's width.

#include <QFontMetrics>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace vantor {

// The pixel size of the font of Vantor's windows, and the smallest that a caption is ever drawn in.
inline constexpr int windowFontPixels = 11;
inline constexpr int smallestCaptionPixels = 9;

// How much larger than designed Vantor's windows are drawn for a desktop whose font is DESKTOPFONTPIXELS high: its
// size against the windows' own, in the quarter steps that desktops scale by, never past the desktop's font.
qreal windowScale(int desktopFontPixels);

// Whether the caption of a button, check box, option button, label or frame is readable whole in the room the
// control gives it: on one line across its width or, where it wraps, within its height too. A control that shows
// several captions in turn keeps a margin on either side, so that none of them touches its edges.
bool captionFits(const QWidget *control);

// The captions that the control shows in turn, its usual one first.
void setCaptions(QWidget *control, const QStringList &captions);
QStringList captionsOf(const QWidget *control);

// Makes the control's caption fit: its font, starting from the window's size, is made a pixel smaller at a time
// until the caption fits whole, but never smaller than smallestCaptionPixels. Run again whenever the caption changes.
void fitCaption(QWidget *control);

// Shows CAPTION on a button, check box, label or frame, fitted to it.
void showCaption(QWidget *control, const QString &caption);

// Gives the controls one font size, the largest at which each of them fits its caption whole.
void fitTogether(const QList<QWidget *> &controls);

// Fits the captions of every control in the window.
void fitCaptions(QWidget *window);

// Breaks a text into lines at blanks so that no line is wider than WIDTH pixels in that font (a word wider than
// that stands on a line of its own).
QString wrapText(const QString &text, const QFontMetrics &metrics, int width);

// Shows every tooltip of the application that would be wider than a window of Vantor's on several lines.
class ToolTipWrapper : public QObject {
    Q_OBJECT
public:
    static constexpr int widest = 360; // pixels

    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vantor
