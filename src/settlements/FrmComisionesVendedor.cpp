#include "settlements/FrmComisionesVendedor.h"

#include "components/Dll_Texto.h"
#include "components/FhOcx.h"
#include "components/TeclasTexto.h"
#include "core/AspectoFormulario.h"
#include "core/BarraEstado.h"
#include "core/IniciarAplicacion.h"
#include "core/StatusBar.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"
#include "settlements/CargadorLista.h"
#include "settlements/ComboLiquidaciones.h"
#include "settlements/DisposicionVentana.h"
#include "settlements/ListaCobranzas.h"
#include "settlements/ListaVendedores.h"
#include "settlements/OrdenLista.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Colours as the program writes them: 0x00BBGGRR, or a system colour with the high bit set.
constexpr quint32 ColorBotonSistema = 0x8000000F;
constexpr quint32 MarcaColorSistema = 0x80000000;
constexpr quint32 ColorPanelBloqueado = 0xC0E0FF;
constexpr quint32 Blanco = 0xFFFFFF;
constexpr quint32 Negro = 0;

// The layout rule counts on a title bar and borders around the window; where the window system
// draws none, or thinner ones, these stand for them (pixels).
constexpr int BordeNominal = 2;
constexpr int TituloNominal = 23;

const QString TituloAviso = QStringLiteral("Aviso al operador...");

QColor colorDelPrograma(quint32 color)
{
    if ((color & MarcaColorSistema) != 0)
        return QApplication::palette().color(color == ColorBotonSistema ? QPalette::Button : QPalette::Window);
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

bool mismoTexto(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

FrmComisionesVendedor::FrmComisionesVendedor(QWidget *parent)
    : QMainWindow(parent)
{
    crearControles();
}

FrmComisionesVendedor::~FrmComisionesVendedor() = default;

QLineEdit *FrmComisionesVendedor::txtfields(int Index) const
{
    const auto encontrado = m_txtfields.find(Index);
    if (encontrado == m_txtfields.end())
        throw rt::RuntimeError(rt::err::ControlArrayElementMissing,
                               QStringLiteral("El elemento %1 de txtfields no existe").arg(Index));
    return encontrado->second;
}

void FrmComisionesVendedor::Form_Load()
{
    gUtil->PrepararFormulario(this, 0);
    AsignarIconoFormulario(this);
    IniciarAplicacion(false, QString(), QString(), 3);
    CargarSkin(this);
    ActualizarBarraEstado(sbStatusBar, QString());
    Inicializa();
}

void FrmComisionesVendedor::Inicializa()
{
    LlenarCombos();
    for (QTreeWidget *lista : {ListView1, ListView2, ListView3, ListView5})
        CargadorLista::vaciar(*lista);
    m_liquidacion.clear();
}

void FrmComisionesVendedor::LlenarCombos()
{
    const auto tratar = [this](const rt::RuntimeError &error) {
        return tratarError(error, QStringLiteral("LlenarCombos"));
    };
    if (ComboLiquidaciones::llenar(*CmbLiquidacion, *gBaseDatos, tratar))
        Verliq();
}

void FrmComisionesVendedor::Verliq()
{
    // Typing into the combo leaves no entry chosen unless the text is the chosen entry's.
    const int indice = CmbLiquidacion->currentText() == CmbLiquidacion->itemText(CmbLiquidacion->currentIndex())
                           ? CmbLiquidacion->currentIndex()
                           : -1;
    if (indice == 0) {
        rt::resumeNext([&] { txtfields(0)->clear(); });
        return;
    }
    rt::resumeNext([&] { txtfields(0)->setText(ComboLiquidaciones::numeroDeEntrada(CmbLiquidacion->currentText())); });
    ado::Recordset cabecera;
    bool existe = false;
    rt::resumeNext([&] {
        existe = gBaseDatos->ExisteEnTabla(QStringLiteral("v_COMISIONES_VENDEDOR_CAB"), rt::Trim(txtfields(0)->text()),
                                           QStringLiteral("IdLiquidacion"), &cabecera, 8, QString(), true);
    });
    if (!existe)
        return;
    rt::resumeNext([&] { FhOcx1->Fh_Desde = rt::CStr(cabecera(QStringLiteral("Fecha_Desde"))); });
    rt::resumeNext([&] { FhOcx1->Fh_Hasta = rt::CStr(cabecera(QStringLiteral("Fecha_Hasta"))); });
    FhOcx1->MostrarFechas();
}

void FrmComisionesVendedor::BloquearPicFiltros(bool bloquea)
{
    picFiltros->setEnabled(!bloquea);
    pintarFondo(picFiltros, bloquea ? ColorPanelBloqueado : ColorBotonSistema);
    cmdCancelar->setEnabled(bloquea);
}

void FrmComisionesVendedor::Detalleon(bool on)
{
    for (QWidget *control : {static_cast<QWidget *>(CmdGenerar), static_cast<QWidget *>(CmdExportaExcelLV),
                             static_cast<QWidget *>(CmdBorrar), static_cast<QWidget *>(cmdCancelar)})
        control->setEnabled(on);
    FhOcx1->setVisible(on);
    CmbLiquidacion->setEnabled(on);
    if (on) {
        pintarFondo(lblEstado, ColorBotonSistema);
        lblEstado->clear();
    } else {
        pintarFondo(lblEstado, Blanco);
    }
}

void FrmComisionesVendedor::CampoValida(QLineEdit *campo)
{
    try {
        const QString texto = rt::Trim(campo->text());
        if (!mismoTexto(DataField(campo), QStringLiteral("IdLiquidacion")))
            return;
        if (texto.isEmpty()) {
            ui::MsgBox(QStringLiteral(" Debe informar el número de liquidación!"), ui::vbInformation, TituloAviso);
            return;
        }
        if (!gBaseDatos->ExisteEnTabla(QStringLiteral("v_COMISIONES_VENDEDOR_CAB"), texto,
                                       QStringLiteral("IdLiquidacion"), &m_rsLiquidacion, 8, QString(), true)) {
            ui::MsgBox(QStringLiteral(" La liquidación ingresada no existe!"), ui::vbInformation, TituloAviso);
            return;
        }
        FhOcx1->Fh_Desde = rt::CStr(m_rsLiquidacion(QStringLiteral("Fecha_Desde")));
        FhOcx1->Fh_Hasta = rt::CStr(m_rsLiquidacion(QStringLiteral("Fecha_Hasta")));
        FhOcx1->MostrarFechas();
        QString numero = texto;
        QString vendedor;
        // A load overtaken by a later one leaves the window to it.
        if (rt::runRoutine([&] { CargarLiquidacionComisionesNew(numero, vendedor); }))
            BloquearPicFiltros(true);
    } catch (const rt::RuntimeError &) {
        ui::MsgBox(QString(), ui::vbInformation, TituloAviso);
    }
}

void FrmComisionesVendedor::CargarLiquidacionComisionesNew(QString &, QString &)
{
    m_liquidacion = rt::Trim(txtfields(indiceDeCampo(QStringLiteral("idLiquidacion")))->text());
    ListaVendedores(*ListView1, font(), *gBaseDatos).cargar(m_liquidacion);
    OrdenLista::reaplicar(*ListView1);
}

void FrmComisionesVendedor::CargaCobranzas()
{
    ListaCobranzas(*ListView2, font(), *gBaseDatos).cargar(m_liquidacion, *ListView1);
}

// The handlers that only arrange controls skip a failing step.
void FrmComisionesVendedor::cmdCancelar_Click()
{
    rt::resumeNext([&] { txtfields(indiceDeCampo(QStringLiteral("idLiquidacion")))->clear(); });
    rt::resumeNext([&] { txtfields(indiceDeCampo(QStringLiteral("idvendedor")))->clear(); });
    chkRecalcular->setChecked(false);
    // The commands and the drill-down act on the loaded settlement: after "Cancelar" there is
    // none, though the lists keep their rows.
    m_liquidacion.clear();
    BloquearPicFiltros(false);
    rt::resumeNext([&] { txtfields(indiceDeCampo(QStringLiteral("idLiquidacion")))->setFocus(); });
}

void FrmComisionesVendedor::cmdSalir_Click()
{
    close();
}

void FrmComisionesVendedor::Form_KeyDown(int KeyCode, int)
{
    if (KeyCode == tecla::F5)
        BuscarCampo();
}

void FrmComisionesVendedor::BuscarCampo()
{
    QLineEdit *campo = nullptr;
    rt::resumeNext([&] { campo = txtfields(m_campoActual); });
    if (!campo || Tag(campo).isEmpty())
        return;
    const QString tag = Tag(campo);
    const auto buscar = [](const QString &clave, const QString &tabla) {
        gBuscador->setCampoClave(clave);
        outside::VentanaBusqueda *ventana = gBuscador->ObjetoBusqueda();
        gBuscador->MostrarBusqueda(tabla, ventana, QString(), QString(), QString(), QString(), false, QString());
        return gBuscador->ValorElegido();
    };
    QString valor;
    rt::resumeNext([&] {
        if (mismoTexto(tag, QStringLiteral("FECHA")))
            valor = gUtil->ElegirFecha();
        else if (mismoTexto(tag, QStringLiteral("V_TA_VENDEDORES")))
            valor = buscar(QStringLiteral("IDVENDEDOR"), QStringLiteral("V_TA_VENDEDORES"));
        else if (mismoTexto(tag, QStringLiteral("AUX_COMISIONES_VENDEDOR_CAB")))
            valor = buscar(QStringLiteral("IdLiquidacion"), QStringLiteral("AUX_COMISIONES_VENDEDOR_CAB"));
    });
    campo->setText(rt::Trim(valor));
    txtfields_KeyDown(m_campoActual, tecla::Enter, 0);
}

void FrmComisionesVendedor::txtfields_KeyDown(int Index, int KeyCode, int)
{
    if (!Dll_Texto::ClsValidar(static_cast<qint16>(KeyCode)))
        return;
    gTexto->ClsKeyDown(KeyCode);
    CampoValida(txtfields(Index));
}

void FrmComisionesVendedor::txtfields_KeyPress(int Index, qint16 &KeyAscii)
{
    KeyAscii = gTexto->ClsDatosOk(txtfields(Index), KeyAscii);
}

void FrmComisionesVendedor::txtfields_GotFocus(int Index)
{
    m_campoActual = Index;
    QPalette paleta = txtfields(Index)->palette();
    paleta.setColor(QPalette::Base, colorDelPrograma(gColorFondo));
    paleta.setColor(QPalette::Text, colorDelPrograma(gColorLetra));
    txtfields(Index)->setPalette(paleta);
}

void FrmComisionesVendedor::txtfields_LostFocus(int Index)
{
    QPalette paleta = txtfields(Index)->palette();
    paleta.setColor(QPalette::Base, colorDelPrograma(Blanco));
    paleta.setColor(QPalette::Text, colorDelPrograma(Negro));
    txtfields(Index)->setPalette(paleta);
}

void FrmComisionesVendedor::Form_Resize()
{
    const QSize exterior = tamanoExterior();
    DisposicionVentana disposicion;
    disposicion.Width = exterior.width() * TwipsPorPixel;
    disposicion.Height = exterior.height() * TwipsPorPixel;
    disposicion.altoBarraEstado = sbStatusBar->height() * TwipsPorPixel;
    disposicion.frameFiltros = RectanguloTwips::desdePixeles(frameFiltros->geometry());
    disposicion.ListView1 = RectanguloTwips::desdePixeles(ListView1->geometry());
    disposicion.ListView2 = RectanguloTwips::desdePixeles(ListView2->geometry());
    disposicion.ListView3 = RectanguloTwips::desdePixeles(ListView3->geometry());
    disposicion.ListView5 = RectanguloTwips::desdePixeles(ListView5->geometry());
    disposicion.ajustar();
    frameFiltros->setGeometry(disposicion.frameFiltros.enPixeles());
    ListView1->setGeometry(disposicion.ListView1.enPixeles());
    ListView2->setGeometry(disposicion.ListView2.enPixeles());
    ListView3->setGeometry(disposicion.ListView3.enPixeles());
    ListView5->setGeometry(disposicion.ListView5.enPixeles());
}

void FrmComisionesVendedor::resizeEvent(QResizeEvent *evento)
{
    QMainWindow::resizeEvent(evento);
    Form_Resize();
}

void FrmComisionesVendedor::keyPressEvent(QKeyEvent *evento)
{
    Form_KeyDown(TeclasTexto::codigoTecla(*evento), static_cast<int>(evento->modifiers() & Qt::ShiftModifier ? 1 : 0));
    QMainWindow::keyPressEvent(evento);
}

bool FrmComisionesVendedor::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::FocusIn && evento->type() != QEvent::FocusOut)
        return false;
    for (const auto &[indice, box] : m_txtfields) {
        if (box != objeto)
            continue;
        // Another window taking the focus (a message box) is no move away from the field.
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(evento)->reason();
        if (evento->type() == QEvent::FocusIn)
            txtfields_GotFocus(indice);
        else if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            txtfields_LostFocus(indice);
    }
    return false;
}

int FrmComisionesVendedor::indiceDeCampo(const QString &campo)
{
    return gTexto->ClsID(campo, m_txtfields);
}

void FrmComisionesVendedor::pintarFondo(QWidget *control, quint32 color)
{
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Window, colorDelPrograma(color));
    control->setPalette(paleta);
    control->setAutoFillBackground(true);
}

QSize FrmComisionesVendedor::tamanoExterior() const
{
    const QSize marco = frameGeometry().size() - size();
    const QSize nominal(2 * BordeNominal, TituloNominal + 2 * BordeNominal);
    return size() + marco.expandedTo(nominal);
}

int FrmComisionesVendedor::tratarError(const rt::RuntimeError &error, const QString &rutina) const
{
    return gUtil->TratarError(error, std::nullopt, rutina);
}
