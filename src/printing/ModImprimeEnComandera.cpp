#include "printing/ModImprimeEnComandera.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printing/ExisteComandera.h"
#include "printing/FrmMvVentas.h"
#include "printing/LecturaComanda.h"
#include "printing/RegistroComandera.h"
#include "printing/TicketComandera.h"
#include "session/ModError.h"

core::LazyInstance<ModImprimeEnComandera> gModImprimeEnComandera;

namespace {

void avisarSinComandera()
{
    ui::MsgBox(
        QStringLiteral("No se ha configurado una comandera en este equipo, verifiquelo y vuelva a intentarlo!!!"),
        ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador!!! - 7"));
}

void avisarPuerto(const QString &puerto)
{
    ui::MsgBox(QStringLiteral("Error de Comunicacion con el Puerto seleccionado (") + puerto
                   + QStringLiteral(") verifiquelo y vuelva a intentarlo. EL COMPROBANTE NO SE HA IMPRESO"),
               ui::vbCritical, QStringLiteral("Aviso al operador!!"));
}

// The port is closed even when its last bytes cannot leave; the ticket has already failed.
void cerrar(serial::MSComm &puerto)
{
    rt::resumeNext([&] { puerto.setPortOpen(false); });
}

} // namespace

void ModImprimeEnComandera::ImprimeEnComandera(const QString &TC, const QString &IdComprobante,
                                               const QString &Impresora, bool Cocina, bool Barra)
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("ImprimeEnComandera"));
    });
    const auto seguir = [&](const std::function<void()> &paso) { return pasos.run(paso) == rt::StepResult::Continue; };
    RegistroComandera registro;
    const QString nombre = rt::Trim(rt::Replace(Impresora, QStringLiteral("Comandera :"), {}, rt::CompareMode::Text));
    if (!ExisteComandera(nombre, registro))
        return avisarSinComandera();
    serial::MSComm &puerto = gFrmMvVentas->MSComm1;
    if (!seguir([&] {
            puerto.setCommPort(
                rt::CInt(rt::Variant(rt::Replace(registro.Puerto, QStringLiteral("COM"), {}, rt::CompareMode::Text))));
        }))
        return cerrar(puerto);
    try {
        puerto.setPortOpen(true);
    } catch (const rt::RuntimeError &) {
        return avisarPuerto(registro.Puerto);
    }
    DatosComanda datos;
    QByteArray ticket;
    if (!LecturaComanda(*gBaseDatos).leer(registro, TC, IdComprobante, pasos, datos) || !seguir([&] {
            ticket = TicketComandera(registro, Cocina, Barra).bytes(TC, IdComprobante, datos, rt::Now());
        }))
        return cerrar(puerto);
    // A printer that does not take the ticket within the port's wait fails as a port that does
    // not open: the ticket is not printed, and retrying at once would only wait again.
    try {
        puerto.setOutput(ticket);
        puerto.setPortOpen(false);
    } catch (const rt::RuntimeError &) {
        cerrar(puerto);
        avisarPuerto(registro.Puerto);
    }
}
