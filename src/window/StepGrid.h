#pragma once

#include <QTableView>

class StepListModel;

// The steps as a grid of lamps: a click or Space lights or darkens a lamp,
// the last column holds each step's time. Sized by the font, so it reads
// the same at any screen density.
class StepGrid : public QTableView {
    Q_OBJECT

public:
    explicit StepGrid(StepListModel *model, QWidget *parent = nullptr);

    // The rows with a selected cell, in order, or the current row.
    QList<int> chosenRows() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    StepListModel *model_;
};
