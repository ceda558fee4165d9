#include "settlements/CampoLista.h"

#include "session/ObjetosExternos.h"

const rt::Variant &CampoLista::valor(ado::Recordset &rs)
{
    if (!m_campo)
        m_campo = rs.Fields(m_nombre);
    return m_campo->Value();
}

QString CampoLista::texto(ado::Recordset &rs)
{
    const rt::Variant &actual = valor(rs);
    if (!m_valor || !(actual == *m_valor)) {
        m_texto = m_formato(actual);
        m_valor = actual;
    }
    return m_texto;
}

QString textoNulable(const rt::Variant &valor)
{
    return gUtil->ValorCampo(valor);
}
