#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types the text key by key as real key events; QTest::keyClicks takes ASCII only.
inline void teclear(QWidget *w, const QString &texto)
{
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}
