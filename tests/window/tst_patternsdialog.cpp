#include "PatternsDialog.h"
#include "StepGrid.h"
#include "StepListModel.h"
#include "WindowTest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

// The patterns dialog opened from the tray menu, on the window's commands.
class TestPatternsDialog : public WindowTest {
    Q_OBJECT

    PatternsDialog *dialog = nullptr;

    StepGrid *grid() const { return dialog->findChild<StepGrid *>(); }
    QModelIndex cell(int row, int column) const { return grid()->model()->index(row, column); }
    void press(const char *name) const { QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton); }

    // Steps as text, "10000001 250" a step, lamp 1 first, "|" between steps.
    static QString text(const std::vector<pattern::Step> &steps)
    {
        QStringList rows;
        for (const pattern::Step &step : steps) {
            QString row;
            for (int k = 0; k < 8; ++k)
                row += step.lamps & (1 << k) ? '1' : '0';
            rows << (step.ms ? row + ' ' + QString::number(step.ms) : row);
        }
        return rows.join('|');
    }
    QString storedSteps(const QString &name) const
    {
        const auto found = commands->findPattern(name);
        return found ? text(found->steps) : QStringLiteral("<none>");
    }
    QString editedSteps() const { return text(static_cast<StepListModel *>(grid()->model())->steps()); }

    // The dialog on a user pattern "Mine", with `choose` chosen in the list.
    void openDialog(const QString &choose)
    {
        open();
        int version = 0;
        QVERIFY(!commands->savePattern("Mine", {{0x00, 100}, {0x00, 0}}, version));
        const auto actions = form->findChild<QMenu *>()->actions();
        (*std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->text() == "Patterns\u2026"; }))->trigger();
        dialog = form->findChild<PatternsDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        auto *list = dialog->findChild<QListWidget *>("patternList");
        const auto items = list->findItems(choose, Qt::MatchContains);
        QVERIFY(!items.isEmpty());
        list->setCurrentItem(items.front());
    }

    // Runs a script: "c R C" clicks a lamp, "k R C" presses Space on it,
    // "t R TEXT" types a time ("t R -" clears it), "b NAME" presses a button.
    void run(const QString &script) const
    {
        const QStringList words = script.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString &word = words[i];
            if (word == "b") {
                press(qPrintable(words[++i]));
                continue;
            }
            const int row = words[++i].toInt();
            if (word == "t") {
                const QString typed = words[++i] == "-" ? QString() : words[i];
                grid()->setCurrentIndex(cell(row, StepListModel::TimeColumn));
                QTest::keyClick(grid(), Qt::Key_F2);
                QLineEdit *editor = nullptr;
                for (QLineEdit *open : grid()->findChildren<QLineEdit *>())
                    editor = open->isVisible() ? open : editor;
                QVERIFY(editor);
                editor->selectAll();
                QTest::keyClick(editor, Qt::Key_Delete);
                QTest::keyClicks(editor, typed);
                QTest::keyClick(editor, Qt::Key_Return);
                // The view takes the typed time on its next turn of the event loop.
                QCoreApplication::processEvents();
                continue;
            }
            const QModelIndex at = cell(row, words[++i].toInt());
            if (word == "c") {
                QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(at).center());
            } else {
                grid()->setCurrentIndex(at);
                QTest::keyClick(grid(), Qt::Key_Space);
            }
        }
    }

    // Presses the button with this text in the message box that opens, and
    // gives back the box's text.
    static QString answer(const QString &button, const std::function<void()> &action)
    {
        QString said;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            said += box->text();
            for (QAbstractButton *offered : box->buttons())
                if (offered->text().remove('&') == button)
                    offered->click();
        });
        poll.start();
        action();
        return said;
    }

private slots:
    void editsThenSaveStoreTheSteps_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("stored");
        QTest::newRow("lamps clicked") << "c 0 0 c 0 7 c 1 3" << "10000001 100|00010000";
        QTest::newRow("a second click darkens") << "c 1 2 c 1 2 c 1 4" << "00000000 100|00001000";
        QTest::newRow("Space lights") << "k 1 5 k 0 1" << "01000000 100|00000100";
        QTest::newRow("times typed and cleared") << "t 1 250 t 0 -" << "00000000|00000000 250";
        QTest::newRow("time out of range kept") << "t 1 9 t 1 60001 t 1 x c 1 0" << "00000000 100|10000000";
        QTest::newRow("add after the current") << "c 0 0 b addStep c 1 1" << "10000000 100|01000000|00000000";
        QTest::newRow("duplicate and move") << "c 0 0 b duplicateSteps b moveDown c 0 1"
                                            << "11000000 100|00000000|10000000 100";
        QTest::newRow("delete") << "c 1 1 b deleteSteps" << "00000000 100";
        QTest::newRow("undo restores") << "c 0 0 t 1 300 b addStep b deleteSteps b undoButton b undoButton b undoButton"
                                       << "10000000 100|00000000";
        QTest::newRow("redo after undo") << "c 0 0 c 1 1 b undoButton b undoButton b redoButton" << "10000000 100|00000000";
    }

    void editsThenSaveStoreTheSteps()
    {
        QFETCH(QString, script);
        QFETCH(QString, stored);
        openDialog("Mine");
        run(script);
        press("saveButton");
        QCOMPARE(storedSteps("Mine"), stored);
        QCOMPARE(commands->findPattern("Mine")->version, 2);
    }

    void aTimeOutOfRangeSaysWhatToType()
    {
        openDialog("Mine");
        run("t 1 5");
        QVERIFY(dialog->findChild<QLabel *>("patternMessage")->text().contains("type 10 to 60000 ms"));
        QCOMPARE(editedSteps(), "00000000 100|00000000");
    }

    // Another face saved meanwhile: the save is refused, the other face's
    // steps stay stored, and the edit stays on screen unless reloaded.
    void aStaleSaveIsRefusedAndNothingIsLost_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("edited");
        QTest::newRow("keep editing") << "Keep editing" << "10000000 100|00000000";
        QTest::newRow("reload") << "Reload" << "11111111";
    }

    void aStaleSaveIsRefusedAndNothingIsLost()
    {
        QFETCH(QString, choice);
        QFETCH(QString, edited);
        openDialog("Mine");
        run("c 0 0");
        int version = 1;
        QVERIFY(!commands->savePattern("Mine", {{0xff, 0}}, version));
        const QString said = answer(choice, [this] { press("saveButton"); });
        QVERIFY2(said.contains("was changed elsewhere"), qPrintable(said));
        QCOMPARE(storedSteps("Mine"), "11111111");
        QCOMPARE(editedSteps(), edited);
    }

    void builtInsCannotBeChanged()
    {
        openDialog("(built-in)");
        const QString name = dialog->findChild<QListWidget *>("patternList")->currentItem()->data(Qt::UserRole).toString();
        const QString before = storedSteps(name);
        run("c 0 0 k 0 1 b addStep b deleteSteps");
        QCOMPARE(editedSteps(), before);
        for (const char *button : {"saveButton", "renameButton", "deleteButton"})
            QVERIFY2(!dialog->findChild<QPushButton *>(button)->isEnabled(), button);
        QCOMPARE(storedSteps(name), before);
    }

    void deleteAsksFirst()
    {
        openDialog("Mine");
        answer("No", [this] { press("deleteButton"); });
        QCOMPARE(storedSteps("Mine"), "00000000 100|00000000");
        const QString said = answer("Yes", [this] { press("deleteButton"); });
        QVERIFY(said.contains("Delete the pattern \"Mine\""));
        QCOMPARE(storedSteps("Mine"), "<none>");
    }

    // The edited steps play as they are, and the lamps go dark after.
    void previewPlaysTheEditedSteps()
    {
        openDialog("Mine");
        dialog->findChild<QCheckBox *>("previewBox")->setChecked(true);
        run("c 1 7");
        QCOMPARE(player->state().pattern, "Mine");
        QCOMPARE(player->state().playback, PlayerState::Playback::Running);
        dialog->findChild<QCheckBox *>("previewBox")->setChecked(false);
        QCOMPARE(player->state().playback, PlayerState::Playback::Stopped);
        QCOMPARE(storedSteps("Mine"), "00000000 100|00000000");
    }
};

QTEST_MAIN(TestPatternsDialog)
#include "tst_patternsdialog.moc"
