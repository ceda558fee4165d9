#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Files named by the report table and the settings, written as on the suite's Windows
// workstations ("Z:\Formularios\FC-A.rpt", "\\servidor\reportes\eFC-A.RPT"): "\" is read as a
// separator, a drive letter or share prefix is replaced by the local folder the setting
// RUTAS_EQUIVALENTES gives it, and each part of the path is found without regard to letter
// case.
class RutasArchivo {
public:
    // `equivalencias`: pairs "prefix=local folder" joined by ";" (Z:=/srv/empresa;
    // \\servidor\reportes=/mnt/reportes); prefixes compare without regard to case.
    explicit RutasArchivo(const QString &equivalencias = {});

    // The setting's key in TA_CONFIGURACION.
    static QString clave() { return QStringLiteral("RUTAS_EQUIVALENTES"); }

    // The path as this machine names it, without double quotes: the prefix mapped, "/" between
    // parts, and the letter case of the file and its folders when the file exists in some
    // letter case; otherwise the mapped path as written.
    QString local(const QString &ruta) const;

    // Whether the file the path names can be opened for reading.
    bool existe(const QString &ruta) const;

private:
    QList<QPair<QString, QString>> m_equivalencias; // prefix with "/" separators, folder
};
