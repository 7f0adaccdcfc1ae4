#include "query/modelo_fg.h"

namespace vyr::consulta {

ModeloFG::ModeloFG(QObject* parent) : QAbstractTableModel(parent), filas_(2) {}

void ModeloFG::SetRows(int n) {
    n = std::max(n, 1);
    const int antes = Rows();
    if (n == antes) return;
    if (llenando_) {
        filas_.resize(static_cast<std::size_t>(n));
        return;
    }
    // The view's rows are the data rows, one fewer than the grid's.
    if (n > antes) {
        beginInsertRows({}, antes - 1, n - 2);
        filas_.resize(static_cast<std::size_t>(n));
        endInsertRows();
    } else {
        beginRemoveRows({}, n - 1, antes - 2);
        filas_.resize(static_cast<std::size_t>(n));
        endRemoveRows();
    }
}

QString ModeloFG::TextMatrix(int fila, int col) const {
    if (fila < 0 || fila >= Rows() || col < 0 || col >= kCols) return {};
    return filas_[static_cast<std::size_t>(fila)][static_cast<std::size_t>(col)];
}

void ModeloFG::SetTextMatrix(int fila, int col, const QString& texto) {
    if (fila < 0 || fila >= Rows() || col < 0 || col >= kCols) return;
    filas_[static_cast<std::size_t>(fila)][static_cast<std::size_t>(col)] = texto;
    if (llenando_) return;
    if (fila == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(fila - 1, col), index(fila - 1, col));
}

void ModeloFG::Clear() {
    beginResetModel();
    for (auto& f : filas_)
        for (auto& c : f) c.clear();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, kCols - 1);
}

void ModeloFG::BeginFill() {
    if (llenando_) return;
    beginResetModel();
    llenando_ = true;
}

void ModeloFG::EndFill() {
    if (!llenando_) return;
    llenando_ = false;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, kCols - 1);
}

int ModeloFG::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Rows() - 1;
}

int ModeloFG::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kCols; }

QVariant ModeloFG::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole) return TextMatrix(i.row() + 1, i.column());
    if (role == Qt::TextAlignmentRole) {
        // Mode and date are centred as whole columns; the rest reads from the left.
        if (i.column() == 3 || i.column() == 4) return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant ModeloFG::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return QAbstractTableModel::headerData(section, o, role);
    if (role == Qt::DisplayRole) return TextMatrix(0, section);
    if (role == Qt::TextAlignmentRole)
        return section < 5 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ModeloFG::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace vyr::consulta
