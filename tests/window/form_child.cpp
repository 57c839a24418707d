// Runs the main window in a process of its own, so that tests can watch it
// end. Every port call is printed the moment it happens.
//
//   form_child MODE DATA_PATH
//   MODE: exit-while-playing | close-while-playing | tray-close-idle | load-only

#include "Form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

class PrintingPort final : public PortDevice {
public:
    void SelectPort(std::int16_t value) override { print("SelectPort %d\n", value); }
    std::int16_t SelectPort() const override { return 1; }
    void SetLine(std::int16_t line, std::int16_t level) override { print("SetLine %d %d\n", line, level); }
    std::string failureReason() const override { return {}; }

private:
    template <typename... Args>
    static void print(const char *format, Args... args)
    {
        std::printf(format, args...);
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    PrintingPort port;
    SettingsStore settings;
    Form1 form(port, settings, QString::fromLocal8Bit(argv[2]));

    // Message boxes are answered and their text printed.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("message: %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    answer.start(10);

    form.Form_Load();
    form.show();
    std::printf("shown\n");
    std::fflush(stdout);

    if (mode == "exit-while-playing" || mode == "close-while-playing") {
        QTimer::singleShot(50, &form, [&form] { form.Command4->click(); });
        QTimer::singleShot(300, &form, [&form, mode] {
            std::printf("closing\n");
            std::fflush(stdout);
            if (mode == "exit-while-playing")
                form.Command2->click();
            else
                form.close();
        });
    } else if (mode == "tray-close-idle") {
        QTimer::singleShot(50, &form, [&form] { form.mnuClose->trigger(); });
    }
    const int code = app.exec();
    std::printf("event loop ended\n");
    return code;
}
