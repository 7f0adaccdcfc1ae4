#pragma once
// The record's boxes with their labels and "Fecha hoy", laid out alike on the
// main window's card and in the editor, which opens right over the card.
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vyr::ui {

class CajaMultilinea;

struct Ficha {
    QLabel *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QLineEdit *frecu, *descri, *servi, *modo, *fecha;
    QPushButton* actFecha;
    CajaMultilinea* observa;
};

struct DisenoFicha {
    const char* prefijo;  // "Fic" gives txtFicFrecu, cmdFicActFecha, ...
    int arriba;           // top of the first row, in twips
    int anchoFrecu;       // the frequency box's width, in twips
    bool frecuNegrita;
};

Ficha CreaFicha(QWidget* padre, const DisenoFicha& d);
// The six texts of one card into the boxes of another, as they stand.
void CopiaFicha(const Ficha& de, const Ficha& a);

}  // namespace vyr::ui
