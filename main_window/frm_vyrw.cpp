#include "main_window/frm_vyrw.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

#include "about/frm_acerca_de.h"
#include "editor/frm_crea_modi.h"
#include "main_window/textos_principal.h"
#include "query/frm_consultar.h"
#include "ui/accesible.h"
#include "ui/caja_multilinea.h"
#include "ui/cajas.h"
#include "ui/controles.h"
#include "ui/ficha.h"
#include "ui/pantalla.h"
#include "ui/twips.h"

namespace t = vyr::textos_principal;
using vyr::ui::Control;
using vyr::ui::RectTwips;
using vyr::ui::Verdana;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

template <class W>
void TextoAzul(W* w) {
    // Only the text's colour is the box's own: the rest follows the theme.
    QPalette p;
    p.setColor(QPalette::Text, vyr::ui::AzulLegible(QApplication::palette(w).color(QPalette::Base)));
    w->setPalette(p);
}

}  // namespace

frmVYRw::frmVYRw(vyr::Modulo& m, const vyr::ui::Entorno& e)
    : m_(m),
      e_(e),
      editor_([this] { return new frmCreaModi(m_, e_, ficha_); }),
      consultar_([this] { return new frmConsultar(m_, e_); }),
      acercaDe_([] { return new frmAcercaDe; }) {
    setObjectName(QStringLiteral("frmVYRw"));
    vyr::ui::Titula(this, U(t::kTitulo));
    CreaControles();
    CreaMenus();
    // The layout is fixed: the window keeps the design's size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const QRect cliente = RectTwips(5145, 4635, 8550, 5640);
    move(cliente.left(), cliente.top() - menuBar()->sizeHint().height());
}

frmVYRw::~frmVYRw() = default;

void frmVYRw::CreaControles() {
    auto* c = new QWidget(this);
    c->setObjectName(QStringLiteral("cliente"));
    c->setFixedSize(vyr::ui::Px(8550), vyr::ui::Px(5640));
    setCentralWidget(c);

    Label1 = Control<QLabel>(c, "Label1", RectTwips(240, 120, 1215, 615), Verdana(24));
    Label1->setText(U(t::kLabel1));
    Label2 = Control<QLabel>(c, "Label2", RectTwips(1320, 360, 1575, 375), Verdana(12));
    Label2->setText(U(t::kLabel2));
    Label3 = Control<QLabel>(c, "Label3", RectTwips(3120, 480, 1695, 375), Verdana(14.25));
    Label3->setText(U(t::kLabel3));

    QFont courier(vyr::ui::Familia(QStringLiteral("Courier New")));
    courier.setPointSizeF(15.75);
    courier.setBold(true);
    txtFrecu = Control<vyr::ui::CajaTexto>(c, "txtFrecu", RectTwips(4800, 450, 3135, 405), courier);
    txtFrecu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette p = txtFrecu->palette();
    p.setColor(QPalette::Text, QColor(0, 0, 255));
    p.setColor(QPalette::Base, QColor(192, 255, 255));
    txtFrecu->setPalette(p);
    vyr::ui::Rotula(Label3, txtFrecu);

    Label10 = Control<QLabel>(c, "Label10", RectTwips(7920, 600, 375, 255), vyr::ui::FuenteDefecto());
    Label10->setText(U(t::kLabel10));
    cmdConsultar = Control<vyr::ui::Boton>(c, "cmdConsultar", RectTwips(2400, 1560, 975, 375),
                                        vyr::ui::FuenteDefecto());
    cmdConsultar->setText(U(t::kConsultar));
    cmdSalir = Control<vyr::ui::Boton>(c, "cmdSalir", RectTwips(5280, 1560, 975, 375),
                                    vyr::ui::FuenteDefecto());
    cmdSalir->setText(U(t::kSalir));

    Line1 = vyr::ui::LineaHorizontal(c, "Line1", 120, 8400, 2280, 2);

    ficha_ = vyr::ui::CreaFicha(c, {"Fic", 2640, 1695, true});
    const vyr::ui::Ficha& f = ficha_;
    Label4 = f.Label4;
    txtFicFrecu = f.frecu;
    Label5 = f.Label5;
    txtFicDescri = f.descri;
    Label6 = f.Label6;
    txtFicServi = f.servi;
    Label7 = f.Label7;
    txtFicModo = f.modo;
    Label8 = f.Label8;
    txtFicFecha = f.fecha;
    cmdFicActFecha = f.actFecha;
    Label9 = f.Label9;
    txtFicObserva = f.observa;
    cmdFicModi = Control<vyr::ui::Boton>(c, "cmdFicModi", RectTwips(3840, 5160, 975, 375), Verdana(8.25));
    cmdFicModi->setText(U(t::kModificar));

    // A substituted typeface may be wider than the design's: no caption is cut.
    for (QLabel* l : c->findChildren<QLabel*>())
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
    PintaFicha();
    // Every box of the window: Ctrl+X must reach the menu, not cut.
    for (QWidget* caja : std::initializer_list<QWidget*>{txtFrecu, txtFicFrecu, txtFicDescri, txtFicServi,
                                                        txtFicModo, txtFicFecha, txtFicObserva})
        caja->installEventFilter(this);

    QWidget* const orden[] = {txtFrecu,    cmdSalir,     cmdConsultar, cmdFicActFecha,
                              cmdFicModi,  txtFicFrecu,  txtFicDescri, txtFicServi,
                              txtFicModo,  txtFicObserva, txtFicFecha};
    vyr::ui::OrdenTab(orden);

    connect(cmdSalir, &QPushButton::clicked, this, &frmVYRw::Termina);
    connect(cmdConsultar, &QPushButton::clicked, this, &frmVYRw::cmdConsultar_Click);
    connect(cmdFicActFecha, &QPushButton::clicked, this, &frmVYRw::cmdFicActFecha_Click);
    connect(cmdFicModi, &QPushButton::clicked, this, &frmVYRw::cmdFicModi_Click);
}

void frmVYRw::CreaMenus() {
    mnuArchivo = menuBar()->addMenu(U(t::kMnuArchivo));
    mnuArchivo->setObjectName(QStringLiteral("mnuArchivo"));
    mnuGuardar = mnuArchivo->addAction(U(t::kMnuGuardar));
    mnuGuardar->setObjectName(QStringLiteral("mnuGuardar"));
    mnuRecuperar = mnuArchivo->addAction(U(t::kMnuRecuperar));
    mnuRecuperar->setObjectName(QStringLiteral("mnuRecuperar"));
    mnuSalir = mnuArchivo->addAction(U(t::kMnuSalir));
    mnuSalir->setObjectName(QStringLiteral("mnuSalir"));
    mnuSalir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuAcercaDe = menuBar()->addAction(U(t::kMnuAcercaDe));
    mnuAcercaDe->setObjectName(QStringLiteral("mnuAcercaDe"));

    connect(mnuGuardar, &QAction::triggered, this, [this] { m_.SalvarDatos(); });
    connect(mnuRecuperar, &QAction::triggered, this, [this] { m_.RecuperarDatos(); });
    connect(mnuSalir, &QAction::triggered, this, &frmVYRw::Termina);
    connect(mnuAcercaDe, &QAction::triggered, this, &frmVYRw::mnuAcercaDe_Click);
}

bool frmVYRw::Carga() { return m_.Arranca(); }

void frmVYRw::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) vyr::ui::EncajaEnPantalla(this);
    txtFrecu->setFocus();
}

bool frmVYRw::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(e)->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_X)) {
        e->ignore();  // left unaccepted, the menu's shortcut takes the key
        return true;
    }
    if (o == txtFrecu && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            txtFrecu_Enter();
            return true;  // Enter inserts nothing
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void frmVYRw::PintaFicha() {
    for (QLineEdit* caja : {txtFicFrecu, txtFicDescri, txtFicServi, txtFicModo, txtFicFecha})
        TextoAzul(caja);
    TextoAzul(txtFicObserva);
}

void frmVYRw::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // A desktop theme switched to dark or back: the card's blue follows.
    if (e->type() == QEvent::PaletteChange) PintaFicha();
}

void frmVYRw::VaciaFicha() {
    txtFicFrecu->clear();
    txtFicDescri->clear();
    txtFicServi->clear();
    txtFicModo->clear();
    txtFicFecha->clear();
    txtFicObserva->clear();
}

void frmVYRw::mnuAcercaDe_Click() {
    acercaDe_->exec();
    TrasModal();
}

void frmVYRw::TrasModal() {
    if (terminado_) return;
    activateWindow();
    txtFrecu->setFocus();
}

void frmVYRw::Termina() {
    if (terminado_) return;
    terminado_ = true;
    editor_.Descarga();
    consultar_.Descarga();
    acercaDe_.Descarga();
    emit fin();
}

void frmVYRw::closeEvent(QCloseEvent* e) {
    QMainWindow::closeEvent(e);
    Termina();
}
