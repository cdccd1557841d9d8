// Speed of the main window as the user feels it: one character typed at the end of a
// long source with automatic update on, until the vertical pane shows the new text;
// and the start of the program until its window is shown with the converted manual.

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_files.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_order.h"
#include "platform/registry/file_registry.h"
#include "sample_text.h"
#include "tests/ui/window/window_harness.h"
#include "ui/widgets/pane.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

using namespace tovalo;

constexpr const char *kChildFlag = "--start-window";

void BM_TypeWithAutomaticUpdate(benchmark::State &state) {
    ui::test::WindowHarness window;
    ui::Form1 &form = window.open();
    auto *source = form.findChild<ui::Pane *>(QStringLiteral("TxtOri"));
    auto *vertical = form.findChild<ui::Pane *>(QStringLiteral("TxtTate"));
    source->setText(bench::sampleText(static_cast<std::size_t>(state.range(0))));
    form.findChild<QCheckBox *>(QStringLiteral("ChkAuto"))->click();
    // A few keys first, so that height and line count have settled as while typing.
    for (int i = 0; i < 5; ++i)
        ui::test::typeAtEnd(source, QStringLiteral("あ"));
    QCoreApplication::processEvents();

    const QString keys = QStringLiteral("かきくけこ");
    int next = 0;
    for (auto _ : state) {
        const std::size_t before = vertical->text().size();
        ui::test::typeAtEnd(source, keys.mid(next++ % keys.size(), 1));
        QCoreApplication::processEvents(); // the panes repaint
        benchmark::DoNotOptimize(before);
    }
    state.counters["vertical chars"] = static_cast<double>(vertical->text().size());
}
BENCHMARK(BM_TypeWithAutomaticUpdate)->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// Runs in a new process: opens the window as the program does and says when it is shown.
int startWindow(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    platform::QtDialogs dialogs;
    platform::QtFilesInFolder files(folder);
    platform::FileRegistry registry(folder.toStdString());
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    platform::QtWindowOrder windowOrder;
    ui::Form1 form({dialogs, files, registry, clipboard, shell, windowOrder});
    form.startUp();
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}

void BM_StartToWindowShown(benchmark::State &state) {
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(TOVALO_DATA_DIR "/説明書.txt"),
                folder.filePath(QStringLiteral("説明書.txt")));
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildFlag), folder.path()});
        child.waitForReadyRead(10'000);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        child.waitForFinished(10'000);
        if (!child.readAllStandardOutput().startsWith("shown"))
            state.SkipWithError("the window did not open");
    }
}
BENCHMARK(BM_StartToWindowShown)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::strcmp(argv[1], kChildFlag) == 0)
        return startWindow(argc, argv);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
