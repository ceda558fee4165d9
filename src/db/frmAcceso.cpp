#include "db/frmAcceso.h"

#include "db/ArchivoBases.h"
#include "db/DialogoAcceso.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/EjecutarPrograma.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <memory>

namespace {

constexpr auto PuertoDisenio = "1433";
constexpr auto PaginaFabricante = "www.quorvel.com.ar";

// The hint an empty box shows, by the box's name.
QString sugerencia(const QLineEdit *caja)
{
    const QString nombre = caja->objectName();
    if (nombre == QLatin1String("TxtUserId"))
        return QStringLiteral("Ingrese el usuario");
    if (nombre == QLatin1String("TxtDbName"))
        return QStringLiteral("ingrese el nombre de la base de datos");
    if (nombre == QLatin1String("TxtServidor"))
        return QStringLiteral("ingrese el nombre del servidor e instancia");
    return {};
}

bool esEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int tecla = static_cast<const QKeyEvent *>(event)->key();
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

QLabel *etiqueta(QWidget *padre, const QString &nombre, const QString &texto)
{
    auto *label = new QLabel(texto, padre);
    label->setObjectName(nombre);
    return label;
}

QLineEdit *caja(QWidget *padre, const QString &nombre, const QString &ayuda)
{
    auto *edit = new QLineEdit(padre);
    edit->setObjectName(nombre);
    edit->setToolTip(ayuda);
    return edit;
}

QPushButton *boton(QWidget *padre, const QString &nombre, const QString &texto)
{
    auto *button = new QPushButton(texto, padre);
    button->setObjectName(nombre);
    // Enter presses only the button that has the focus, never a default one.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmAcceso::frmAcceso(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAcceso"));
    setWindowTitle(QStringLiteral("Control de Acceso"));
    construirControles();
    conectarEventos();
}

frmAcceso::~frmAcceso() = default;

void frmAcceso::construirControles()
{
    CmdLineaComando = boton(this, QStringLiteral("CmdLineaComando"), QStringLiteral("Crear Acceso Directo"));
    CmdRegistrar = boton(this, QStringLiteral("CmdRegistrar"), QStringLiteral("Registrar"));
    lstBases = new QListWidget(this);
    lstBases->setObjectName(QStringLiteral("lstBases"));
    bcCancelar = boton(this, QStringLiteral("bcCancelar"), QStringLiteral("Cancelar"));
    bcAceptar = boton(this, QStringLiteral("bcAceptar"), QStringLiteral("Conectar"));
    framAcceso = new QGroupBox(this);
    framAcceso->setObjectName(QStringLiteral("framAcceso"));
    TxtPuerto = caja(framAcceso, QStringLiteral("TxtPuerto"), QStringLiteral("Ingrese el Puerto "));
    TxtPuerto->setText(QLatin1String(PuertoDisenio));
    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->setObjectName(QStringLiteral("CboPlataformaDB"));
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});
    TxtUserPassword = caja(framAcceso, QStringLiteral("TxtUserPassword"), QStringLiteral("Ingrese la contraseña"));
    TxtUserPassword->setEchoMode(QLineEdit::Password);
    TxtServidor =
        caja(framAcceso, QStringLiteral("TxtServidor"), QStringLiteral("ingrese el nombre del servidor e instancia"));
    TxtDbName = caja(framAcceso, QStringLiteral("TxtDbName"), QStringLiteral("ingrese el nombre de la base de datos"));
    TxtUserId = caja(framAcceso, QStringLiteral("TxtUserId"), QStringLiteral("Ingrese el nombre de usuario"));
    for (QLineEdit *edit : {TxtUserId, TxtDbName, TxtServidor})
        edit->setPlaceholderText(sugerencia(edit));

    auto *entradas = new QGridLayout(framAcceso);
    entradas->addWidget(etiqueta(framAcceso, QStringLiteral("Label1_2"), QStringLiteral("AUTENTICACION")), 0, 0, 1, 3);
    entradas->addWidget(etiqueta(framAcceso, QStringLiteral("Label2"), QStringLiteral("Usuario")), 1, 0);
    entradas->addWidget(TxtUserId, 1, 1, 1, 2);
    entradas->addWidget(etiqueta(framAcceso, QStringLiteral("Label3"), QStringLiteral("Contraseña")), 2, 0);
    entradas->addWidget(TxtUserPassword, 2, 1, 1, 2);
    entradas->addWidget(etiqueta(framAcceso, QStringLiteral("Label4"), QStringLiteral("Base de datos")), 3, 0);
    entradas->addWidget(TxtDbName, 3, 1, 1, 2);
    entradas->addWidget(etiqueta(framAcceso, QStringLiteral("Label5"), QStringLiteral("Servidor")), 4, 0);
    entradas->addWidget(TxtServidor, 4, 1);
    entradas->addWidget(TxtPuerto, 4, 2);
    entradas->addWidget(etiqueta(framAcceso, QStringLiteral("Label6"), QStringLiteral("Plataforma")), 5, 0);
    entradas->addWidget(CboPlataformaDB, 5, 1, 1, 2);
    entradas->setColumnStretch(1, 1);

    auto *disposicion = new QGridLayout(this);
    disposicion->addWidget(etiqueta(this, QStringLiteral("Label1_0"), QStringLiteral("Control de Acceso")), 0, 0, 1, 2);
    disposicion->addWidget(framAcceso, 1, 0, 3, 1);
    disposicion->addWidget(etiqueta(this, QStringLiteral("Label1_1"), QStringLiteral("Conexiones registradas")), 1, 1);
    disposicion->addWidget(lstBases, 2, 1);
    auto *registro = new QHBoxLayout;
    registro->addWidget(CmdRegistrar);
    registro->addWidget(CmdLineaComando);
    disposicion->addLayout(registro, 3, 1);
    disposicion->addWidget(etiqueta(this, QStringLiteral("Label7"), QStringLiteral("Conexión a la base de datos")), 4,
                           0);
    auto *botones = new QHBoxLayout;
    Label8 = etiqueta(this, QStringLiteral("Label8"), QLatin1String(PaginaFabricante));
    // Drawn as a link, since it acts as one.
    Label8->setCursor(Qt::PointingHandCursor);
    QFont subrayada = Label8->font();
    subrayada.setUnderline(true);
    Label8->setFont(subrayada);
    QPalette colores = Label8->palette();
    colores.setColor(QPalette::WindowText, colores.color(QPalette::Link));
    Label8->setPalette(colores);
    botones->addWidget(Label8);
    botones->addStretch();
    botones->addWidget(bcAceptar);
    botones->addWidget(bcCancelar);
    disposicion->addLayout(botones, 5, 0, 1, 2);

    setTabOrder(TxtUserId, TxtUserPassword);
    setTabOrder(TxtUserPassword, TxtDbName);
    setTabOrder(TxtDbName, TxtServidor);
    setTabOrder(TxtServidor, TxtPuerto);
    setTabOrder(TxtPuerto, CboPlataformaDB);
    setTabOrder(CboPlataformaDB, bcAceptar);
    setTabOrder(bcAceptar, bcCancelar);
    setTabOrder(bcCancelar, lstBases);
    setTabOrder(lstBases, CmdRegistrar);
    setTabOrder(CmdRegistrar, CmdLineaComando);
}

void frmAcceso::conectarEventos()
{
    for (QObject *control :
         std::initializer_list<QObject *>{TxtUserId, TxtUserPassword, TxtDbName, TxtServidor, lstBases, CmdLineaComando,
                                          CmdRegistrar, bcCancelar, bcAceptar, Label8})
        control->installEventFilter(this);
    for (QLineEdit *edit : {TxtUserPassword, TxtDbName, TxtServidor})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { MensajeInicial(edit); });
    connect(lstBases, &QListWidget::currentRowChanged, this, [this](int fila) {
        // Emptying the list is no choice of an entry.
        if (fila >= 0)
            AsignarDatosBase();
    });
    connect(lstBases, &QListWidget::itemClicked, this, [this] { AsignarDatosBase(); });
    connect(lstBases, &QListWidget::itemDoubleClicked, this, [this] {
        AsignarDatosBase();
        bcAceptar_Click();
    });
    connect(bcAceptar, &QPushButton::clicked, this, [this] { bcAceptar_Click(); });
    connect(bcCancelar, &QPushButton::clicked, this, [this] { bcCancelar_Click(); });
    connect(CmdRegistrar, &QPushButton::clicked, this, [this] { CmdRegistrar_Click(); });
    connect(CmdLineaComando, &QPushButton::clicked, this, [this] { CmdLineaComando_Click(); });
}

bool frmAcceso::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtUserId && event->type() == QEvent::FocusIn)
        MensajeInicial(TxtUserId);
    if (watched == lstBases && event->type() == QEvent::KeyPress)
        AsignarDatosBase();
    if (watched == Label8 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Label8_Click();
    if (esEnter(event)) {
        const std::pair<QObject *, QWidget *> siguientes[] = {{TxtUserId, TxtUserPassword},
                                                              {TxtUserPassword, TxtDbName},
                                                              {TxtDbName, TxtServidor},
                                                              {TxtServidor, bcAceptar}};
        for (const auto &[desde, hacia] : siguientes) {
            if (watched == desde) {
                hacia->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAcceso::Cargar()
{
    if (m_cargado)
        return;
    m_cargado = true;
    if (const QScreen *pantalla = QGuiApplication::primaryScreen()) {
        adjustSize();
        const QRect area = pantalla->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    llenarlist();
    for (QLineEdit *edit : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor})
        MensajeInicial(edit);
}

void frmAcceso::Descargar()
{
    hide();
    m_cargado = false;
    const QSignalBlocker bloqueo(lstBases);
    lstBases->clear();
    for (QLineEdit *edit : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor})
        edit->clear();
    TxtPuerto->setText(QLatin1String(PuertoDisenio));
    CboPlataformaDB->setCurrentIndex(0);
}

void frmAcceso::MostrarModal()
{
    Cargar();
    // Closing the window any other way than Conectar is no acceptance.
    Aceptar = false;
    m_terminar = false;
    exec();
    if (m_terminar)
        ui::EndProgram();
}

void frmAcceso::bcAceptar_Click()
{
    gUsuarioLogeado = TxtUserId->text();
    gClaveUsuario = TxtUserPassword->text();
    Aceptar = true;
    accept();
}

void frmAcceso::bcCancelar_Click()
{
    Aceptar = false;
    // The program ends as soon as the modal show returns, out of the dialog's own event loop.
    m_terminar = true;
    reject();
}

void frmAcceso::Label8_Click()
{
    EjecutarPrograma(QLatin1String(PaginaFabricante), true);
}

void frmAcceso::MensajeInicial(QLineEdit *ObjTxt)
{
    const QString texto = ObjTxt->text();
    if (!texto.isEmpty() && (rt::Trim(texto).isEmpty() || texto == sugerencia(ObjTxt)))
        ObjTxt->clear();
}

void frmAcceso::llenarlist()
{
    const ArchivoBases archivo;
    const rt::StepRunner pasos(
        [](const rt::RuntimeError &error) { return MostrarError(error, std::nullopt, QStringLiteral("FormLoad")); });
    if (!archivo.existe()) {
        lstBases->clear();
        return;
    }
    QList<RegistroBase> registros;
    if (!pasos.proceed([&] { registros = archivo.registros(); }))
        return;
    {
        const QSignalBlocker bloqueo(lstBases);
        lstBases->clear();
        for (const RegistroBase &registro : registros) {
            if (!rt::Trim(registro.Clave).isEmpty())
                lstBases->addItem(registro.Clave);
        }
    }
    if (lstBases->count() > 0)
        lstBases->setCurrentRow(0);
}

void frmAcceso::DatosBase(const QString &Nombre)
{
    try {
        if (const auto registro = ArchivoBases().buscar(Nombre))
            m_encontrada = {registro->Servidor, registro->Base, registro->Usuario,
                            gUtil->DecodificarClave(registro->Password)};
    } catch (const rt::RuntimeError &error) {
        MostrarError(error, std::nullopt, QStringLiteral("DatosBase"));
    }
}

void frmAcceso::AsignarDatosBase()
{
    const QListWidgetItem *elegido = lstBases->currentItem();
    DatosBase(rt::Trim(elegido ? elegido->text() : QString()));
    const int dosPuntos = rt::InStr(m_encontrada.servidor, QStringLiteral(":"));
    if (dosPuntos > 0) {
        m_puerto = rt::Mid(m_encontrada.servidor, dosPuntos + 1);
        m_encontrada.servidor = rt::UCase(rt::Trim(rt::Left(m_encontrada.servidor, dosPuntos - 1)));
    }
    TxtServidor->setText(m_encontrada.servidor);
    TxtUserId->clear();
    TxtUserPassword->clear();
    TxtDbName->setText(m_encontrada.base);
    TxtPuerto->setText(m_puerto);
}

namespace {

std::unique_ptr<frmAcceso> formulario;

// The connection class's dialog step on the program's login dialog.
class AccesoPorFormulario : public DialogoAcceso {
public:
    bool mostrar(DatosAcceso &datos) override
    {
        frmAcceso &dialogo = FormularioAcceso();
        dialogo.Cargar();
        dialogo.TxtDbName->setText(datos.TxtDbName);
        dialogo.TxtServidor->setText(datos.TxtServidor);
        dialogo.TxtUserId->setText(datos.TxtUserId);
        dialogo.TxtUserPassword->setText(datos.TxtUserPassword);
        dialogo.CboPlataformaDB->setCurrentIndex(datos.CboPlataformaDB);
        dialogo.MostrarModal();
        datos = {dialogo.TxtDbName->text(), dialogo.TxtServidor->text(), dialogo.TxtUserId->text(),
                 dialogo.TxtUserPassword->text(), dialogo.CboPlataformaDB->currentIndex()};
        const bool aceptar = dialogo.Aceptar;
        dialogo.Descargar();
        return aceptar;
    }

    void ocultar() override
    {
        if (formulario)
            formulario->hide();
    }
};

AccesoPorFormulario accesoPorFormulario;

} // namespace

frmAcceso &FormularioAcceso()
{
    static bool liberacionPrevista = false;
    if (!liberacionPrevista) {
        liberacionPrevista = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { liberarFrmAcceso(); });
    }
    if (!formulario)
        formulario = std::make_unique<frmAcceso>();
    return *formulario;
}

void liberarFrmAcceso()
{
    formulario.reset();
}

void instalarFrmAcceso()
{
    setDialogoAcceso(&accesoPorFormulario);
}
