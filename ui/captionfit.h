#pragma once

// Captions made to fit the room their controls give them, and tooltips wrapped to a window's width.

#include <QFontMetrics>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace vantor {

// The pixel size of the font of Vantor's windows.
inline constexpr int windowFontPixels = 11;

// Whether the caption of a button, check box, option button or label is readable whole in the room the control
// gives it: on one line across its width or, where it wraps, within its height too. A control that shows several
// captions in turn must fit each of them, with a margin on either side.
bool captionFits(const QWidget *control);

// The captions that the control shows in turn: one font size serves them all.
void setCaptions(QWidget *control, const QStringList &captions);

// Makes the control's caption fit: its font, starting from the window's size, is made a pixel smaller at a time
// until the caption fits whole. Run again whenever the caption changes.
void fitCaption(QWidget *control);

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
