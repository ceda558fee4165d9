#include "core/ParametrosComando.h"
#include "db/Conexiones.h"
#include "grid/ColumnasGuardadas.h"
#include "grid/FrmCampos.h"
#include "grid/ListaCampos.h"
#include "grid/NombresSQL.h"
#include "grid/QvDbGrid.h"
#include "grid/SentenciasGrilla.h"
#include "platform/ado/Engine.h"
#include "platform/outside/Utilidades.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "session/ModError.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

namespace {

using rt::CompareMode;

ColumnasGuardadas::Claves clavesDelUsuario()
{
    const QString programa = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return ColumnasGuardadas::claves(programa, LineaComandoProceso(), gBaseDatos->gUsuario);
}

bool esClave(const QString &item, const QString &clave)
{
    return rt::StrComp(NombresSQL::sinComillasDeNombre(item).trimmed(), clave, CompareMode::Text) == 0;
}

// The columns for the chooser, each followed by "|", with the key column last: the chooser
// keeps the last column hidden and hands it back last.
QString columnasParaElegir(const QString &pListaCampos, const QString &clave)
{
    QStringList items;
    for (const NombresSQL::Parte &parte : NombresSQL::partes(pListaCampos))
        items << parte.texto;
    for (int i = 0; i + 1 < items.size(); ++i) {
        if (esClave(items.at(i), clave)) {
            items.append(items.takeAt(i));
            break;
        }
    }
    return items.join(u'|') + QStringLiteral("|");
}

// One piece ending in "|" for each chosen column before the key that ends the list.
QString ordinalesDe(const QString &pCamposElegidos)
{
    const qsizetype elegidas = ListaCampos::nombresDe(pCamposElegidos).size();
    QString ordinales;
    for (qsizetype i = 1; i < elegidas; ++i)
        ordinales += QString::number(i) + QStringLiteral("|");
    return ordinales;
}

} // namespace

void QvDbGrid::CargarCampos()
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) { return MostrarError(error); });
    ado::Recordset rs;
    const QString sonda = SentenciasGrilla::sonda(m_sql);
    QList<ListaCampos::CampoSonda> campos;
    const bool leida = pasos.proceed([&] {
        pListaCampos.clear();
        CboFiltroCampo->clear();
        CboFiltroCampo->addItem(QStringLiteral("Todos"));
    }) && pasos.proceed([&] { abrirConsulta(sonda, rs); })
                       && pasos.proceed([&] {
                              for (long i = 0; i < rs.FieldCount(); ++i)
                                  campos.append({rs.Fields(i).Name(), rs.Fields(i).Type()});
                          });
    if (!leida)
        return;
    const ListaCampos lista = ListaCampos::armar(campos, sonda, m_CamposSel, m_PrimaryKey, m_FormatDate);
    m_Campos = lista.Campos;
    pListaCampos = lista.pListaCampos;
    pColumnasFecha = lista.pColumnasFecha;
    pColumnasTexto = lista.pColumnasTexto;
    pCamposElegidos = rt::Trim(m_CamposSel).isEmpty() ? QString() : ListaCampos::elegidosDe(m_CamposSel);
    CboFiltroCampo->addItems(lista.filtros);
    pasos.run([&] { gBaseDatos->CierraRecordset(rs); });
}

void QvDbGrid::cmdColumnas_Click()
{
    const QString clave = SentenciasGrilla::claveEfectiva(m_PrimaryKey);
    FrmCampos chooser(this);
    rt::resumeNext([&] { chooser.gCampos = columnasParaElegir(pListaCampos, clave); });
    rt::resumeNext([&] {
        chooser.gOrdinalSel = ordinalesDe(pCamposElegidos);
        chooser.gCamposSel = pCamposElegidos;
    });
    chooser.exec();
    if (chooser.Cancelar)
        return;

    QString camposSel;
    QString elegidos;
    const QString lista = chooser.gCamposSel.isEmpty() ? QStringLiteral("*")
                                                       : SentenciasGrilla::ArmarCampos(chooser.gCamposSel, m_equias);
    ado::Recordset rs;
    rt::resumeNext(
        [&] { abrirConsulta(QStringLiteral("SELECT TOP 1 ") + lista + QStringLiteral(" FROM ") + pTabla, rs); });
    rt::resumeNext([&] {
        const QString fecha = QString::number(m_FormatDate);
        for (long i = 0; i < rs.FieldCount(); ++i) {
            const QString nombre = rs.Fields(i).Name();
            const int tipo = rs.Fields(i).Type();
            if (esClave(nombre, clave) || tipo == ado::adLongVarWChar || tipo == ado::adLongVarBinary)
                continue;
            const QString item = NombresSQL::entreCorchetes(nombre);
            if (tipo == ado::adDBTimeStamp) {
                elegidos += elegidos.isEmpty() ? item : QStringLiteral(",") + item;
                camposSel +=
                    (camposSel.isEmpty() ? QStringLiteral(" CONVERT(NVARCHAR,") : QStringLiteral(", CONVERT(NVARCHAR,"))
                    + item + QStringLiteral(",") + fecha + QStringLiteral(") AS ") + item;
            } else {
                elegidos += elegidos.isEmpty() ? item : QStringLiteral(", ") + item;
                camposSel += camposSel.isEmpty() ? item : QStringLiteral(", ") + item;
            }
        }
    });
    rt::resumeNext([&] { gBaseDatos->CierraRecordset(rs); });
    camposSel += (camposSel.isEmpty() ? QString() : QStringLiteral(", ")) + clave;
    elegidos += (elegidos.isEmpty() ? QString() : QStringLiteral(", ")) + clave;
    setCamposSel(camposSel);
    pCamposElegidos = elegidos;
    setOrdinalSel(chooser.gOrdinalSel);
    setCampos(chooser.gCamposOrden);
    CargarCampos();
    if (!cmdColumnas->isHidden())
        GrabaCampos();
    CargarGrid();
}

void QvDbGrid::LeerCampos()
{
    ColumnasGuardadas::Claves claves;
    ado::Recordset rs;
    rt::resumeNext([&] { claves = clavesDelUsuario(); });
    rt::resumeNext([&] { gBaseDatos->AbrirRecordset(ColumnasGuardadas::leer(claves), rs); });
    rt::resumeNext([&] {
        if (rs.EOF_())
            return;
        const QString campos =
            ColumnasGuardadas::camposDeValor(outside::Utilidades().ValorCampo(rs.Fields(QStringLiteral("Valor"))));
        // The choice becomes the select list of every page: one that would carry another
        // statement is left out, and the grid shows its columns as if none were stored.
        if (unaConsulta(QStringLiteral("SELECT ") + campos + QStringLiteral(" FROM ") + pTabla))
            m_CamposSel = campos;
    });
    rt::resumeNext([&] { gBaseDatos->CierraRecordset(rs); });
}

void QvDbGrid::GrabaCampos()
{
    ColumnasGuardadas::Claves claves;
    rt::resumeNext([&] { claves = clavesDelUsuario(); });
    // A failure stays in the connection's error list and is not shown: the choice is only a
    // convenience, and the grid goes on with it for this session.
    rt::resumeNext([&] { gBaseDatos->EjecutaConsultaSQL(ColumnasGuardadas::borrar(claves)); });
    rt::resumeNext([&] {
        gBaseDatos->EjecutaConsultaSQL(
            ColumnasGuardadas::insertar(claves, ColumnasGuardadas::valorGuardado(m_CamposSel)));
    });
}
