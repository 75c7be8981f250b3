// Report and canvas benchmarks, in-process on the offscreen platform with
// the real host: scripts add a report or a canvas, a button's click
// procedure writes or draws, and the click is timed.
//   host_bench            all cases, one line each
#include "EntryPoint.h"
#include "QtDesktop.h"
#include "QtWidgets.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace vorna;

struct Run {
    platform::StandInDesktop desktop;
    std::unique_ptr<host::EntryPoint> entry;

    explicit Run(const std::string& script)
    {
        auto path = std::filesystem::temp_directory_path() / "vorna-bench.vbs";
        std::ofstream(path) << script;
        desktop.setArguments({ vbs::Str::fromUtf8(path.string()) });
        entry = std::make_unique<host::EntryPoint>(desktop);
        entry->Main();
        QApplication::processEvents();
    }
    std::shared_ptr<platform::Control> element(platform::ControlKind kind)
    {
        return entry->loadedDialog()->controls(kind).element(1).value();
    }
    double clickMs()
    {
        QElapsedTimer timer;
        timer.start();
        entry->loadedDialog()->buttonClick(1);
        double ms = timer.nsecsElapsed() / 1e6;
        if (!desktop.messages.empty())
            std::fprintf(stderr, "script error: %s\n", desktop.messages.back().prompt.toUtf8().c_str());
        return ms;
    }
};

std::string writer(int lines)
{
    return "AddReport \"Out\", , 400, 300\nAddButton \"Go\"\nSub Go_Click\nDim i\nFor i = 1 To "
        + std::to_string(lines) + "\nOut.WriteLine \"line \" & i & \" of the benchmark output\"\nNext\nEnd Sub\n";
}

// The same loop without the report: what the engine itself costs.
std::string baseline(int lines)
{
    return "AddButton \"Go\"\nDim s\nSub Go_Click\nDim i\nFor i = 1 To " + std::to_string(lines)
        + "\ns = \"line \" & i & \" of the benchmark output\"\nNext\nEnd Sub\n";
}

std::string drawer(int lines)
{
    return "AddCanvas \"Pic\", , 400, 300\nAddButton \"Go\"\nSub Go_Click\nDim i\nFor i = 1 To "
        + std::to_string(lines) + "\nPic.LineTo (i * 7) Mod 400, (i * 13) Mod 300\nNext\nEnd Sub\n";
}

double repaintMs(Run& run)
{
    auto* widget = dynamic_cast<platform::QtPicture&>(*run.element(platform::ControlKind::PictureBox)).widget();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100; ++i)
        widget->repaint();
    return timer.nsecsElapsed() / 1e6 / 100;
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application application(argc, argv);

    Run small(writer(10000)), large(writer(100000));
    double t10k = small.clickMs(), t100k = large.clickMs();
    std::printf("report: 10,000 WriteLine %.1f ms, 100,000 WriteLine %.1f ms, ratio %.2f\n", t10k, t100k,
                t100k / t10k);
    Run loop(baseline(100000));
    std::printf("report: the same 100,000-pass loop without writing %.1f ms\n", loop.clickMs());

    Run few(drawer(10)), many(drawer(100000));
    double tFew = few.clickMs(), tMany = many.clickMs();
    std::printf("canvas: 100,000 LineTo %.1f ms (10 LineTo %.2f ms)\n", tMany, tFew);
    std::printf("canvas: repaint after 10 primitives %.3f ms, after 100,000 primitives %.3f ms\n", repaintMs(few),
                repaintMs(many));
    return 0;
}
