#pragma once

#include "grid/TablaEquivalencias.h"

#include <QString>
#include <QWidget>
#include <memory>

class GrillaFlex;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace ado {
class Recordset;
}

namespace ui {
class PropertyBag;
}

// QvDbGrid: a paged, sortable, searchable grid over an SQL query of the program's main
// connection, with a command bar (pages, sort, column chooser), a filter bar (search, page
// size, refresh, column fit) and each user's column choice stored in TA_CONFIG_FORM. A host sets
// the properties and calls LoadQvDBGrid; the grid stays disabled until then. Closing the grid
// leaves the main connection as it is.
class QvDbGrid : public QWidget {
    Q_OBJECT
public:
    // UserControl_Initialize: page 1, no chosen columns, disabled.
    explicit QvDbGrid(QWidget *parent = nullptr);
    ~QvDbGrid() override;

    // The grid and its in-cell editor, for the host.
    GrillaFlex *MsFlexGrid = nullptr;
    QLineEdit *TxtEdit = nullptr;
    QString pConnString;
    bool pColorIntercalado = false;
    bool pPintaFilaSel = false;

    // Properties. Each assignment ends with PropertyChanged under the property's key.
    QString ConString() const { return pConnString; }
    // Opens the main connection with this text unless it is open already; keeps nothing.
    void setConString(const QString &valor);
    QString sql() const { return m_sql; }
    // Keeps the query followed by one blank.
    void setSql(const QString &valor);
    QString PrimaryKey() const { return m_PrimaryKey; }
    void setPrimaryKey(const QString &valor);
    // 1 searches the page shown, 2 every page. Marks the search menu; throws RuntimeError
    // 35600 for any other value.
    int Find() const { return m_Find; }
    void setFind(int valor);
    // 1 sorts by one column, 2 by several. Marks the sort menu; throws as Find.
    int Order() const { return m_Order; }
    void setOrder(int valor);
    long AlignCommandBar() const { return m_AlignCommandBar; }
    void setAlignCommandBar(long valor);
    long AlignFilterBar() const { return m_AlignFilterBar; }
    void setAlignFilterBar(long valor);
    long PageSize() const { return m_PageSize; }
    void setPageSize(long valor);
    bool AnchoColFijo() const { return m_AnchoColFijo; }
    void setAnchoColFijo(bool valor);
    QString CamposSel() const { return m_CamposSel; }
    void setCamposSel(const QString &valor);
    QString Campos() const { return m_Campos; }
    void setCampos(const QString &valor);
    QString OrdinalSel() const { return m_OrdinalSel; }
    void setOrdinalSel(const QString &valor);
    bool Columnas() const { return m_Columnas; }
    void setColumnas(bool valor);
    bool OcultarOrdenar() const { return m_OcultarOrdenar; }
    void setOcultarOrdenar(bool valor);
    QString OrderBy() const { return m_OrderBy; }
    void setOrderBy(const QString &valor);
    // 0 the query's order, 1 ascending, 2 descending, 3 not chosen.
    int OrdenSent() const { return m_OrdenSent; }
    void setOrdenSent(int valor);
    long PaginaActual() const { return m_PaginaActual; }
    long UltimaPagina() const { return m_UltimaPagina; }
    int FormatDate() const { return m_FormatDate; }
    void setFormatDate(int valor);

    // The control newly placed on a form, loaded from the form, and saved with it.
    void InitProperties();
    void ReadProperties(const ui::PropertyBag &bolsa);
    void WriteProperties(ui::PropertyBag &bolsa) const;

    // Loads the query: aliases, bars, table, column lists, the saved column choice, the count
    // and page 1.
    void LoadQvDBGrid();
    QString EquiCampo(const QString &Campo, bool Equivalencia) const;
    // Clears and disables the grid, hides its editor, and leaves the sort unchosen.
    void Inicializa();
    void LeerCampos();
    void GrabaCampos();
    void ImgOrdenAsc_Click();
    void ImgOrdenDesc_Click();
    // Shows the current page.
    void CargarGrid();
    void AsignarOrdinal();
    void AjustarColumnas();
    // Goes to page Cual when it is not beyond the last page.
    void CargarPagina(int Cual);
    // Counts the rows when needed, fills the page list and shows the current page.
    void CargarPaginas();
    void CargarCampos();

signals:
    void PropertyChanged(const QString &PropertyName);
    void PaginaCargada(int PageNumber);
    void ColumnasAjustadas();
    void MsFlexGridClick();
    void MsFlexGridDblClick();
    void MsFlexGridGotFocus();
    void MsFlexGridLostFocus();
    void MsFlexGridEnterCell();
    void MSFlexGridKeyDown(int &KeyCode, int Shift);
    void MSFlexGridKeyPress(int &KeyAscii);
    void MSFlexGridLeaveCell();
    void MSFlexGridMouseDown(int Button, int Shift, float X, float Y);
    void MSFlexGridRowColChange();
    void MSFlexGridKeyUp(int &KeyCode, int Shift);
    void txtEditChange();
    void txtEditClick();
    void txtEditDblClick();
    void txtEditGotFocus();
    void txtEditLostFocus();
    void txtEditKeyDown(int &KeyCode, int Shift);
    void txtEditKeyPress(int &KeyAscii);
    void txtEditMouseDown(int Button, int Shift, float X, float Y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // QvDbGridDiseno.cpp
    void construirControles();
    void construirComandos();
    void construirFiltros();
    void conectarEventos();
    void UserControl_Resize();
    // QvDbGrid.cpp
    template <class T> void asignar(T &propiedad, const T &valor, const QString &clave);
    void Equias();
    void marcarMenu(QMenu *menu, int valor);
    void aplicarVisibilidad();
    // QvDbGridPaginas.cpp
    void MostrarPagina();
    void cboPagSelect_Click();
    void cmdPrimero_Click();
    void cmdAnterior_Click();
    void cmdSiguiente_Click();
    void cmdUltimo_Click();
    void CboRegistros_Click();
    void CboRegistros_KeyDown(int &KeyCode, int Shift);
    void CboRegistros_KeyPress(qint16 &KeyAscii);
    void Toolbar1_ButtonClick(const QString &clave);
    void CmdCancel_Click();
    void contarFilas();
    bool contarEnLaPrimeraPagina();
    // QvDbGridCarga.cpp
    static bool unaConsulta(const QString &texto);
    bool abrirConsulta(const QString &sentencia, ado::Recordset &rs);
    bool abrirPagina(const QString &sentencia, ado::Recordset &rs);
    QString armarPagina();
    QString listaDeCampos() const;
    void RefrescarControles();
    void mostrarVacia(ado::Recordset &rs);
    // QvDbGridBusqueda.cpp
    void Buscar();
    void buscarEnPagina(const QString &texto);
    void ArmarOrden();
    void ImgOrdenN_Click();
    void ButtonMenuClick(QMenu *menu, int item, int &propiedad);
    // QvDbGridColumnas.cpp
    void cmdColumnas_Click();
    // QvDbGridEventos.cpp
    void MSFlexGrid1_Click();
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_LeaveCell();
    void MSFlexGrid1_KeyDown(int &KeyCode, int Shift);
    void txtEdit1_GotFocus();
    void txtEdit1_LostFocus();
    void resaltarCelda(bool resaltar);

    // Properties.
    QString m_sql;
    QString m_PrimaryKey = QStringLiteral("ID");
    int m_Find = 2;
    int m_Order = 1;
    long m_AlignCommandBar = 2;
    long m_AlignFilterBar = 1;
    long m_PageSize = 4000;
    bool m_AnchoColFijo = false;
    QString m_CamposSel;
    QString m_Campos;
    QString m_OrdinalSel;
    bool m_Columnas = false;
    bool m_OcultarOrdenar = false;
    QString m_OrderBy;
    int m_OrdenSent = 0;
    long m_PaginaActual = 1;
    long m_UltimaPagina = 0;
    int m_FormatDate = 103;

    // State of the loaded query.
    QString pTabla;
    long pCantidadRegistros = 0;
    bool pClaveConNulos = false;
    long m_filasSaltadas = 0; // rows of the page query that come before the page (keys with nulls)
    QString pFiltro;
    QString pWhere;
    QString pColumnasFecha;
    QString pColumnasTexto; // "|" position "|" of the columns searched without conversion
    int pColumnaOrden = 0;
    bool pCancelarCarga = false;
    bool pRefrescando = false;
    std::unique_ptr<ado::Recordset> m_paginaLeida; // page 1 of a search, read while counting
    QString m_sentenciaLeida; // its statement
    QString pListaCampos;
    QString pCamposElegidos;
    TablaEquivalencias m_equias;
    // Presses of Up on row 1 and of Down on the last row, for the keyboard paging.
    int m_arribaEnPrimera = 0;
    int m_abajoEnUltima = 0;

    // Constituent controls, named as the form names them.
    GrillaFlex *MSFlexGrid1 = nullptr;
    QLineEdit *txtEdit1 = nullptr;
    QFrame *FrmComandos = nullptr;
    QLabel *lblPagSelect = nullptr;
    QComboBox *cboPagSelect = nullptr;
    QLabel *lblPaginas = nullptr;
    QPushButton *cmdPrimero = nullptr;
    QPushButton *cmdAnterior = nullptr;
    QPushButton *cmdSiguiente = nullptr;
    QPushButton *cmdUltimo = nullptr;
    QPushButton *cmdColumnas = nullptr;
    QToolBar *Toolbar2 = nullptr;
    QMenu *menuOrden = nullptr;
    QToolButton *ImgOrdenN = nullptr;
    QToolButton *ImgOrdenAsc = nullptr;
    QToolButton *ImgOrdenDesc = nullptr;
    QFrame *FrmFiltros = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *CboFiltroCampo = nullptr;
    QLineEdit *txtBuscar = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *CboRegistros = nullptr;
    QToolBar *Toolbar1 = nullptr;
    QMenu *menuBuscar = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *panelOrden = nullptr;
    QProgressBar *Pbar = nullptr;
    QPushButton *CmdCancel = nullptr;
};
