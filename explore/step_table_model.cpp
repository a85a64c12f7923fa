#include "explore/step_table_model.hpp"

#include "calc/step_rows.hpp"
#include "runtime/host/translation.hpp"

#include <algorithm>
#include <map>

namespace explore {

using runtime::host::translatedText;

namespace {

// The columns are the core's; the model only shows them.
constexpr int stepColumns = static_cast<int>(calc::stepColumnCount);

} // namespace

StepTableModel::StepTableModel(std::shared_ptr<const std::vector<calc::StepRow>> rows,
                               std::string decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)),
      decimalSeparator_(std::move(decimalSeparator)) {}

void StepTableModel::setShownRows(int count) {
    count = std::clamp(count, 0, static_cast<int>(rows_->size()));
    if (count == shown_) {
        return;
    }
    // Rows are added or removed at the end only, so the view keeps its
    // selection and scroll position on the rows that stay.
    if (count > shown_) {
        beginInsertRows({}, shown_, count - 1);
        shown_ = count;
        endInsertRows();
    } else {
        beginRemoveRows({}, count, shown_ - 1);
        shown_ = count;
        endRemoveRows();
    }
}

void StepTableModel::setProvenSeries(std::vector<calc::DigitSeries> series) {
    if (!provenShown_) {
        // No column changes: the view keeps its columns' widths.
        proven_ = std::move(series);
        return;
    }
    beginResetModel();
    proven_ = std::move(series);
    endResetModel();
}

void StepTableModel::setProvenShown(bool shown) {
    if (shown == provenShown_ || proven_.empty()) {
        return;
    }
    const int first = stepColumns;
    const int last = stepColumns + static_cast<int>(proven_.size()) - 1;
    if (shown) {
        beginInsertColumns({}, first, last);
        provenShown_ = true;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, first, last);
        provenShown_ = false;
        endRemoveColumns();
    }
}

int StepTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int StepTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0
                            : stepColumns + (provenShown_ ? static_cast<int>(proven_.size()) : 0);
}

QString StepTableModel::cellText(int row, int column) const {
    // The table's formats are the window's and archimede --tabella's.
    if (column < stepColumns) {
        const calc::StepCells cells =
            calc::stepRowCells((*rows_)[static_cast<std::size_t>(row)], decimalSeparator_);
        return QString::fromStdString(cells.at(static_cast<std::size_t>(column)));
    }
    if (const auto method = static_cast<std::size_t>(column - stepColumns);
        provenShown_ && method < proven_.size()) {
        return QString::fromStdString(
            calc::digitsAtText(proven_[method], (*rows_)[static_cast<std::size_t>(row)].step));
    }
    return {};
}

QVariant StepTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return cellText(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant StepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        if (section >= stepColumns) {
            // The chart's name for the series, in the chart's catalogue.
            return translatedText(
                "ConvergenceChart",
                proven_[static_cast<std::size_t>(section - stepColumns)].name.c_str());
        }
        return QString::fromStdString(
            calc::stepTableHeadings().at(static_cast<std::size_t>(section)));
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString StepTableModel::tabSeparated(const QModelIndexList& indexes) const {
    std::map<int, std::map<int, QString>> cells;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.row() < shown_) {
            cells[index.row()][index.column()] = cellText(index.row(), index.column());
        }
    }
    QString text;
    for (const auto& [row, columns] : cells) {
        QStringList line;
        for (const auto& [column, cell] : columns) {
            line.append(cell);
        }
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace explore
