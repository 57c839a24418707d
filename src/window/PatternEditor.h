#pragma once

#include "Pattern.h"

#include <QWidget>

class QPushButton;
class QUndoStack;
class StepGrid;
class StepListModel;

// The steps of one pattern: the grid, and buttons to add, duplicate, move
// and delete steps and to undo and redo. Read-only for a built-in effect.
class PatternEditor : public QWidget {
    Q_OBJECT

public:
    explicit PatternEditor(QWidget *parent = nullptr);
    ~PatternEditor() override;

    void load(const pattern::Pattern &pattern);
    const std::vector<pattern::Step> &steps() const;
    // True when the steps shown differ from the ones loaded or saved.
    bool isModified() const;
    void markSaved();

signals:
    void stepsChanged();
    void modifiedChanged(bool modified);
    void refused(const QString &reason);

private:
    QPushButton *addButton(const QString &text, const char *name, const QKeySequence &shortcut,
                           void (PatternEditor::*action)());
    void addStep();
    void duplicateSteps();
    void moveUp();
    void moveDown();
    void moveBy(int offset);
    void deleteSteps();
    void enableButtons();
    void choose(int row);

    QUndoStack *undo_;
    StepListModel *model_;
    StepGrid *grid_;
    QList<QPushButton *> changeButtons_;
};
