#pragma once

#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Variant.h"

#include <QString>

class DB_Dll;
class QComboBox;

// The settlement combo's entries: "Nueva Liquidacion", then every stored settlement, highest
// number first, as its number, five blanks and its range ("12     01/03/24-31/03/24").
class ComboLiquidaciones {
public:
    static QString nuevaLiquidacion() { return QStringLiteral("Nueva Liquidacion"); }
    static QString sentencia()
    {
        return QStringLiteral("SELECT * FROM V_COMISIONES_VENDEDOR_CAB ORDER BY IDLIQUIDACION desc ");
    }

    // The entry of one settlement header; a Null date shows as nothing.
    static QString textoEntrada(const rt::Variant &idLiquidacion, const rt::Variant &fechaDesde,
                                const rt::Variant &fechaHasta);
    // The settlement number an entry starts with: its first six characters, blanks kept.
    static QString numeroDeEntrada(const QString &entrada);

    // Rebuilds the combo from the settlement headers and selects "Nueva Liquidacion". Each
    // failing statement is put to `tratarError`: Retry runs it again, Ignore goes on with the
    // next one, any other answer leaves. Returns true when it got to the selection.
    static bool llenar(QComboBox &combo, DB_Dll &base, const rt::ErrorHandler &tratarError);
};
