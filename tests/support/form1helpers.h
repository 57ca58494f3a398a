#pragma once

// Finding and driving Form1's controls as a user would; what every test of the windows includes.

#include "launch/cfgfile.h"
#include "support/fakegame.h"
#include "support/memoryview.h"
#include "support/storefile.h"
#include "support/testmain.h"
#include "ui/captionfit.h"
#include "ui/folderbrowse.h"
#include "ui/form1.h"
#include "ui/languages.h"
#include "ui/notice.h"
#include "ui/picker.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

// The folder dialog answers FOLDER at once; empty text is a cancel.
inline void answerFolderDialog(const QString &folder)
{
    vantor::setFolderDialog([folder](QWidget *, const QString &, const QString &) { return folder; });
}

// No test waits for a person: the folder dialog that start-up opens while no Game directory is stored is cancelled,
// unless a test answers it otherwise.
inline const bool folderDialogCancels = (answerFolderDialog(QString()), true);

template <typename T = QWidget> T *control(QWidget &form, const QString &name)
{
    T *found = form.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

inline void click(QWidget &form, const QString &name)
{
    QWidget *widget = control(form, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

// Does each action in turn, separated by '|': "name" clicks the control, "name=text" types the text into it,
// "name>key" presses the key there, "name~position" drags a slider there and holds it, and "name:value" sets it as
// the program would (a check box's state, a slider's position, a field's text).
inline void act(vantor::Form1 &form, const QString &actions)
{
    for (const QString &action : actions.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const qsizetype at = action.indexOf(QRegularExpression(QStringLiteral("[=:~>]")));
        QWidget *widget = control(form, action.left(at));
        const QString value = action.mid(at + 1);
        if (at < 0)
            click(form, action);
        else if (action[at] == QLatin1Char('='))
            QTest::keyClicks(widget, value);
        else if (action[at] == QLatin1Char('>'))
            QTest::keyClick(widget, QKeySequence::fromString(value)[0].key());
        else if (auto *slider = qobject_cast<QAbstractSlider *>(widget); slider && action[at] == QLatin1Char('~'))
            slider->setSliderDown(true), slider->setSliderPosition(value.toInt());
        else if (auto *field = qobject_cast<QLineEdit *>(widget))
            field->setText(value);
        else
            applySettings(form, {action.left(at) + '=' + value});
    }
}

// The controls named before each '=' of EXPECTED ("name=value|..."), each with the value it shows now: a check box's
// state (0, 1, 2), a slider's position, a text, caption or title; after "name@", what a screen reader hears of its
// value.
inline QString shown(QWidget &form, const QString &expected)
{
    QStringList values;
    for (const QString &entry : expected.split(QLatin1Char('|'))) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        QWidget *widget = control(form, name.chopped(name.endsWith(QLatin1Char('@'))));
        QString value = widget->property(qobject_cast<QGroupBox *>(widget) ? "title" : "text").toString();
        if (auto *box = qobject_cast<vantor::OptionCheckBox *>(widget))
            value = QString::number(box->state());
        else if (auto *slider = qobject_cast<QAbstractSlider *>(widget))
            value = QString::number(slider->value());
        else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            value = text->toPlainText();
        if (QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(widget); name.endsWith('@'))
            value = heard->valueInterface() ? heard->valueInterface()->currentValue().toString()
                                            : heard->text(QAccessible::Description);
        values << name + '=' + value;
    }
    return values.join(QLatin1Char('|'));
}

inline QString caption(QWidget &form, const char *name) { return shown(form, QLatin1String(name)).section('=', 1); }

inline QString preview(QWidget &form) { return shown(form, QStringLiteral("prntcmdline")).section('=', 1); }

// What a screen reader is told of its own accord now: the words of a notification of a window while it shows.
inline QString notified()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        QAccessibleInterface *top = QAccessible::queryAccessibleInterface(window);
        for (int i = 0; top && i < top->childCount(); ++i)
            if (top->child(i)->role() == QAccessible::Notification && !top->child(i)->state().invisible)
                return top->child(i)->text(QAccessible::Name);
    }
    return {};
}

// Does ACTION, which shows SAID for SECONDS where NOW reads it and tells a screen reader: it is there a moment before
// the time is up, and gone soon after but not before, whether ACTION waits for the time or not.
template <typename Action, typename Now> void shownFor(double seconds, const QString &said, Action action, Now now)
{
    QObject moment; // a look that would come too late goes with it
    QString nearTheEnd, heard;
    QTimer::singleShot(int(seconds * 1000) - 150, &moment, [&] { nearTheEnd = now(), heard = notified(); });
    QElapsedTimer clock;
    clock.start();
    action();
    QTRY_VERIFY_WITH_TIMEOUT(now() != said, int(seconds * 1000) + 1000);
    QCOMPARE(nearTheEnd, said);
    QVERIFY2(clock.elapsed() >= seconds * 1000 - 5, qPrintable(QStringLiteral("gone at %1 ms").arg(clock.elapsed())));
    QCOMPARE(heard, said);
    QTRY_COMPARE(notified(), QString());
}

// The preview of the start values.
inline const QString startPreview = QStringLiteral("hl.exe -console -numericping -toconsole +exec vantortemp.cfg");

// Sets the options at random, texts of those letters beyond the typing limits included, the directory-not-found mode
// off.
inline void randomState(vantor::Form1 &form, std::mt19937 &random,
                        const QString &letters = QStringLiteral(" \"+-./:;\n019abmxzAZ\u00e9//exec map"))
{
    for (const vantor::Option &opt : vantor::optionCatalogue()) {
        QString text;
        for (auto length = random() % (opt.typingLimit + 9); length > 0; --length)
            text += letters[qsizetype(random() % letters.size())];
        if (opt.kind == vantor::OptionKind::Check)
            form.setCheck(opt.key, int(random() % 3));
        else if (opt.kind == vantor::OptionKind::Slider || opt.kind == vantor::OptionKind::ScrollBar)
            form.setPosition(opt.key, opt.minimum + int(random() % (opt.maximum - opt.minimum + 1)));
        else if (opt.kind != vantor::OptionKind::ReadOnly)
            form.setText(opt.key, text);
    }
    form.setCheck("chkdnf", 0);
}
