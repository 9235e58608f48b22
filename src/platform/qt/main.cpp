// visual-brindle: the table editor.

#include "Application.h"
#include "BrindleVersion.h"
#include "MainWindow.h"
#include "Translation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// --measure-startup: prints the time from main() to the first paint of the grid and quits.
class CFirstPaintProbe : public QObject {
public:
    CFirstPaintProbe(const QElapsedTimer& clock, QObject* parent)
        : QObject(parent), m_clock(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Queued, so the figure includes the paint itself.
            QTimer::singleShot(0, this, [this] {
                std::fprintf(stderr, "startup: %lld ms to the first painted grid\n",
                             static_cast<long long>(m_clock.elapsed()));
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    bool m_done = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    bool measure = false;
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        // The version needs no display: answered before the GUI starts, so it works in a
        // terminal without one.
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("visual-brindle %s\n", kBrindleVersion);
            return 0;
        }
        measure = measure || std::strcmp(argv[i], "--measure-startup") == 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Visual Brindle"));
    QApplication::setOrganizationName(QStringLiteral("KESTA"));
    QApplication::setApplicationVersion(QString::fromLatin1(kBrindleVersion));
    QApplication::setDesktopFileName(QStringLiteral("visual-brindle"));
    if (!InstallUiLanguageFromEnvironment())
        std::fprintf(stderr, "visual-brindle: the translation could not be loaded\n");

    CMyApp brindle;
    if (!brindle.InitInstance(QApplication::arguments().mid(1)))
        return brindle.ExitCode();
    if (measure)
        brindle.MainFrame()->centralWidget()->installEventFilter(
            new CFirstPaintProbe(clock, brindle.MainFrame()));
    return QApplication::exec();
}
