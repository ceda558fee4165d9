#include "printdata/vouchers/LotesSeries.h"

#include "db/Conexiones.h"
#include "platform/runtime/StepRunner.h"
#include "session/ObjetosExternos.h"

void Cuenta_Series_Y_Lotes(const QString &Texto, QStringList &Items)
{
    Items = QStringList{QString()};
    QString s = Texto.trimmed();
    if (s.startsWith(QLatin1Char('|')))
        s.remove(0, 1);
    for (qsizetype p = s.indexOf(QLatin1Char('|')); !s.trimmed().isEmpty(); p = s.indexOf(QLatin1Char('|'))) {
        if (p < 0)
            p = s.size();
        Items.last() = s.left(p).trimmed();
        Items.append(QString());
        s = s.mid(p + 1);
    }
}

QString Cuenta_Series_Lotes(QString &Lote, const QString &Serie)
{
    Lote.remove(CaracterLote());
    QStringList series;
    QStringList lotes;
    Cuenta_Series_Y_Lotes(Serie, series);
    Cuenta_Series_Y_Lotes(Lote, lotes);
    if (Serie.isEmpty() && !Lote.isEmpty())
        series = QStringList(lotes.size(), QString());
    const rt::StepRunner pasos(
        [](const rt::RuntimeError &error) { return gBaseDatos->TratamientoErrores(error, {}, "Cuenta_Series_Lotes"); });
    QString resultado;
    for (qsizetype i = 0; i < lotes.size() && i < series.size(); ++i) {
        if (!pasos.proceed([&] {
                if (gUtil->ValorNumerico(series.at(i)) > rt::Currency())
                    resultado += lotes.at(i) + QLatin1Char(' ');
            }))
            break;
    }
    return resultado;
}

QChar CaracterLote()
{
    return QChar(0xFF);
}
