#pragma once

#include "Pattern.h"

#include <QAbstractTableModel>

#include <vector>

class QUndoStack;

// The steps of the pattern under edit, as a table: one row per step, a
// column per lamp, then the step's time. Every change goes through the undo
// stack, so each one can be taken back.
class StepListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int LampColumns = 8;
    static constexpr int TimeColumn = LampColumns;

    explicit StepListModel(QUndoStack *undo, QObject *parent = nullptr);

    // New steps to edit; what could be undone before goes.
    void load(std::vector<pattern::Step> steps);
    const std::vector<pattern::Step> &steps() const { return steps_; }
    // A read-only list refuses every change.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }

    void toggleLamp(int row, int lamp);
    // Replaces `count` steps from `row` on with `replacement`, as one step
    // that can be undone.
    void edit(int row, int count, std::vector<pattern::Step> replacement, const QString &what);
    // The same, done or undone by the stack only.
    void splice(int row, int count, const std::vector<pattern::Step> &replacement);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // The steps differ from before, whoever changed them.
    void stepsChanged();
    // An edit was turned down; says why and what to type instead.
    void refused(const QString &reason);

private:
    QUndoStack *undo_;
    std::vector<pattern::Step> steps_;
    bool readOnly_ = false;
};
