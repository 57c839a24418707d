// Runs the main window in a process of its own, so that tests can watch it
// end. Every call to the port's backend is printed the moment it happens.
//
//   form_child MODE DATA_PATH
//   MODE: exit-while-playing | close-while-playing | tray-close-idle | load-only

#include "Form1.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

class PrintingBackend final : public PortBackend {
public:
    std::string open() override { return print("open"); }
    std::string write(std::uint8_t lines) override
    {
        std::string text = "write ";
        for (int k = 0; k < 8; ++k)
            text += (lines >> k) & 1 ? '1' : '0';
        return print(text);
    }
    void close() override { print("close"); }

private:
    static std::string print(const std::string &line)
    {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        return {};
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    PortDevice port(std::make_unique<PrintingBackend>());
    SettingsStore settings;
    Form1 form(port, QStringLiteral("printing"), settings, QString::fromLocal8Bit(argv[2]), [] { return std::vector<FoundPort>(); });

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

    if (!form.Form_Load())
        return 1;
    form.show();
    std::printf("shown\n");
    std::fflush(stdout);

    const auto click = [&form](const char *button) { form.findChild<QPushButton *>(button)->click(); };
    if (mode == "exit-while-playing" || mode == "close-while-playing") {
        QTimer::singleShot(50, &form, [&] { click("Command3"); click("Command4"); });
        QTimer::singleShot(300, &form, [&] {
            std::printf("closing\n");
            std::fflush(stdout);
            if (mode == "exit-while-playing")
                click("Command2");
            else
                form.close();
        });
    } else if (mode == "tray-close-idle") {
        QTimer::singleShot(50, &form, [&form] { form.findChild<QMenu *>()->actions().last()->trigger(); });
    }
    const int code = app.exec();
    std::printf("event loop ended\n");
    return code;
}
