#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// The demo sizes a benchmark runs on, from its --scales option (default 1,000, 10,000 and
// 100,000 collections). Shows the help and exits with 2 on a size the demo generator refuses.
QList<int> benchScales(const QCoreApplication &app, const QString &description);
