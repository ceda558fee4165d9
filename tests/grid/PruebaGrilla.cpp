#include "PruebaGrilla.h"

#include "db/Conexiones.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "session/CarpetasPrograma.h"
#include "support/PruebaCore.h"

#include <gtest/gtest.h>

PruebaGrilla::PruebaGrilla()
{
    QString filas = QStringLiteral("CREATE TABLE Clientes (ID INTEGER, Nombre TEXT(50) COLLATE TSQLCI, Alta DATETIME, "
                                   "Saldo MONEY, Notas NTEXT);\n");
    for (int i = 1; i <= 23; ++i)
        filas +=
            QStringLiteral("INSERT INTO Clientes VALUES (%1, 'Cliente %2', DATEADD(day, %1, '20/02/2024'), %3, 'n');\n")
                .arg(i)
                .arg(i, 2, 10, QLatin1Char('0'))
                .arg(i * 10.5);
    db.execute(filas);
    setCarpetaEscritura(temporal.path());
    abrirBaseDemo(temporal.filePath(QStringLiteral("QVERR.LOG")));
}

PruebaGrilla::~PruebaGrilla()
{
    gBaseDatos.reset();
    setCarpetaEscritura(QString());
}

std::unique_ptr<QvDbGrid> PruebaGrilla::grilla(const QString &sql, long porPagina)
{
    auto grid = std::make_unique<QvDbGrid>();
    grid->setSql(sql);
    grid->setPageSize(porPagina);
    grid->setColumnas(true);
    grid->resize(900, 500);
    grid->show();
    grid->LoadQvDBGrid();
    return grid;
}

GrillaFlex *PruebaGrilla::flex(QvDbGrid &grid)
{
    return grid.MsFlexGrid;
}

QStringList PruebaGrilla::columna(QvDbGrid &grid, int c)
{
    QStringList textos;
    for (int r = 1; r < grid.MsFlexGrid->Rows(); ++r)
        textos << grid.MsFlexGrid->TextMatrix(r, c);
    return textos;
}

QStringList PruebaGrilla::captions(QvDbGrid &grid)
{
    QStringList textos;
    for (int c = 1; c < grid.MsFlexGrid->Cols(); ++c)
        textos << grid.MsFlexGrid->TextMatrix(0, c);
    return textos;
}
