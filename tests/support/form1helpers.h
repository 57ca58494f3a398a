#pragma once

// Finding and driving Form1's controls as a user would.

#include "ui/form1.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

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
