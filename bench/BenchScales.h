#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <optional>

// The demo sizes a benchmark runs on, from its --scales option (default 1,000, 10,000 and
// 100,000 collections). Shows the help and exits with 2 on a size the demo generator refuses.
QList<int> benchScales(const QCoreApplication &app, const QString &description);

// Runs `measure(collections, folder)` once per demo size, each in a fresh folder, announcing each
// run as "<what> of <n> collections...". A failure is printed as "<program>: ..." and gives no figures.
template <class Figures, class Measure>
std::optional<QList<Figures>> measureEachScale(const char *program, const char *what, const QList<int> &scales,
                                               Measure measure)
{
    QTemporaryDir work;
    QList<Figures> all;
    try {
        for (const int collections : scales) {
            const QString folder = QDir(work.path()).filePath(QString::number(collections));
            QDir().mkpath(folder);
            std::printf("%s of %d collections...\n", what, collections);
            std::fflush(stdout);
            all.append(measure(collections, folder));
        }
    } catch (const rt::RuntimeError &error) {
        std::fprintf(stderr, "%s: %d %s\n", program, static_cast<int>(error.Number), qPrintable(error.Description));
        return std::nullopt;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", program, error.what());
        return std::nullopt;
    }
    return all;
}
