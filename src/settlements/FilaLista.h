#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidgetItem>
#include <QVarLengthArray>

// A row of a settlement list. Its texts live in one block of its own and its alignments in the
// row it was copied from, shared by every row of the list: a row of seventeen cells is three
// blocks of memory instead of twenty, which is what lets lists of tens of thousands of rows fill
// and empty fast. It reads and changes as any item does.
class FilaLista final : public QTreeWidgetItem {
public:
    FilaLista(const QTreeWidgetItem &modelo, const QStringList &textos);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant &value) override;

private:
    QString texto(int columna) const;
    void ponerTexto(int columna, const QString &texto);

    QString m_textos;
    // Where each cell's text ends in m_textos; it starts where the one before ends.
    QVarLengthArray<int, 20> m_finales;
};
