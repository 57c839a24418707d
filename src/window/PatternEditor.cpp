#include "PatternEditor.h"

#include "StepGrid.h"
#include "StepListModel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

PatternEditor::PatternEditor(QWidget *parent)
    : QWidget(parent), undo_(new QUndoStack(this)), model_(new StepListModel(undo_, this)), grid_(new StepGrid(model_))
{
    auto *buttons = new QVBoxLayout;
    changeButtons_ = {
        addButton(tr("&Add step"), "addStep", Qt::Key_Insert, &PatternEditor::addStep),
        addButton(tr("D&uplicate"), "duplicateSteps", QKeySequence(Qt::CTRL | Qt::Key_D),
                  &PatternEditor::duplicateSteps),
        addButton(tr("&Move up"), "moveUp", QKeySequence(Qt::ALT | Qt::Key_Up), &PatternEditor::moveUp),
        addButton(tr("Move do&wn"), "moveDown", QKeySequence(Qt::ALT | Qt::Key_Down),
                  &PatternEditor::moveDown),
        addButton(tr("De&lete steps"), "deleteSteps", Qt::Key_Delete, &PatternEditor::deleteSteps),
    };
    for (QPushButton *button : changeButtons_)
        buttons->addWidget(button);
    buttons->addSpacing(fontMetrics().height());
    auto *undo = new QPushButton(tr("Und&o"));
    auto *redo = new QPushButton(tr("Re&do"));
    undo->setObjectName(QStringLiteral("undoButton"));
    redo->setObjectName(QStringLiteral("redoButton"));
    buttons->addWidget(undo);
    buttons->addWidget(redo);
    buttons->addStretch();
    QAction *undoAction = undo_->createUndoAction(this);
    QAction *redoAction = undo_->createRedoAction(this);
    undoAction->setShortcut(QKeySequence::Undo);
    redoAction->setShortcut(QKeySequence::Redo);
    addActions({undoAction, redoAction});
    connect(undo, &QPushButton::clicked, undo_, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, undo_, &QUndoStack::redo);
    connect(undo_, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    connect(model_, &StepListModel::stepsChanged, this, &PatternEditor::stepsChanged);
    connect(model_, &StepListModel::refused, this, &PatternEditor::refused);
    connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

// The stack says it is clean as it goes, when the dialog may be half gone.
PatternEditor::~PatternEditor()
{
    undo_->disconnect(this);
}

QPushButton *PatternEditor::addButton(const QString &text, const char *name, const QKeySequence &shortcut,
                                      void (PatternEditor::*action)())
{
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(shortcut.toString(QKeySequence::NativeText));
    auto *key = new QAction(this);
    key->setShortcut(shortcut);
    key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(key);
    connect(key, &QAction::triggered, this, action);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void PatternEditor::load(const pattern::Pattern &pattern)
{
    model_->setReadOnly(pattern.builtIn());
    model_->load(pattern.steps);
    enableButtons();
    choose(0);
}

const std::vector<pattern::Step> &PatternEditor::steps() const
{
    return model_->steps();
}

bool PatternEditor::isModified() const
{
    return !undo_->isClean();
}

void PatternEditor::markSaved()
{
    undo_->setClean();
}

void PatternEditor::enableButtons()
{
    for (QPushButton *button : changeButtons_)
        button->setEnabled(!model_->isReadOnly());
}

// The row after the current one, or the first of an empty list.
void PatternEditor::addStep()
{
    const QList<int> rows = grid_->chosenRows();
    const int at = rows.isEmpty() ? model_->rowCount() : rows.back() + 1;
    model_->edit(at, 0, {pattern::Step{}}, tr("Add step %1").arg(at + 1));
    choose(at);
}

void PatternEditor::duplicateSteps()
{
    const QList<int> rows = grid_->chosenRows();
    if (rows.isEmpty())
        return;
    std::vector<pattern::Step> copies;
    for (int row : rows)
        copies.push_back(steps()[static_cast<std::size_t>(row)]);
    model_->edit(rows.back() + 1, 0, copies, tr("Duplicate steps"));
    choose(rows.back() + 1);
}

void PatternEditor::moveUp()
{
    moveBy(-1);
}

void PatternEditor::moveDown()
{
    moveBy(1);
}

// The current step trades places with its neighbour.
void PatternEditor::moveBy(int offset)
{
    const int row = grid_->currentIndex().row();
    const int other = row + offset;
    if (row < 0 || other < 0 || other >= model_->rowCount())
        return;
    const int first = std::min(row, other);
    const std::vector<pattern::Step> swapped{steps()[static_cast<std::size_t>(first) + 1], steps()[static_cast<std::size_t>(first)]};
    model_->edit(first, 2, swapped, tr("Move step %1").arg(row + 1));
    if (!model_->isReadOnly())
        grid_->setCurrentIndex(model_->index(other, grid_->currentIndex().column()));
}

// From the last up, so the rows still to go keep their numbers; one undo
// brings them all back.
void PatternEditor::deleteSteps()
{
    const QList<int> rows = grid_->chosenRows();
    if (rows.isEmpty() || model_->isReadOnly())
        return;
    undo_->beginMacro(tr("Delete steps"));
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        model_->edit(*row, 1, {}, QString());
    undo_->endMacro();
    choose(std::min(rows.front(), model_->rowCount() - 1));
}

void PatternEditor::choose(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    grid_->setCurrentIndex(model_->index(row, 0));
}
