#include "query/frm_visualizar.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

#include "query/textos_consulta.h"
#include "ui/accesible.h"
#include "ui/cajas.h"
#include "ui/pantalla.h"
#include "ui/twips.h"

namespace t = vyr::textos_consulta;
using vyr::consulta::ModeloFG;
using vyr::ui::Px;
using vyr::ui::RectTwips;

namespace {
constexpr int kAnchos[ModeloFG::kCols] = {1710, 4350, 1940, 830, 830, 11182};
constexpr int kAltoFila = 333;
}  // namespace

frmVisualizar::frmVisualizar(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmVisualizar"));
    vyr::ui::Titula(this, QString::fromUtf8(t::kTituloVisualizar));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(RectTwips(3675, 2715, 12045, 7530));
    setFixedSize(size());

    QFont f9(QStringLiteral("Verdana"));
    f9.setPointSizeF(9);

    cmdCerrar = new vyr::ui::Boton(this);
    cmdCerrar->setText(QString::fromUtf8(t::kCerrar));
    cmdCerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar->setGeometry(RectTwips(9840, 6960, 1095, 375));
    cmdCerrar->setFont(f9);

    FG = new QTableView(this);
    FG->setObjectName(QStringLiteral("FG"));
    FG->setGeometry(RectTwips(240, 480, 11535, 6135));
    FG->setFont(f9);
    FG->setAccessibleName(QString::fromUtf8(t::kNombreFG));

    txtNumReg = new QLabel(this);
    txtNumReg->setObjectName(QStringLiteral("txtNumReg"));
    txtNumReg->setGeometry(RectTwips(600, 6960, 4695, 255));
    txtNumReg->setFont(f9);

    setTabOrder(cmdCerrar, FG);
    modelo_ = new ModeloFG(this);
    FG->setModel(modelo_);
    Prepara();

    connect(cmdCerrar, &QPushButton::clicked, this, &frmVisualizar::cmdCerrar_Click);
}

// The grid's set-up at load: empty cells, widths, alignments (in the model),
// row heights and the header texts. The header keeps the style's raised
// look and the grid otherwise its defaults.
void frmVisualizar::Prepara() {
    modelo_->Clear();
    FG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FG->setWordWrap(false);
    FG->setTextElideMode(Qt::ElideNone);
    FG->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    FG->verticalHeader()->hide();  // no fixed column
    for (int c = 0; c < ModeloFG::kCols; ++c) FG->horizontalHeader()->resizeSection(c, Px(kAnchos[c]));
    FG->horizontalHeader()->setStretchLastSection(false);
    FG->horizontalHeader()->setHighlightSections(false);
    FG->horizontalHeader()->setFixedHeight(Px(kAltoFila));
    // Every row, those the run adds included, gets the design height; a fixed
    // height also spares the view from measuring 5,000 rows.
    FG->verticalHeader()->setMinimumSectionSize(1);
    FG->verticalHeader()->setDefaultSectionSize(Px(kAltoFila));
    FG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < ModeloFG::kCols; ++c)
        modelo_->SetTextMatrix(0, c, QString::fromUtf8(t::kCabecerasFG[static_cast<std::size_t>(c)]));
    cmdCerrar->setFocus();
}

void frmVisualizar::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) vyr::ui::EncajaEnPantalla(this);
}

void frmVisualizar::cmdCerrar_Click() {
    emit descarga();
    done(QDialog::Accepted);
}

void frmVisualizar::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    emit descarga();
}

void frmVisualizar::keyPressEvent(QKeyEvent* e) {
    // Only "Cerrar" and the close box end this window.
    if (e->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(e);
}
