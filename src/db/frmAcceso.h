#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The login and connection dialog "Control de Acceso": the application user and password, the
// database, the server (platform and port), and the registered connections of "BASES.TXT". It
// never opens the program's connection: callers fill its boxes, show it modally, and read
// Aceptar and the boxes back (gUsuarioLogeado and gClaveUsuario are set by Conectar).
class frmAcceso : public QDialog {
    Q_OBJECT
public:
    explicit frmAcceso(QWidget *parent = nullptr);
    ~frmAcceso() override;

    // True after Conectar; False after Cancelar or any other way of closing the dialog.
    bool Aceptar = false;

    // Load: when not loaded, centres the dialog on the screen, fills the list of registered
    // connections (the first one selected fills the boxes) and clears the boxes that hold
    // blanks or their hint. Unload: hides it and puts the boxes and the list back as designed;
    // Aceptar, the entry found and the remembered port are kept.
    void Cargar();
    void Descargar();
    bool Cargado() const { return m_cargado; }

    // Shows the dialog modally (loading it first when needed) and returns when it is hidden.
    // After Cancelar the program ends (ui::EndProgram).
    void MostrarModal();

    // Runs a program and waits for it, letting the window's events run meanwhile. False, with
    // ErrDevuelto "Error al ejecutar el comando", when it cannot be started.
    bool EjecutarCmdRegDB(const QString &Archivo, QString &ErrDevuelto);
    // Refills lstBases with the keys of the registered connections and selects the first one.
    // A file that cannot be read is reported through MostrarError ("FormLoad").
    void llenarlist();
    // Remembers the server, database, user and decoded password of the first registered
    // connection whose key equals the trimmed Nombre (letter case counts); no match keeps what
    // was found before. Read failures are reported through MostrarError ("DatosBase").
    void DatosBase(const QString &Nombre);
    // Whether a connection opens with that login; it is opened on a connection of its own and
    // closed again, never touching the program's connection. Never throws.
    bool ExisteBaseDeDatos(const QString &Servidor, const QString &Dbname, const QString &Usuario,
                           const QString &Password, const QString &Proveedor);
    // Fills the server, port and database boxes from the selected registered connection and
    // empties the user and password boxes.
    void AsignarDatosBase();
    // A box that holds only blanks, or its own hint, is emptied so that its hint shows as a
    // placeholder; other boxes are left alone.
    void MensajeInicial(QLineEdit *ObjTxt);

    // The entry found by DatosBase.
    struct EntradaBase {
        QString servidor;
        QString base;
        QString usuario;
        QString clave;
    };
    const EntradaBase &EntradaEncontrada() const { return m_encontrada; }

    QPushButton *CmdLineaComando;
    QPushButton *CmdRegistrar;
    QListWidget *lstBases;
    QPushButton *bcCancelar;
    QPushButton *bcAceptar;
    QGroupBox *framAcceso;
    QLineEdit *TxtPuerto;
    QComboBox *CboPlataformaDB;
    QLineEdit *TxtUserPassword;
    QLineEdit *TxtServidor;
    QLineEdit *TxtDbName;
    QLineEdit *TxtUserId;
    // The maker's web address; a click opens it.
    QLabel *Label8;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void construirControles();
    void conectarEventos();
    void CmdRegistrar_Click();
    void CmdLineaComando_Click();
    void bcAceptar_Click();
    void bcCancelar_Click();
    void Label8_Click();
    bool registrarConexion(const QString &clave);
    void lanzarRegistroOdbc(const QString &servidor, const QString &base);

    bool m_cargado = false;
    bool m_terminar = false;
    EntradaBase m_encontrada;
    QString m_puerto;
};

// The program's login dialog, made on first use and kept until liberarFrmAcceso (called when the
// application quits, so the dialog goes before the application object).
frmAcceso &FormularioAcceso();
void liberarFrmAcceso();

// Makes the connection class's dialog step (OpenServerADODB) use the program's login dialog.
void instalarFrmAcceso();
