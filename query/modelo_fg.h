#pragma once
// The results grid's cells. Row 0 is the fixed header row (shown by the
// view's header), rows 1.. the data rows, as the query run counts them.
#include <QAbstractTableModel>
#include <array>
#include <vector>

namespace vyr::consulta {

class ModeloFG : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kCols = 6;

    explicit ModeloFG(QObject* parent = nullptr);

    int Rows() const { return static_cast<int>(filas_.size()); }
    void SetRows(int n);  // at least 1: the header row stays
    QString TextMatrix(int fila, int col) const;
    void SetTextMatrix(int fila, int col, const QString& texto);
    void Clear();  // empties every cell; the counts stay

    // Between these two the view is told nothing: one reset at the end
    // instead of a signal and a layout pass for every row.
    void BeginFill();
    void EndFill();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<std::array<QString, kCols>> filas_;
    bool llenando_ = false;
};

}  // namespace vyr::consulta
