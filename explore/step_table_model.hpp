#pragma once

// The step table of the window: archimede's rows for steps 1 to the chosen
// count, in the window's formats with the locale's decimal separator.

#include "calc/digits.hpp"
#include "calc/step_rows.hpp"

#include <QAbstractTableModel>
#include <QModelIndexList>

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace explore {

class StepTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // rows are shared with the rest of the window and hold steps 1 to 500;
    // the model shows the first shownRows() of them.
    StepTableModel(std::shared_ptr<const std::vector<calc::StepRow>> rows,
                   std::string decimalSeparator, QObject* parent = nullptr);

    void setShownRows(int count);

    // The digits each certified method proves, a column per series after the
    // binary64 ones while shown: the chart's text alternative.
    void setProvenSeries(std::vector<calc::DigitSeries> series);
    void setProvenShown(bool shown);
    bool provenShown() const { return provenShown_; }
    int shownRows() const { return shown_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cells of indexes as text: a line per row, cells separated by tabs,
    // rows and columns in the table's order.
    QString tabSeparated(const QModelIndexList& indexes) const;

private:
    QString cellText(int row, int column) const;

    std::shared_ptr<const std::vector<calc::StepRow>> rows_;
    std::string decimalSeparator_;
    int shown_ = 0;
    std::vector<calc::DigitSeries> proven_;
    bool provenShown_ = false;
};

} // namespace explore
