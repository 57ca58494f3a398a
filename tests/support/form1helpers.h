#pragma once

// Finding and driving Form1's controls as a user would.

#include "ui/folderbrowse.h"
#include "ui/form1.h"

#include <QAbstractSlider>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

// The folder dialog answers FOLDER at once; empty text is a cancel.
inline void answerFolderDialog(const QString &folder)
{
    vantor::setFolderDialog([folder](QWidget *, const QString &, const QString &) { return folder; });
}

// No test waits for a person: the folder dialog that start-up opens while no Game directory is stored is cancelled,
// unless a test answers it otherwise.
inline const bool folderDialogCancels = (answerFolderDialog(QString()), true);

template <typename T = QWidget> T *control(QWidget &form, const char *name)
{
    T *found = form.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline void click(QWidget &form, const char *name)
{
    QWidget *widget = control(form, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

inline QString caption(QWidget &form, const char *name) { return control<QAbstractButton>(form, name)->text(); }

// Runs CHECK a moment into the wait that the command started by CLICKING begins.
template <typename Check> void duringTheWait(QWidget &form, const char *clicking, Check check)
{
    bool checked = false;
    QTimer::singleShot(100, &form, [&] {
        check();
        checked = true;
    });
    click(form, clicking);
    QVERIFY(checked);
}

inline QString preview(QWidget &form) { return control<QPlainTextEdit>(form, "prntcmdline")->toPlainText(); }

// Replaces a field's text by typing, as a user who selected all of it would.
inline void retype(QWidget &form, const char *name, const QString &text)
{
    auto *field = control<QLineEdit>(form, name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// "name=value" for each control named before a '=', with the value the control shows now: a check box's state
// (0, 1, 2), a slider's position, a text.
inline QStringList shown(QWidget &form, const QStringList &names)
{
    QStringList values;
    for (const QString &entry : names) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        QWidget *widget = control(form, qPrintable(name));
        if (auto *box = qobject_cast<vantor::OptionCheckBox *>(widget))
            values << name + '=' + QString::number(box->state());
        else
            values << name + '=' +
                          widget->property(qobject_cast<QAbstractSlider *>(widget)  ? "value"
                                           : qobject_cast<QPlainTextEdit *>(widget) ? "plainText"
                                                                                    : "text")
                              .toString();
    }
    return values;
}
