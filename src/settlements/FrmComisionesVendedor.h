#pragma once

#include "components/PropiedadesTexto.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Variant.h"

#include <QMainWindow>
#include <QString>
#include <functional>

class FhOcx;
class StatusBar;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace ui {
class SkinFramework;
}

// The program's main window, "Comisiones por Vendedor": its load handler starts the
// application; in it the user picks or types a settlement number, a date range and a
// salesperson, and sees a stored settlement in four lists. Controls carry the program's
// names as their objectName (text boxes as txtfields_0 and txtfields_1).
class FrmComisionesVendedor : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmComisionesVendedor(QWidget *parent = nullptr);
    ~FrmComisionesVendedor() override;

    // The start-up: window set-up, icon, application start-up (connection, settings, login),
    // skin, status bar and Inicializa. The start-up itself ends the program when it cannot
    // connect or log in; any other error passes to the caller.
    void Form_Load();

    // Refills the settlement combo and empties the four lists.
    void Inicializa();
    // Rebuilds the settlement combo and selects "Nueva Liquidacion"; failures go to the error
    // dialog (Retry, Ignore or leave).
    void LlenarCombos();
    // Copies the combo's entry into the number field and, for a stored settlement, its dates.
    void Verliq();
    // Locks (true) or frees (false) the filter panel; "Cancelar" is enabled while it is locked.
    void BloquearPicFiltros(bool bloquea);
    // Enables (true) or disables (false) the commands around a settlement build.
    void Detalleon(bool on);
    // Checks the field just confirmed: an empty or unknown settlement number is reported; a
    // stored one shows its dates, lists its salespersons and locks the filter panel.
    void CampoValida(QLineEdit *campo);

    // Fills ListView1 with the salespersons of the settlement in the number field, which
    // becomes the settlement the lists and commands work on; the arguments are not read.
    // Errors pass to the caller.
    void CargarLiquidacionComisionesNew(QString &idLiquidacion, QString &IdVendedor);
    // Fills ListView2 with the collections of the loaded settlement and the salesperson
    // selected in ListView1. Errors pass to the caller.
    void CargaCobranzas();
    // Fills ListView2, ListView3 and ListView5 with the selected salesperson's collections,
    // vouchers and article lines; the first failing list ends it and its error passes to the
    // caller. The arguments are not read.
    void CargarLiquidacionComisiones(QString &idLiquidacion, QString &IdVendedor);
    // Fills ListView3 with the vouchers that the selected salesperson's collections paid in the
    // loaded settlement, or only collection cbtc / IdCobranza's when cbtc is not empty. Errors
    // pass to the caller.
    void CargaAplicacion(QString &cbtc, QString &IdCobranza);
    // Fills ListView5 with the article lines of those vouchers, narrowed to a collection and to
    // one of its vouchers when given. Errors go to the error dialog.
    void CargarDetalle(QString &cbtc, QString &IdCobranza, QString &TC, QString &IdComprobante);
    // The commission figures of article IdArticulo in voucher TC / IdComprobante, added up over
    // the collections that paid it (see ImportesArticulo.h). Errors pass to the caller, with the
    // sums as far as they were read.
    void ObtenerImportesArticulo(QString &IdArticulo, QString &TC, QString &IdComprobante, rt::Currency &TotalFactura,
                                 rt::Variant &PagoParcial, rt::Currency &ImporteCobrado, rt::Currency &ImporteDescuento,
                                 rt::Currency &TotalCobradoCDto, rt::Currency &ImporteNeto,
                                 rt::Currency &importecomision, rt::Currency &PorcDtoTotal, QString &listaCB);

    // "Cargar Liquidacion >>": with a stored number and "Recalcular" ticked, rebuilds that
    // settlement after the user confirms; with a number alone, loads it; without a number,
    // builds a new settlement of the date range (and salesperson). Missing or reversed dates
    // are refused.
    void CmdGenerar_Click();
    // Runs the settlement generator with this window locked, all but its progress label, and
    // unlocks it however the generator ends.
    void GeneraComisionesNew(QString &FechaDesde, QString &FechaHasta, QString &IdVendedor,
                             QString &idLiquidacionBorrar);

    // "Borrar Liquidacion": deletes the loaded settlement once the user confirms.
    void CmdBorrar_Click();
    // "Listar Liquidacion": the report of the loaded settlement and the selected salesperson,
    // in the preview.
    void CmdListar_Click();
    // "Ver  Comprobante": shows the collection or voucher whose key the lists left in lblEstado
    // (type in 4 characters, number after it); nothing when the label is blank or still shows
    // its start-up text.
    void CmdReimprimir_Click();
    // The export button: sends the list its caption names to a spreadsheet.
    void CmdExportaExcelLV_Click();
    // The lists' events: a header click sorts; a salesperson fills the lower lists; a collection
    // or voucher narrows them and leaves its key in lblEstado.
    void ListView1_ColumnClick(int columna);
    void ListView2_ColumnClick(int columna);
    void ListView3_ColumnClick(int columna);
    void ListView1_Click();
    void ListView1_DblClick();
    void ListView2_Click();
    void ListView3_Click();

    void cmdCancelar_Click();
    void cmdSalir_Click();
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_Resize();
    void txtfields_KeyDown(int Index, int KeyCode, int Shift);
    void txtfields_KeyPress(int Index, qint16 &KeyAscii);
    void txtfields_GotFocus(int Index);
    void txtfields_LostFocus(int Index);

    QLineEdit *txtfields(int Index) const;

protected:
    void resizeEvent(QResizeEvent *evento) override;
    // The window sees the keys its controls leave (F5 among them).
    void keyPressEvent(QKeyEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    QFrame *crearPanelFiltros(QWidget *padre);
    QWidget *crearComandos(QWidget *padre);
    QTreeWidget *crearLista(const QString &nombre, QWidget *padre);
    QLineEdit *crearCampo(int Index, const QString &campo, const QString &tag, int largo, QWidget *padre);
    void conectarEventos();
    void BuscarCampo();
    int indiceDeCampo(const QString &campo);
    void pintarFondo(QWidget *control, quint32 color);
    QSize tamanoExterior() const;
    int tratarError(const rt::RuntimeError &error, const QString &rutina) const;
    // Commands and lists (FrmComisionesVendedorComandos.cpp, FrmComisionesVendedorListas.cpp).
    void conectarComandos();
    void conectarListas();
    // Runs a command; whatever it throws goes to the error dialog (Retry runs it again).
    void ejecutarComando(const QString &rutina, const std::function<void()> &comando);
    void elegirComprobante(QTreeWidget &lista);
    void RefrescarListasDependientes();

    QFrame *frameFiltros = nullptr;
    QFrame *picFiltros = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *CmbLiquidacion = nullptr;
    MatrizTextos m_txtfields;
    FhOcx *FhOcx1 = nullptr;
    QPushButton *cmdCancelar = nullptr;
    QPushButton *CmdGenerar = nullptr;
    QCheckBox *chkRecalcular = nullptr;
    QPushButton *CmdBorrar = nullptr;
    QPushButton *CmdListar = nullptr;
    QPushButton *CmdReimprimir = nullptr;
    QPushButton *CmdExportaExcelLV = nullptr;
    QPushButton *cmdSalir = nullptr;
    QLabel *lblEstado = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QTreeWidget *ListView2 = nullptr;
    QTreeWidget *ListView3 = nullptr;
    QTreeWidget *ListView5 = nullptr;
    QFrame *Picture2 = nullptr;
    StatusBar *sbStatusBar = nullptr;
    ui::SkinFramework *SkinFramework1 = nullptr;

    // The text field that last had the focus (read by the F5 look-up).
    int m_campoActual = 0;
    // The settlement header that the last number check found.
    ado::Recordset m_rsLiquidacion;
    // The settlement whose salespersons ListView1 shows: the lists and the commands work on it,
    // whatever the number field holds meanwhile.
    QString m_liquidacion;
};
