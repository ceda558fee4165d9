#include "platform/outside/Buscador.h"

#include "platform/ado/Connection.h"
#include "platform/outside/CatalogoConsultas.h"
#include "platform/outside/Utilidades.h"

#include <QCoreApplication>

namespace outside {

namespace {

QStringList splitFields(const QString &campos)
{
    QStringList result;
    for (const QString &field : QString(campos).replace(QLatin1Char('|'), QLatin1Char(',')).split(QLatin1Char(','))) {
        if (!field.trimmed().isEmpty())
            result << field.trimmed();
    }
    return result;
}

int indexOf(const QStringList &names, const QString &name)
{
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

Buscador::Buscador() = default;

Buscador::~Buscador()
{
    // A window must not be destroyed once the application object is gone (at process exit).
    if (!QCoreApplication::instance())
        static_cast<void>(m_ventana.release());
}

void Buscador::setCadenaConexion(const QString &text)
{
    if (text != m_cadenaConexion)
        m_conexion.reset();
    m_cadenaConexion = text;
}

VentanaBusqueda *Buscador::ObjetoBusqueda()
{
    if (!m_ventana)
        m_ventana = std::make_unique<VentanaBusqueda>();
    return m_ventana.get();
}

QString Buscador::textoConsulta(const QString &tabla, const QStringList &campos, const QString &condicion,
                                const QString &orden)
{
    QString text = QStringLiteral("SELECT ")
                   + (campos.isEmpty() ? QStringLiteral("*") : campos.join(QStringLiteral(", ")))
                   + QStringLiteral(" FROM ") + tabla.trimmed();
    if (!condicion.trimmed().isEmpty())
        text += QStringLiteral(" WHERE ") + condicion.trimmed();
    if (!orden.trimmed().isEmpty())
        text += QStringLiteral(" ORDER BY ") + orden.trimmed();
    return text;
}

QStringList Buscador::columnasDe(const QString &tabla, const QString &campos, QString &titulo) const
{
    const auto entry = CatalogoConsultas::buscar(m_archivoConsultas, tabla);
    if (titulo.trimmed().isEmpty())
        titulo = entry ? entry->titulo : tabla.trimmed();
    QStringList columns = !campos.trimmed().isEmpty() ? splitFields(campos) : entry ? entry->campos : QStringList();
    if (!columns.isEmpty() && !m_campoClave.trimmed().isEmpty() && indexOf(columns, m_campoClave.trimmed()) < 0)
        columns << m_campoClave.trimmed();
    return columns;
}

ado::Connection &Buscador::conexion()
{
    if (!m_conexion) {
        auto connection = std::make_unique<ado::Connection>();
        connection->Open(m_cadenaConexion);
        m_conexion = std::move(connection);
    }
    return *m_conexion;
}

void Buscador::MostrarBusqueda(const QString &tabla, VentanaBusqueda *ventana, const QString &titulo,
                               const QString &campos, const QString &condicion, const QString &orden,
                               bool conservarFiltro, const QString &filtro)
{
    m_valorElegido.clear();
    if (!m_habilitado)
        return;
    QString caption = titulo;
    const QStringList wanted = columnasDe(tabla, campos, caption);
    ado::Recordset rows = conexion().Execute(textoConsulta(tabla, wanted, condicion, orden));

    QStringList names;
    for (long i = 0; i < rows.FieldCount(); ++i)
        names << rows.Fields(i).Name();
    const int keyColumn = m_campoClave.trimmed().isEmpty() ? 0 : qMax(0, indexOf(names, m_campoClave.trimmed()));
    const Utilidades util;
    QList<QStringList> lines;
    while (rows.State() != ado::adStateClosed && !rows.EOF_()) {
        QStringList line;
        for (long i = 0; i < rows.FieldCount(); ++i)
            line << util.ValorCampo(rows.Fields(i)).trimmed();
        lines << line;
        rows.MoveNext();
    }

    VentanaBusqueda *window = ventana ? ventana : ObjetoBusqueda();
    const QString previous = window->filtro();
    window->cargar(caption, names, lines, keyColumn);
    window->setFiltro(conservarFiltro ? previous : filtro);
    if (window->exec() == QDialog::Accepted)
        m_valorElegido = window->valorElegido();
}

} // namespace outside
