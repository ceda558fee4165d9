#include "PruebaPdfDemo.h"

#include "core/ImporteEnLetras.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The demo's payment orders, each printed through "Ver  Comprobante" to a PDF and read back.
class OrdenesPagoPdfTest : public PruebaPdfDemo {
protected:
    OrdenesPagoPdfTest()
        : PruebaPdfDemo(20)
    {
    }

    // `que` over the entry lines of `tc` `id` that `condicion` picks (MV_ASIENTOS m, MA_CUENTAS c).
    rt::Variant lineas(const QString &tc, const QString &id, const char *que, const char *condicion)
    {
        return db.value(QStringLiteral("SELECT %1 FROM MV_ASIENTOS m LEFT JOIN MA_CUENTAS c ON c.Codigo = m.Cuenta "
                                       "WHERE m.TC = '%2' AND m.SUCURSAL || m.NUMERO || m.LETRA = '%3' AND %4")
                            .arg(QLatin1String(que), tc, id, QLatin1String(condicion)));
    }
};

// What an order paid is what it applied less what it withheld and the discount it took: its
// TOTAL, and its amount in words, say that. Cash paid out prints positive; only change given
// back on a PG (its cash debit) prints negative.
TEST_F(OrdenesPagoPdfTest, EveryPaymentOrderPrintsWhatWasPaid)
{
    static const QRegularExpression total(QStringLiteral(R"(TOTAL \$\s+(-?[0-9.]*[0-9],[0-9]{2}))"));
    static const QRegularExpression letras(QStringLiteral(R"(Son pesos: (.*\S))"));
    const auto descripciones = db.rows("SELECT Descripcion FROM MA_CUENTAS WHERE UPPER(MedioDePago) = 'EF' ORDER BY "
                                       "LENGTH(Descripcion) DESC");
    QStringList caja;
    for (const auto &d : descripciones)
        caja << QRegularExpression::escape(rt::Trim(rt::CStr(d[0])));
    const QRegularExpression efectivo(
        QStringLiteral(R"(\b(?:%1)\s+(-?[0-9]+,[0-9]{2})\s*$)").arg(caja.join(QLatin1Char('|'))),
        QRegularExpression::MultilineOption);
    const auto ordenes = db.rows("SELECT TC, SUCURSAL || NUMERO || LETRA FROM MV_ASIENTOS WHERE SECUENCIA = 1 AND TC "
                                 "IN ('PG', 'PGFP', 'OPG') ORDER BY TC, NUMERO");
    QStringList conEfectivo;
    for (const auto &orden : ordenes) {
        const QString tc = rt::CStr(orden[0]);
        const QString id = rt::CStr(orden[1]);
        const std::string nombre = (tc + QLatin1Char(' ') + id).toStdString();
        const qint64 aplicado = qRound64(
            rt::CDbl(db.value(QStringLiteral("SELECT SUM(IMPORTE) FROM MV_APLICACION WHERE TC_PRINT = '%1' AND "
                                             "IDCOMPROBANTE_PRINT = '%2'")
                                  .arg(tc, id)))
            * 100);
        const char *suma = "IFNULL(SUM(m.Importe), 0) * 100";
        const qint64 retenido =
            qRound64(rt::CDbl(lineas(tc, id, suma, "UPPER(c.MedioDePago) IN ('RI', 'RG', 'RB', 'RO')")));
        const qint64 descontado =
            qRound64(rt::CDbl(lineas(tc, id, suma, "m.Cuenta = (SELECT PG_DESCUENTO FROM TA_CUENTASIVA)")));
        const qint64 pagado = aplicado - retenido - descontado;
        const QString texto = ver(tc, id);

        const auto cifra = total.match(texto);
        ASSERT_TRUE(cifra.hasMatch()) << nombre << texto.toStdString();
        EXPECT_EQ(centavos(cifra.captured(1)), pagado) << nombre << texto.toStdString();
        const QString palabras = rt::ProperCase(NumeroEnLetras(QString::number(pagado / 100)))
                                 + QStringLiteral(" Pesos Con ")
                                 + QStringLiteral("%1/100").arg(pagado % 100, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(letras.match(texto).captured(1), palabras) << nombre;

        const int cajas = rt::CInt(lineas(tc, id, "COUNT(*)", "UPPER(c.MedioDePago) = 'EF'"));
        const int vueltos =
            tc == u"PG" ? rt::CInt(lineas(tc, id, "COUNT(*)", "UPPER(c.MedioDePago) = 'EF' AND m.[DEBE-HABER] = 'D'"))
                        : 0;
        int impresas = 0;
        int negativas = 0;
        for (auto it = efectivo.globalMatch(texto); it.hasNext(); ++impresas)
            negativas += centavos(it.next().captured(1)) < 0 ? 1 : 0;
        EXPECT_EQ(impresas, cajas) << nombre << texto.toStdString();
        EXPECT_EQ(negativas, vueltos) << nombre << texto.toStdString();
        if (cajas > 0)
            conEfectivo << tc + (vueltos > 0 ? QStringLiteral(" vuelto") : QString());
    }
    conEfectivo.removeDuplicates();
    conEfectivo.sort();
    EXPECT_EQ(conEfectivo, (QStringList{QStringLiteral("OPG"), QStringLiteral("PG"), QStringLiteral("PG vuelto"),
                                        QStringLiteral("PGFP")}))
        << "cash paid on every kind of order, and change given back on a PG";
}

} // namespace
