// The settlement window's commands "Borrar Liquidacion", "Listar Liquidacion", "Ver  Comprobante"
// and the export, and the per-article commission figures of its public interface.

#include "settlements/FrmComisionesVendedor.h"

#include "core/Configuracion.h"
#include "db/Conexiones.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printing/ImpresionPrograma.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"
#include "settlements/BloqueoVentana.h"
#include "settlements/BorradoLiquidacion.h"
#include "settlements/ExportacionListas.h"
#include "settlements/ImportesArticulo.h"
#include "settlements/ListadoLiquidacion.h"
#include "settlements/RepintadoDuranteSentencias.h"
#include "settlements/SeleccionListas.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString TituloAviso = QStringLiteral("Aviso");

void aviso(const QString &texto)
{
    ui::MsgBox(texto, ui::vbInformation, TituloAviso);
}

const QString FaltaNumero = QStringLiteral(" Debe informar el número de liquidación!");

} // namespace

void FrmComisionesVendedor::conectarComandos()
{
    connect(CmdBorrar, &QPushButton::clicked, this, [this] { CmdBorrar_Click(); });
    connect(CmdListar, &QPushButton::clicked, this, [this] { CmdListar_Click(); });
    connect(CmdReimprimir, &QPushButton::clicked, this, [this] { CmdReimprimir_Click(); });
    connect(CmdExportaExcelLV, &QPushButton::clicked, this, [this] { CmdExportaExcelLV_Click(); });
    conectarListas();
}

void FrmComisionesVendedor::ejecutarComando(const QString &rutina, const std::function<void()> &comando)
{
    // A failure of another kind is reported as a provider failure.
    rt::runStep(
        [&] {
            try {
                comando();
            } catch (const ui::ProgramEnded &) {
                throw;
            } catch (const rt::RuntimeError &) {
                throw;
            } catch (const std::exception &error) {
                throw rt::RuntimeError(rt::err::AdoEFail, QString::fromLocal8Bit(error.what()));
            }
        },
        [&](const rt::RuntimeError &error) { return tratarError(error, rutina); });
}

void FrmComisionesVendedor::CmdBorrar_Click()
{
    ejecutarComando(QStringLiteral("CmdBorrar_Click"), [this] {
        if (m_liquidacion.isEmpty()) {
            aviso(FaltaNumero);
            return;
        }
        // The number the delete acts on is named: it need not be the one in the number field.
        if (ui::MsgBox(QStringLiteral("Liquidación ") + m_liquidacion
                           + QStringLiteral(": Esto borrará las comisiones calculadas y las generará tomando los % "
                                            "actuales. ¿Continuar?"),
                       ui::vbInformation + ui::vbYesNo, TituloAviso)
            != ui::vbYes)
            return;
        QString error;
        bool borrada = false;
        {
            // Locked and painted while the rows go, as during a build: a settlement of many
            // collections takes a while, and so does another workstation's build holding the
            // database.
            const BloqueoVentana bloqueo(*this, lblEstado);
            const RepintadoDuranteSentencias repintado(gBaseDatos->gCnn, *lblEstado);
            borrada = BorradoLiquidacion(*gBaseDatos).borrar(m_liquidacion, error);
        }
        if (!borrada) {
            aviso(error);
            return;
        }
        Inicializa();
    });
}

void FrmComisionesVendedor::CmdListar_Click()
{
    ejecutarComando(QStringLiteral("CmdListar_Click"), [this] {
        if (m_liquidacion.isEmpty()) {
            aviso(FaltaNumero);
            return;
        }
        const QTreeWidgetItem *fila = ListView1->currentItem();
        if (!fila || esFilaTotal(fila) || rt::Trim(fila->text(0)).isEmpty()) {
            aviso(QStringLiteral(" Debe seleccionar un vendedor!"));
            return;
        }
        ListadoLiquidacion::imprimir(*gImpresion, m_liquidacion, vendedorElegido(*ListView1),
                                     Cfg(QStringLiteral("NOMBRE")), gCadenaODBC);
    });
}

void FrmComisionesVendedor::CmdReimprimir_Click()
{
    ejecutarComando(QStringLiteral("CmdReimprimir_Click"), [this] {
        const QString clave = lblEstado->text();
        if (!nombraComprobante(clave))
            return;
        QString tipo = rt::Left(clave, 4);
        QString numero = rt::Trim(rt::Mid(clave, 5));
        QString cuenta;
        ImprimirComprobanteGenerico(tipo, numero, cuenta);
    });
}

void FrmComisionesVendedor::CmdExportaExcelLV_Click()
{
    ejecutarComando(QStringLiteral("CmdExportaExcelLV_Click"), [this] {
        using ExportacionListas::Lista;
        const Lista rol = ExportacionListas::listaDeTitulo(CmdExportaExcelLV->text());
        QTreeWidget *lista = nullptr;
        switch (rol) {
        case Lista::Vendedores:
            lista = ListView1;
            break;
        case Lista::Cobranzas:
            lista = ListView2;
            break;
        case Lista::Comprobantes:
            lista = ListView3;
            break;
        case Lista::Detalle:
            lista = ListView5;
            break;
        case Lista::Ninguna:
            return;
        }
        // The export lets the window's events in after each cell: a click then would reload the
        // list under it, and the workbook would hold part of one list and part of another.
        const BloqueoVentana bloqueo(*this, nullptr);
        ExportacionListas::exportar(*lista, rol);
    });
}

void FrmComisionesVendedor::ObtenerImportesArticulo(QString &IdArticulo, QString &TC, QString &IdComprobante,
                                                    rt::Currency &TotalFactura, rt::Variant &PagoParcial,
                                                    rt::Currency &ImporteCobrado, rt::Currency &ImporteDescuento,
                                                    rt::Currency &TotalCobradoCDto, rt::Currency &ImporteNeto,
                                                    rt::Currency &importecomision, rt::Currency &PorcDtoTotal,
                                                    QString &listaCB)
{
    ImportesArticulo importes;
    // The caller gets the sums as far as they were read, also when the reading fails; the
    // partial-payment flag and the percentage only once all rows are read.
    const auto devolver = [&] {
        ImporteCobrado = importes.ImporteCobrado;
        ImporteDescuento = importes.ImporteDescuento;
        TotalCobradoCDto = importes.TotalCobradoCDto;
        ImporteNeto = importes.ImporteNeto;
        importecomision = importes.importecomision;
        listaCB = importes.listaCB;
    };
    try {
        ::ObtenerImportesArticulo(*gBaseDatos, IdArticulo, TC, IdComprobante, TotalFactura, importes);
    } catch (...) {
        devolver();
        throw;
    }
    devolver();
    PagoParcial = rt::Variant(importes.PagoParcial);
    PorcDtoTotal = importes.PorcDtoTotal;
}
