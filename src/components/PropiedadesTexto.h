#pragma once

#include <QString>
#include <map>
#include <optional>

class QLineEdit;
class QWidget;

// The rule properties of a text box, kept as dynamic properties of the QLineEdit so that one
// class serves every box of every window (and a designer can set them):
//   "DataField" (text)  the database column the box shows;
//   "MaxLength" (int)   the rule's width: 0 (the default) marks a number box with no limit,
//                       10 a date box, any other value the most characters the box takes;
//   "Tag" (text)        "FECHA", "FMTHORA", "FMTPATENTE" or anything else (no layout);
//   "TabIndex" (int)    the box's place in the tab order, as ClsTabindex numbers it.
// MaxLength is kept apart from Qt's maxLength: setMaxLength also bounds what Qt lets the user
// type, but a rule width of 0 leaves Qt's default (no practical limit), never "no input".

QString DataField(const QWidget *box);
void setDataField(QWidget *box, const QString &campo);

int MaxLength(const QWidget *box);
void setMaxLength(QLineEdit *box, int largo);

QString Tag(const QWidget *box);
void setTag(QWidget *box, const QString &tag);

// -1 when ClsTabindex never numbered the box.
int TabIndex(const QWidget *box);
void setTabIndex(QWidget *box, int indice);

// A control array: the boxes that share one name, by their index. Indexes between the lowest
// and the highest may be missing.
using MatrizTextos = std::map<int, QLineEdit *>;

// The name and index of a control as its objectName writes them: an element of a control array
// is "<name>_<index>" ("txtfields_0"); any other control has no index.
struct NombreControl {
    QString nombre;
    std::optional<int> indice;
};
NombreControl nombreControl(const QWidget *control);

// The text boxes of `ventana` (at any depth) named "<nombre>_<index>", by index; the name is
// compared without regard to case.
MatrizTextos matrizTextos(const QWidget *ventana, const QString &nombre);
