#include "settlements/ComboLiquidaciones.h"

#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"

#include <QComboBox>

namespace {

constexpr int LargoNumero = 6;

QString fechaCorta(const rt::Variant &fecha)
{
    return rt::Format(fecha, QStringLiteral("dd/mm/yy"));
}

} // namespace

QString ComboLiquidaciones::textoEntrada(const rt::Variant &idLiquidacion, const rt::Variant &fechaDesde,
                                         const rt::Variant &fechaHasta)
{
    return rt::CStr(idLiquidacion) + QStringLiteral("     ") + fechaCorta(fechaDesde) + QStringLiteral("-")
           + fechaCorta(fechaHasta);
}

QString ComboLiquidaciones::numeroDeEntrada(const QString &entrada)
{
    return rt::Left(entrada, LargoNumero);
}

bool ComboLiquidaciones::llenar(QComboBox &combo, DB_Dll &base, const rt::ErrorHandler &tratarError)
{
    const rt::StepRunner pasos(tratarError);
    ado::Recordset rs;
    if (!pasos.proceed([&] { combo.clear(); }))
        return false;
    if (!pasos.proceed([&] { combo.addItem(nuevaLiquidacion()); }))
        return false;
    if (!pasos.proceed([&] {
            base.AbrirRecordset(sentencia(), rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly,
                                ado::adCmdUnspecified, true);
        }))
        return false;
    bool hayFilas = false;
    if (!pasos.proceed([&] { hayFilas = !rs.BOF(); }))
        return false;
    // A failed end test or move cannot be passed over, so ignoring it ends the entries.
    bool seguir = hayFilas;
    const auto agregar = [&] {
        combo.addItem(textoEntrada(rs(QStringLiteral("idLiquidacion")), rs(QStringLiteral("Fecha_Desde")),
                                   rs(QStringLiteral("Fecha_Hasta"))));
    };
    const auto mover = [&] {
        rs.MoveNext();
        seguir = true;
    };
    while (seguir) {
        seguir = false;
        if (!pasos.proceed([&] { seguir = !rs.EOF_(); }))
            return false;
        if (!seguir)
            break;
        if (!pasos.proceed(agregar))
            return false;
        seguir = false;
        if (!pasos.proceed(mover))
            return false;
    }
    return pasos.proceed([&] { combo.setCurrentIndex(0); });
}
