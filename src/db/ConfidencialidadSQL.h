#pragma once

#include <QString>

// Confidential tables are read through filtered views named "SS_..." by users who are not
// administrators. A name written "@Admin_TABLA" always reaches the real table.
class ConfidencialidadSQL {
public:
    // The text with the plain names of the confidential objects replaced by their views in the
    // positions where they stand as names (after a blank, "(" or ",", before a blank or "."),
    // and every "@Admin_" removed. Administrators only get the removal; so does a text naming
    // MV_ASIENTOS while the confidentiality setting is off. Letter case is ignored.
    static QString reescribir(const QString &sql, bool esAdmin, bool confidencialidad);

    // The text with every "@Admin_" removed, letter case ignored.
    static QString quitarPrefijoAdmin(const QString &sql);
};
