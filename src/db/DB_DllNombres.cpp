#include "db/DB_Dll.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"

#include <initializer_list>

namespace {

using rt::CompareMode;

[[noreturn]] void argumentoInvalido()
{
    throw rt::RuntimeError(rt::err::InvalidProcedureCall,
                           QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

// A type code compared as a value: 7 and "7" are the same code.
bool enConjunto(const rt::Variant &codigo, std::initializer_list<int> conjunto)
{
    if (!codigo.isNumber() && !(codigo.type() == rt::VarType::String && rt::IsNumeric(codigo)))
        return false;
    const double valor = rt::CDbl(codigo);
    for (const int miembro : conjunto) {
        if (valor == miembro)
            return true;
    }
    return false;
}

} // namespace

bool DB_Dll::adodate(const rt::Variant &Qtype) const
{
    return enConjunto(Qtype, {7, 133, 137, 134, 135, 64});
}

QString DB_Dll::ADOComilla(const rt::Variant &Qtype) const
{
    return adodate(Qtype) || ADOText(Qtype) ? QStringLiteral("'") : QString();
}

bool DB_Dll::ADOText(const rt::Variant &Qtype) const
{
    return enConjunto(Qtype, {8, 201, 203, 200, 202, 130, 129});
}

bool DB_Dll::ADONumeric(const rt::Variant &Qtype) const
{
    return enConjunto(Qtype, {20, 14, 5, 3, 131, 4, 2, 16, 21, 19, 18, 17});
}

bool DB_Dll::ADOCurrency(const rt::Variant &Qtype) const
{
    return enConjunto(Qtype, {6});
}

bool DB_Dll::ADOBoolean(const rt::Variant &Qtype) const
{
    return enConjunto(Qtype, {11});
}

void DB_Dll::CierraRecordset(ado::Recordset &LrcsTemp)
{
    const rt::StepRunner steps([&](const rt::RuntimeError &error) -> int {
        if (error.Number != rt::err::AdoEditPending)
            return TratamientoErrores(error, std::nullopt, QStringLiteral("CierraRecordset"));
        // A pending new row is dropped; nothing more can go wrong that anyone could act on.
        rt::resumeNext([&] {
            LrcsTemp.CancelUpdate();
            if (LrcsTemp.State() != ado::adStateClosed)
                LrcsTemp.Close();
        });
        return 0;
    });
    steps.run([&] {
        if (LrcsTemp.State() != ado::adStateClosed)
            LrcsTemp.Close();
    });
}

void DB_Dll::QConsulta(const QString &, const QString &, const QString &, const QString &, const QString &,
                       const QString &)
{
}

void DB_Dll::QGridConsulta(const QString &, const QString &, const QString &, const QString &, const QString &)
{
}

QString DB_Dll::stSTF(QString &rsName, qint16 rnPart)
{
    const int punto = rt::InStr(rsName, QStringLiteral("."), CompareMode::Text);
    if (punto == 0)
        return rsName;
    if (rt::InStr(punto + 1, rsName, QStringLiteral("."), CompareMode::Text) == 0)
        return rnPart != 0 ? rt::Mid(rsName, punto + 1) : rt::Left(rsName, punto - 1);
    return StripOwner(rsName);
}

QString DB_Dll::AddBrackets(const QString &rObjName) const
{
    if (rt::InStr(rObjName, QStringLiteral(" ")) > 0 && rt::Left(rObjName, 1) != QLatin1String("["))
        return QStringLiteral("[") + rObjName + QStringLiteral("]");
    return rObjName;
}

QString DB_Dll::StripConnect(const QString &rsTblName) const
{
    const int flecha = rt::InStr(rsTblName, QStringLiteral("->"));
    if (flecha == 0)
        return rsTblName;
    // The character before the arrow (a blank in "TABLA ->conexion") goes too.
    return rt::Left(rsTblName, flecha - 2);
}

QString DB_Dll::StripBrackets(const QString &rsObjName) const
{
    if (rt::Left(rsObjName, 1) != QLatin1String("["))
        return rsObjName;
    if (rsObjName.size() < 2)
        argumentoInvalido();
    return rt::Mid(rsObjName, 2, static_cast<int>(rsObjName.size()) - 2);
}

QString DB_Dll::StripOwner(QString &rsTblName) const
{
    const int punto = rt::InStr(rsTblName, QStringLiteral("."));
    if (punto > 0)
        rsTblName = rt::Mid(rsTblName, punto + 1);
    return rsTblName;
}

QString DB_Dll::StripFileName(const QString &rsFileName) const
{
    // Folders may be written with either separator: the program runs where "/" is the rule.
    for (qsizetype i = rsFileName.size() - 1; i >= 0; --i) {
        if (rsFileName.at(i) == QLatin1Char('\\') || rsFileName.at(i) == QLatin1Char('/'))
            return rsFileName.left(i);
    }
    return {};
}
