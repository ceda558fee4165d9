// "Cargar Liquidacion >>": builds a new settlement, rebuilds a stored one or loads it.

#include "settlements/FrmComisionesVendedor.h"

#include "components/FhOcx.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EventBeat.h"
#include "session/ObjetosExternos.h"
#include "settlements/BloqueoVentana.h"
#include "settlements/CargadorLista.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/RepintadoDuranteSentencias.h"
#include "settlements/VentanaGeneracion.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QString TituloAviso = QStringLiteral("Aviso");

// The progress label changes at most this often.
constexpr qint64 IntervaloRepintadoMs = 25;

} // namespace

void FrmComisionesVendedor::CmdGenerar_Click()
{
    try {
        QString numero = rt::Trim(txtfields(indiceDeCampo(QStringLiteral("idLiquidacion")))->text());
        if (!numero.isEmpty())
            CampoValida(txtfields(0));
        QString vendedor = rt::Trim(txtfields(indiceDeCampo(QStringLiteral("idVendedor")))->text());
        QString desde = FhOcx1->Fh_Desde;
        QString hasta = FhOcx1->Fh_Hasta;
        if (rt::Trim(desde).isEmpty() || rt::Trim(hasta).isEmpty()) {
            ui::MsgBox(QStringLiteral("Debe informar el rango de fechas a consultar"), ui::vbInformation, TituloAviso);
            return;
        }
        if (rt::CDate(desde).date() > rt::CDate(hasta).date()) {
            ui::MsgBox(QStringLiteral("La fecha desde no puede ser mayor a la fecha hasta"), ui::vbInformation,
                       TituloAviso);
            return;
        }
        if (!numero.isEmpty() && chkRecalcular->isChecked()) {
            if (ui::MsgBox(
                    QStringLiteral("Esto borrará las comisiones calculadas y las generará tomando los % actuales. "
                                   "¿Continuar?"),
                    ui::vbInformation + ui::vbYesNo, TituloAviso)
                == ui::vbYes) {
                GeneraComisionesNew(desde, hasta, vendedor, numero);
                LlenarCombos();
            }
        } else if (!numero.isEmpty()) {
            for (QTreeWidget *lista : {ListView1, ListView2, ListView3, ListView5})
                CargadorLista::vaciar(*lista);
            rt::runRoutine([&] { CargarLiquidacionComisionesNew(numero, vendedor); });
        } else {
            QString nueva;
            GeneraComisionesNew(desde, hasta, vendedor, nueva);
            LlenarCombos();
            cmdCancelar_Click();
        }
    } catch (const rt::RuntimeError &error) {
        tratarError(error, QStringLiteral("CmdGenerar_Click"));
    }
}

void FrmComisionesVendedor::GeneraComisionesNew(QString &FechaDesde, QString &FechaHasta, QString &IdVendedor,
                                                QString &idLiquidacionBorrar)
{
    // The window as the generator sees it. The label takes a new text at most every
    // IntervaloRepintadoMs, the last one given, and the events the generator asks for after
    // each row are processed on the event beat (ui::EventBeat): painting and polling for each of
    // tens of thousands of rows would cost more than the rows themselves, and nobody reads that
    // fast.
    class Ventana final : public VentanaGeneracion {
    public:
        explicit Ventana(FrmComisionesVendedor &formulario)
            : m_formulario(formulario)
        {
            m_aplazado.setSingleShot(true);
            m_aplazado.callOnTimeout([this] { mostrarPendiente(); });
        }

        void mostrarEstado(const QString &texto) override
        {
            m_pendiente = texto;
            if (m_aplazado.isActive())
                return;
            const qint64 pasado = m_reloj.isValid() ? m_reloj.elapsed() : IntervaloRepintadoMs;
            if (pasado >= IntervaloRepintadoMs)
                mostrarPendiente();
            else
                m_aplazado.start(static_cast<int>(IntervaloRepintadoMs - pasado));
        }
        void procesarEventos() override { m_eventos.process(); }
        // The label's own state follows from here: a text still waiting is dropped.
        void Detalleon(bool on) override
        {
            m_aplazado.stop();
            m_formulario.Detalleon(on);
        }
        void Inicializa() override { m_formulario.Inicializa(); }
        bool recalcular() const override { return m_formulario.chkRecalcular->isChecked(); }

    private:
        void mostrarPendiente()
        {
            m_formulario.lblEstado->setText(m_pendiente);
            m_formulario.lblEstado->repaint();
            m_reloj.restart();
        }

        FrmComisionesVendedor &m_formulario;
        QElapsedTimer m_reloj;
        QTimer m_aplazado;
        QString m_pendiente;
        ui::EventBeat m_eventos;
    };

    Ventana ventana(*this);
    // Nothing but the progress label may act while the build runs: a second run, a delete or
    // closing the window would work on rows the build is still writing.
    const BloqueoVentana bloqueo(*this, lblEstado);
    const RepintadoDuranteSentencias repintado(gBaseDatos->gCnn, *lblEstado);
    GeneradorComisiones generador(*gBaseDatos, ventana);
    if (generador.GeneraComisionesNew(FechaDesde, FechaHasta, IdVendedor, idLiquidacionBorrar)
        == GeneradorComisiones::Fin::Abandonada)
        Detalleon(true);
}
