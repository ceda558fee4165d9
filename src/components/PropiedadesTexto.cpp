#include "components/PropiedadesTexto.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QVariant>

namespace {

constexpr const char *PropDataField = "DataField";
constexpr const char *PropMaxLength = "MaxLength";
constexpr const char *PropTag = "Tag";
constexpr const char *PropTabIndex = "TabIndex";

// What Qt gives a QLineEdit that sets no limit.
constexpr int LargoSinLimiteQt = 32767;

} // namespace

QString DataField(const QWidget *box)
{
    return box->property(PropDataField).toString();
}

void setDataField(QWidget *box, const QString &campo)
{
    box->setProperty(PropDataField, campo);
}

int MaxLength(const QWidget *box)
{
    return box->property(PropMaxLength).toInt();
}

void setMaxLength(QLineEdit *box, int largo)
{
    box->setProperty(PropMaxLength, largo);
    box->setMaxLength(largo > 0 ? largo : LargoSinLimiteQt);
}

QString Tag(const QWidget *box)
{
    return box->property(PropTag).toString();
}

void setTag(QWidget *box, const QString &tag)
{
    box->setProperty(PropTag, tag);
}

int TabIndex(const QWidget *box)
{
    const QVariant valor = box->property(PropTabIndex);
    return valor.isValid() ? valor.toInt() : -1;
}

void setTabIndex(QWidget *box, int indice)
{
    box->setProperty(PropTabIndex, indice);
}

NombreControl nombreControl(const QWidget *control)
{
    static const QRegularExpression elemento(QStringLiteral(R"(^(.+)_(\d+)$)"));
    const QString nombre = control->objectName();
    const QRegularExpressionMatch partes = elemento.match(nombre);
    if (!partes.hasMatch())
        return {nombre, std::nullopt};
    return {partes.captured(1), partes.captured(2).toInt()};
}

MatrizTextos matrizTextos(const QWidget *ventana, const QString &nombre)
{
    MatrizTextos matriz;
    for (QLineEdit *box : ventana->findChildren<QLineEdit *>()) {
        const NombreControl partes = nombreControl(box);
        if (partes.indice && partes.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            matriz[*partes.indice] = box;
    }
    return matriz;
}
