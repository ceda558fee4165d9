#pragma once

#include "platform/outside/VentanaBusqueda.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace ado {
class Connection;
}

namespace outside {

// The look-up of the F5 key: shows the rows of a table or view in the look-up window and gives
// back the key column's value of the row the user chooses. What the window shows for a table
// (caption, columns) comes from the look-up catalogue; the rows come from the database named by
// the connection text, on a connection of its own.
class Buscador {
public:
    Buscador();
    ~Buscador();
    Buscador(const Buscador &) = delete;
    Buscador &operator=(const Buscador &) = delete;

    void setCadenaConexion(const QString &text);
    QString CadenaConexion() const { return m_cadenaConexion; }
    void setHabilitado(bool habilitado) { m_habilitado = habilitado; }
    bool Habilitado() const { return m_habilitado; }
    void setArchivoConsultas(const QString &path) { m_archivoConsultas = path; }
    QString ArchivoConsultas() const { return m_archivoConsultas; }
    // The column whose value is given back; empty means the first column shown.
    void setCampoClave(const QString &campo) { m_campoClave = campo; }
    QString CampoClave() const { return m_campoClave; }

    // The look-up window, made on first use.
    VentanaBusqueda *ObjetoBusqueda();

    // Shows the rows of `tabla` in `ventana` (or in ObjetoBusqueda() when null) and waits for
    // the user. `titulo` replaces the catalogue's caption, `campos` ("A,B" or "|A|B|") its
    // columns, `condicion` restricts the rows (SQL, without WHERE), `orden` sorts them (SQL,
    // without ORDER BY); `filtro` is typed into the filter box first, unless `conservarFiltro`
    // keeps what the user typed last time. Does nothing when not enabled.
    // Throws RuntimeError when the connection or the query fails.
    void MostrarBusqueda(const QString &tabla, VentanaBusqueda *ventana, const QString &titulo = {},
                         const QString &campos = {}, const QString &condicion = {}, const QString &orden = {},
                         bool conservarFiltro = false, const QString &filtro = {});

    // The key value of the row chosen in the last look-up; empty when it was cancelled.
    QString ValorElegido() const { return m_valorElegido; }

    // The query of a look-up: the columns ("*" when none), the table, the condition and order.
    static QString textoConsulta(const QString &tabla, const QStringList &campos, const QString &condicion,
                                 const QString &orden);

private:
    QStringList columnasDe(const QString &tabla, const QString &campos, QString &titulo) const;
    ado::Connection &conexion();

    QString m_cadenaConexion;
    bool m_habilitado = false;
    QString m_archivoConsultas;
    QString m_campoClave;
    QString m_valorElegido;
    std::unique_ptr<VentanaBusqueda> m_ventana;
    std::unique_ptr<ado::Connection> m_conexion;
};

} // namespace outside
